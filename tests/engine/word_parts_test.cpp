#include "engine/word_parts.h"
#include "support/cp1251.h"

#include <gtest/gtest.h>

namespace cantiva::engine {
namespace {

using test_support::W;

TEST(Punctuation, LeadingTrailingAndStrip) {
    EXPECT_EQ(TrailingPunctuation(W("word»,")), W("»,"));
    EXPECT_EQ(LeadingPunctuation(W("«(word")), W("«("));
    EXPECT_EQ(LeadingPunctuation("--"), "--");
    EXPECT_EQ(TrailingPunctuation("--"), "--");
    EXPECT_EQ(StripEnds("--", 2, 2), "");
    EXPECT_EQ(StripEnds("(ab)", 1, 1), "ab");
    EXPECT_EQ(StripEnds("ab", 0, 0), "ab");
    EXPECT_FALSE(StartsWithPunctuation(""));
    EXPECT_FALSE(EndsWithPunctuation(""));
    EXPECT_TRUE(StartsWithPunctuation("'s"));
    EXPECT_FALSE(EndsWithPunctuation("a\xA0"));
}

TEST(LinkedLetterCount, CountsAdjacentLettersOfTheLanguage) {
    struct Case {
        std::string word;
        Language language;
        int count;
    } cases[] = {
        {W("мама"), Language::Russian, 4}, {"it", Language::English, 2},
        {"he'll", Language::English, 3},   {"he's", Language::English, 2},
        {"a-b-c", Language::English, 1},   {"", Language::Russian, 1},
        {"mama", Language::Russian, 1},    {"swim", Language::Latin, 2}, // w is no Latin letter
        {W("ёж"), Language::Russian, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkedLetterCount(c.word, c.language), c.count) << test_support::U(c.word);
}

TEST(IsLanguageWord, EveryByteMustBeALetterOfTheLanguage) {
    EXPECT_TRUE(IsLanguageWord("", Language::Latin));
    EXPECT_TRUE(IsLanguageWord(W("ёлка"), Language::Russian));
    EXPECT_FALSE(IsLanguageWord("wow", Language::Latin));
    EXPECT_TRUE(IsLanguageWord("wow", Language::American));
    EXPECT_FALSE(IsLanguageWord("don't", Language::English));
    EXPECT_FALSE(IsLanguageWord(W("мама1"), Language::Russian));
}

TEST(FindClitic, OnlyAtTheEndInTableOrder) {
    struct Case {
        const char* word;
        const char* clitic;
    } cases[] = {
        {"we're", "'re"},    {"it's", "'s"}, {"don't", ""},
        {"she'd", ""}, // 'd is an elided e (lov'd), divided with the word
        {"we'll", "'ll"},    {"o'lls", ""},  {"o'dell's", "'s"}, // only at the end
        {"'s", "'s"},        {"", ""},       {"it\x92s", "'s"},
        {"we\x92re", "'re"}, // the typographic apostrophe too
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindClitic(c.word), c.clitic) << c.word;
}

} // namespace
} // namespace cantiva::engine
