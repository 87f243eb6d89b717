#include "dictionaries/compilers.h"
#include "support/cp1251.h"

#include <gtest/gtest.h>

namespace cantiva::dictionaries {
namespace {

using test_support::W;

TEST(CompileMainSource, KeepsLinesAsTheyStandAndKeysPerLanguage) {
    struct Case {
        std::string line;
        Language language;
        int width;
        std::string text, key;
    } cases[] = {
        {W(".ав1то"), Language::Russian, 8, W(".ав1то  "), W(".авто  ")},
        {"%", Language::Russian, 3, "%  ", "%  "},
        {W("Ёё1a-'"), Language::Russian, 6, W("Ёё1a-'"), W("Ёё")},
        {"a1[b]`w", Language::English, 7, "a1[b]`w", "a[b]`w"},
        {"a1[b]`w", Language::American, 7, "a1[b]`w", "a[b]`w"},
        {"W1w2x", Language::Latin, 5, "W1w2x", "x"},
        {"  a1b", Language::English, 5, "  a1b", "  ab"},
        {"abcdef", Language::English, 3, "abc", "abc"},
        {"abc", Language::English, 0, "", ""},
        {std::string(40, 'a'), Language::English, 32, std::string(32, 'a'), std::string(32, 'a')},
    };
    for (const Case& c : cases) {
        auto records = CompileMainSource(c.line, c.language, c.width);
        ASSERT_EQ(records.size(), 1u) << c.line;
        EXPECT_EQ(records[0].text, c.text) << c.line;
        EXPECT_EQ(records[0].key, c.key) << c.line;
    }
    EXPECT_TRUE(CompileMainSource("", Language::Russian, 5).empty());
    EXPECT_EQ(CompileMainSource("a\r\n\r\nb\r\n", Language::English, 1).size(), 3u);
}

TEST(CompileExceptionSource, TrimsLowersAndKeepsLettersAndBlanks) {
    auto records = CompileExceptionSource(W(" Ав-то-мат \r\n\r\nrock'n'ROLL\r\n%.1-x"), 12);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].text, W("ав-то-мат   "));
    EXPECT_EQ(records[0].key, W("автомат   "));
    EXPECT_EQ(records[1].text, std::string(12, ' '));
    EXPECT_EQ(records[2].text, "rock'n'roll ");
    EXPECT_EQ(records[2].key, "rocknroll ");
    EXPECT_EQ(records[3].key, "x       ");
    EXPECT_EQ(LongestTrimmedLine(W(" Ав-то-мат \r\n\tx")), 9);
    EXPECT_EQ(LongestTrimmedLine(""), 0);
}

} // namespace
} // namespace cantiva::dictionaries
