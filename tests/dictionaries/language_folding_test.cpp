#include "dictionaries/language.h"
#include "text/letter_folding.h"

#include <gtest/gtest.h>

namespace cantiva::text {
namespace {

using Kind = Fold::Kind;

TEST(LetterFolding, EachLanguageReadsItsWrittenLetters) {
    const FoldFunction latin = dictionaries::LanguageInfoOf(dictionaries::Language::Latin).fold;
    const FoldFunction english = dictionaries::LanguageInfoOf(dictionaries::Language::English).fold;
    const FoldFunction russian = dictionaries::LanguageInfoOf(dictionaries::Language::Russian).fold;
    struct Case {
        FoldFunction fold;
        char32_t cp;
        char previous;
        Kind kind;
        std::string_view letters;
        bool hiatus;
    } cases[] = {
        {latin, U'á', 'r', Kind::Letters, "a", false},
        {latin, U'À', 0, Kind::Letters, "a", false},
        {latin, U'ê', 0, Kind::Letters, "e", false},
        {latin, U'Í', 0, Kind::Letters, "i", false},
        {latin, U'ó', 0, Kind::Letters, "o", false},
        {latin, U'Ú', 0, Kind::Letters, "u", false},
        {latin, U'ý', 0, Kind::Letters, "y", false},
        {latin, U'ÿ', 0, Kind::Letters, "y", true},
        {latin, U'Ÿ', 0, Kind::Letters, "y", true},
        {latin, U'ë', 'o', Kind::Letters, "e", true},
        {latin, U'Ü', 0, Kind::Letters, "u", true},
        {latin, U'æ', 0, Kind::Letters, "ae", false},
        {latin, U'Æ', 0, Kind::Letters, "ae", false},
        {latin, U'ǽ', 0, Kind::Letters, "ae", false},
        {latin, U'Ǽ', 0, Kind::Letters, "ae", false},
        {latin, U'œ', 0, Kind::Letters, "oe", false},
        {latin, U'Œ', 0, Kind::Letters, "oe", false},
        {latin, U'ā', 0, Kind::Letters, "a", false},
        {latin, U'Ŭ', 0, Kind::Letters, "u", false},
        {latin, U'ç', 0, Kind::Letters, "c", false},
        {latin, 0x0301, 'e', Kind::Mark, "", false},
        {latin, 0x0308, 'e', Kind::Mark, "", true},
        {latin, U'ß', 0, Kind::None, "", false},
        {latin, U'ø', 0, Kind::None, "", false},
        {latin, U'×', 0, Kind::None, "", false},
        {latin, U'α', 0, Kind::None, "", false},
        {latin, U'ё', 0, Kind::None, "", false},
        {latin, 0x1F600, 0, Kind::None, "", false},
        {english, U'ï', 'a', Kind::Letters, "i", true},
        {english, U'é', 0, Kind::Letters, "e", false},
        {russian, 0x0301, '\xE0', Kind::Mark, "", false},
        {russian, 0x0300, '\xE0', Kind::Mark, "", false},
        {russian, 0x0308, '\xE5', Kind::Compose, "\xB8", false},
        {russian, 0x0308, '\xC5', Kind::Compose, "\xA8", false},
        {russian, 0x0306, '\xE8', Kind::Compose, "\xE9", false},
        {russian, 0x0306, '\xC8', Kind::Compose, "\xC9", false},
        {russian, 0x0308, '\xE0', Kind::None, "", false},
        {russian, 0x0306, 0, Kind::None, "", false},
        {russian, U'á', 0, Kind::None, "", false},
        {russian, U'ї', 0, Kind::None, "", false},
    };
    for (const Case& c : cases) {
        const Fold f = c.fold(c.cp, c.previous);
        EXPECT_EQ(f.kind, c.kind) << std::hex << static_cast<unsigned>(c.cp);
        EXPECT_EQ(f.letters, c.letters) << std::hex << static_cast<unsigned>(c.cp);
        EXPECT_EQ(f.hiatus, c.hiatus) << std::hex << static_cast<unsigned>(c.cp);
    }
}

} // namespace
} // namespace cantiva::text
