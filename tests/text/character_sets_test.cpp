#include "support/cp1251.h"
#include "text/character_sets.h"

#include <gtest/gtest.h>

namespace cantiva::text {
namespace {

using test_support::W;

TEST(CharacterSets, HaveTheirStatedSizes) {
    struct Case {
        const char* name;
        const ByteSet& set;
        int size;
    } cases[] = {
        {"punctuationMarks", kPunctuationMarks, 26},
        {"russianLetters", kRussianLetters, 66},
        {"englishLetters", kEnglishLetters, 52},
        {"latinLetters", kLatinLetters, 50},
        {"russianVowels", kRussianVowels, 20},
        {"russianVowelsAndShortI", kRussianVowelsAndShortI, 22},
        {"russianConsonantsAndSigns", kRussianConsonantsAndSigns, 44},
        {"englishConsonants", kEnglishConsonants, 38},
        {"englishVowels", kEnglishVowels, 12},
        {"latinVowels", kLatinVowels, 14},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.set.size(), c.size) << c.name;
    EXPECT_TRUE(kRussianVowels.containsAll(W("АЕЁИОУЫЭЮЯаеёиоуыэюя")));
    EXPECT_TRUE(
        kRussianConsonantsAndSigns.containsAll(W("БВГДЖЗКЛМНПРСТФХЦЧШЩЪЬбвгджзклмнпрстфхцчшщъь")));
    EXPECT_FALSE(kRussianConsonantsAndSigns.contains(W("й")[0]));
}

TEST(CharacterSets, EntrySetsHoldExactlyTheirCharacters) {
    EXPECT_EQ(kLatinEntryChars.size(), 58 + 3);    // 'A'..'z' plus blank, hyphen, no-break space
    EXPECT_EQ(kCyrillicEntryChars.size(), 64 + 5); // А..я, Ё, ё, blank, hyphen, no-break space
    EXPECT_FALSE(kLatinEntryChars.contains('@'));
    EXPECT_FALSE(kLatinEntryChars.contains('{'));
    EXPECT_FALSE(kCyrillicEntryChars.contains('\x98'));
}

} // namespace
} // namespace cantiva::text
