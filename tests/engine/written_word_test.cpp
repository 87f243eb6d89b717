#include "dictionaries/compilers.h"
#include "engine/hyphenation_run.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace cantiva::engine {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using test_support::MainSourceOf;
using test_support::TempFolder;
using test_support::W;

// Words written with accents, ligatures and marks, divided through the Unicode run.
class WrittenWords : public ::testing::Test {
protected:
    WrittenWords() {
        folder.writeDictionaries(
            MainSourceOf(Language::Russian, {"а1м", "о1с", "и1м"}), W("при-мер"), "",
            MainSourceOf(Language::Latin, {"a1e", "e1l", "o1r", "i1a", "a1v", "i1v", "e1s"}),
            MainSourceOf(Language::American, {"a1f", "o1e"}));
        state.openAtStartup();
    }

    std::string divide(Language language, std::string_view utf8) {
        state.openLanguage(language);
        const text::CodePage& codePage = *dictionaries::LanguageInfoOf(language).codePage;
        const text::CodePageText input = text::Utf8ToCodePage(utf8, codePage);
        const RunResult r = RunHyphenation(input, state, false);
        EXPECT_EQ(r.status, RunStatus::Done) << utf8;
        std::string out = text::CodePageToUtf8(r.resultText, input.foreign, codePage);
        return out.ends_with("\r\n") ? out.substr(0, out.size() - 2) : out;
    }

    TempFolder folder;
    DictionaryState state{folder.path()};
};

TEST_F(WrittenWords, CutsGoBackIntoTheWordAsWritten) {
    struct Case {
        Language language;
        const char* in;
        const char* out;
    } cases[] = {
        {Language::Latin, "gloria", "glo-ri-a"},
        {Language::Latin, "Glória", "Gló-ri-a"},             // accent and case kept
        {Language::Latin, "GLÓRIA!", "GLÓ-RI-A!"},           // capitals, punctuation
        {Language::Latin, "Glo\u0301ria", "Glo\u0301-ri-a"}, // NFD: the mark stays on its letter
        {Language::Latin, "caeli", "ca-e-li"},
        {Language::Latin, "cæli", "cæ-li"}, // never a cut inside a ligature
        {Language::Latin, "Cǽli", "Cǽ-li"}, // nor inside an accented one
        {Language::Latin, "CÆLI", "CÆ-LI"},
        {Language::Latin, "caéli", "ca-é-li"}, // an accent on one letter of ae is no ligature
        {Language::Latin, "ave\u0301", "a-ve\u0301"},
        {Language::Latin, "Ave😀", "Ave😀"}, // a character Latin cannot fold: whole
        {Language::Latin, "glóriaα", "glóriaα"},
        {Language::Latin, "glória-", "gló-ri-a-"}, // a hyphen of the text stays one
        {Language::Latin, "viïa", "vi-ï-a"},       // a diaeresis opens a syllable
        {Language::American, "café", "ca-fé"},
        {Language::American, "Noël", "No-ël"}, // the diaeresis again, with no pattern
        {Language::American, "Noe\u0308l", "No-e\u0308l"},
        {Language::Russian, "ма́ма", "ма́-ма"}, // the stress mark is ignored for lookup
        {Language::Russian, "МА́МА", "МА́-МА"},
        {Language::Russian, "мама\u0300", "ма-ма\u0300"},
        {Language::Russian, "При́мер", "При́-мер"}, // exceptions see the folded word too
        {Language::Russian, "ёло\u0301сим", "ёло\u0301-сим"},
        {Language::Russian, "е\u0308ло\u0301сим", "е\u0308ло\u0301-сим"}, // NFD ё
        {Language::Russian, "мамаи\u0306мама", "ма-маи\u0306ма-ма"},      // NFD й is й, not и
        {Language::Russian, "и\u0308мам", "и\u0308мам"}, // no letter of the language: whole
        {Language::Russian, "máма", "máма"},             // a Latin accent is not Russian
        {Language::Russian, "ма😀ма", "ма😀ма"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(divide(c.language, c.in), c.out) << c.in;
}

TEST_F(WrittenWords, EveryCharacterOfAMixedTextComesBack) {
    const std::string in = "Kýrie\u00A0eléison — «cæli» 𝄞 Ελλάδα 中文 ma\u0301\u20DDma\r\nx\u200Dy "
                           "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD";
    std::string out = divide(Language::Latin, in);
    std::erase(out, '-');
    std::string expected = in;
    std::erase(expected, '-');
    EXPECT_EQ(out, expected);
}

// Windows-1252 text of UTF-8 test data.
std::string Cp1252(std::string_view utf8) {
    return text::Utf8ToCodePage(utf8, text::kWindows1252).bytes;
}

// German, French, Italian and Spanish: their letters, their case, the letters of the code page
// they lack, and no first or last part without a vowel.
class WesternWords : public WrittenWords {
protected:
    WesternWords() {
        const std::pair<Language, std::vector<std::string>> sources[] = {
            {Language::German, {"a1f", "n1d", "s1p", "ä1p", "e1s", "a1ß", "a1e"}},
            {Language::French, {"œ1u", "a1f", "a1ß"}},
            {Language::Italian, {"t1t"}},
            {Language::Spanish, {"i1ñ", "i1a", "a1f"}},
        };
        for (const auto& [language, patterns] : sources) {
            const std::string source = MainSourceOf(language, patterns);
            const std::string exceptions = Cp1252("GrÜ-ße");
            folder.writeRecords(
                dictionaries::FileName(language, dictionaries::DictFile::MainCompiled),
                dictionaries::CompileMainSource(source, language,
                                                dictionaries::LongestTrimmedLine(source)));
            folder.writeRecords(
                dictionaries::FileName(language, dictionaries::DictFile::ExceptionsCompiled),
                dictionaries::CompileExceptionSource(exceptions, 6, language));
        }
    }
};

TEST_F(WesternWords, DivideInTheirOwnLettersAndCase) {
    struct Case {
        Language language;
        const char* in;
        const char* out;
    } cases[] = {
        {Language::German, "und", "und"},         // un-d: a last part without a vowel joins
        {Language::German, "Sprache", "Sprache"}, // s-prache: so does a first part
        {Language::German, "Café", "Ca-fé"},      // é is not German: read as e
        {Language::German, "CAFÉ!", "CA-FÉ!"},    // and its capital
        {Language::German, "Äpfel", "Ä-pfel"},    // Ä is a German letter, lower-cased as ä
        {Language::German, "Maße", "Ma-ße"},      // ß is a letter, not a capital
        {Language::German, "Cæsar", "Cæ-sar"},    // æ reads ae, never cut inside
        {Language::German, "grüße", "grü-ße"},    // an exception
        {Language::German, "GRÜßE", "GRÜ-ßE"},    // with the word's case
        {Language::German, "Łódź", "Łódź"},       // ł: whole
        {Language::French, "cœur", "cœ-ur"},      // œ is a French letter...
        {Language::French, "CAFÉ", "CA-FÉ"},
        {Language::French, "Maße", "Maße"}, // ...ß is not: whole
        {Language::Italian, "città", "cit-tà"},
        {Language::Spanish, "niño", "ni-ño"},
        {Language::Spanish, "NIÑO", "NI-ÑO"},
        {Language::Spanish, "Noël", "Noël"}, // ë reads e: no pattern, no hiatus cut
    };
    for (const Case& c : cases)
        EXPECT_EQ(divide(c.language, c.in), c.out) << c.in;
}

} // namespace
} // namespace cantiva::engine
