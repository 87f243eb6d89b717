#include "dictionaries/dictionary_state.h"
#include "engine/hyphenate_word.h"
#include "io/io_error.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace cantiva::engine {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using test_support::MainSourceOf;
using test_support::TempFolder;
using test_support::U;
using test_support::W;

// Tiny dictionaries of one language in a temporary folder, loaded.
class Dictionaries {
public:
    explicit Dictionaries(Language language, const std::vector<std::string>& patterns,
                          const std::string& exceptions = "") {
        std::string source = MainSourceOf(language, patterns);
        std::string russian = language == Language::Russian ? source : "";
        std::string english = language == Language::English ? source : "";
        std::string latin = language == Language::Latin ? source : "";
        std::string american = language == Language::American ? source : "";
        folder_.writeDictionaries(russian, W(exceptions), english, latin, american);
        state_.openLanguage(language);
    }

    std::string operator()(std::string_view utf8Word, LogLines* log = nullptr) const {
        return U(HyphenateWord(W(utf8Word), WordContext::From(state_), log));
    }
    std::vector<std::string> log(std::string_view utf8Word) const {
        LogLines lines;
        (*this)(utf8Word, &lines);
        for (std::string& l : lines)
            l = U(l);
        return lines;
    }
    DictionaryState& state() { return state_; }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    DictionaryState state_{folder_.path()};
};

using Lines = std::vector<std::string>;

TEST(HyphenateWord, MamaWithOnePatternLogsMatchDottedWordAndWeights) {
    Dictionaries ru(Language::Russian, {"а1м"});
    EXPECT_EQ(ru("Мама"), "Ма-ма");
    EXPECT_EQ(ru.log("Мама"), (Lines{"а1м", ".мама.", "0 0 0 1 0 0 ", "-------------------"}));
}

TEST(HyphenateWord, RussianWords) {
    Dictionaries ru(Language::Russian, {"а1м", "а2м", "о1л", "о1к", "1ко", "л1к"});
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"мама", "мама"},           // the larger, even weight wins
        {"(молоко)", "(мо-ло-ко)"}, // punctuation stays around the core
        {"МОЛОКО!", "МО-ЛО-КО!"},   // all capitals stay capitals
        {"Ёлка", "Ёл-ка"},          // ё matched as е, then put back, with its case
        {"ёлочёлка", "ёлочёл-ка"},  // every ё, not only the first
        {"в", "в"},
        {"он", "он"},
        {"--", "--"},
        {"ok", "ok"},       // Latin letters are not Russian
        {"мо1ко", "мо1ко"}, // a digit makes it no word of the language
        {"«молоко»,", "«мо-ло-ко»,"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ru(c.in), c.out) << c.in;
}

TEST(HyphenateWord, LogsMatchesInWindowLengthThenStartThenRecordOrder) {
    Dictionaries ru(Language::Russian, {".мо1", "о1л", "1ко", "мо1л"});
    EXPECT_EQ(ru.log("молоко"), (Lines{"о1л", "1ко", ".мо1", "мо1л", ".молоко.", "0 0 0 1 0 1 0 0 ",
                                       "-------------------"}));
}

TEST(HyphenateWord, ExceptionsComeFirstWithTheWordsCase) {
    Dictionaries ru(Language::Russian, {"и1м"}, "при-мер\r\nпри-ме-р\r\nОК-НО");
    EXPECT_EQ(ru("Пример,"), "При-мер,");
    EXPECT_EQ(ru.log("Пример,"), (Lines{"Exception: при-мер", "-------------------"}));
    EXPECT_EQ(ru("ПРИМЕР"), "ПРИ-МЕР");
    EXPECT_EQ(ru("окно"), "ок-но");
    EXPECT_EQ(ru("ОКНО"), "ОК-НО");
}

TEST(HyphenateWord, ABlankExceptionNeverMatches) {
    Dictionaries ru(Language::Russian, {"а1м"}, "\r\n   \r\nма-ма");
    EXPECT_EQ(ru("--"), "--");
    EXPECT_EQ(ru("(!)"), "(!)");
    EXPECT_EQ(ru("мама"), "ма-ма");
}

TEST(HyphenateWord, AnExceptionThatIsNotTheWordsLettersIsPassedOver) {
    // Hand-edited sources: a record that would add, drop or change a character never applies.
    Dictionaries ru(Language::Russian, {"о1к"}, "ма=ма\r\nма-ма\r\nок-но!\r\nсло-н");
    EXPECT_EQ(ru("Мама"), "Ма-ма");
    EXPECT_EQ(ru("окно"), "о-кно");
    EXPECT_EQ(ru("слон"), "сло-н");
}

TEST(HyphenateWord, EnglishCliticsAndJoinRules) {
    Dictionaries en(Language::English, {"e1r", "s1p", "a1b", "e1a", "a1j", "1she"});
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"we're", "we're"},                     // hyphenated as "we" (too short to divide) plus 're
        {"SHE'S", "SHE'S"},                     // the clitic keeps its case as written
        {"she'Re", "she'Re"}, {"IT'S", "IT'S"}, // it's links only two letters
        {"spring", "spring"},                   // s-pring joins at the start
        {"about", "a-bout"},                    // a vowel may stand alone at the start
        {"idea", "ide-a"},                      // and at the end after a vowel or consonant
        {"raj", "raj"},                         // a lone consonant at the end is joined
        {"o'dell", "o'dell"}, // letters after an inner apostrophe are never dropped
        {"don't", "don't"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(en(c.in), c.out) << c.in;
}

TEST(JoinRules, RemoveBreaksThatLeaveOneLetterAlone) {
    struct Case {
        const char* in;
        Language language;
        const char* afterFinal;
        const char* afterInitial;
    } cases[] = {
        {"мо-я", Language::Russian, "мо-я", "мо-я"},
        {"ко-т", Language::Russian, "кот", "ко-т"},
        {"в-ход", Language::Russian, "в-ход", "вход"},
        {"о-кно", Language::Russian, "о-кно", "о-кно"},
        {"паль-я", Language::Russian, "паль-я", "паль-я"},
        {"ma-j", Language::English, "maj", "ma-j"},
        {"ide-a", Language::English, "ide-a", "ide-a"},
        {"s-pring", Language::English, "s-pring", "spring"},
        {"a-bout", Language::Latin, "a-bout", "a-bout"},
        {"t-i", Language::Latin, "t-i", "ti"},
        {"-a", Language::English, "-a", "-a"},
        {"a--b", Language::English, "a--b", "a--b"},
        {"ab", Language::English, "ab", "ab"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U(JoinFinalLetter(W(c.in), c.language)), c.afterFinal) << c.in;
        EXPECT_EQ(U(JoinInitialLetter(W(c.in), c.language)), c.afterInitial) << c.in;
    }
}

TEST(JoinRules, WesternLanguagesJoinEveryPartWithoutAVowel) {
    struct Case {
        const char* in;
        Language language;
        const char* joined;
    } cases[] = {
        {"un-d", Language::German, "und"},
        {"s-pleen", Language::German, "spleen"},
        {"a-h-jo-se", Language::Spanish, "ah-jo-se"}, // inside the word too
        {"s-t-ra-s-se", Language::German, "stras-se"},
        {"b-c-d", Language::Italian, "bcd"},
        {"a-mo-re", Language::Italian, "a-mo-re"}, // a lone vowel is a syllable
        {"ca-sa", Language::French, "ca-sa"},
        {"ma-j", Language::English, "maj"}, // the others keep their lone-letter rules
        // English also joins a part without a vowel, to the part after it
        {"lu-b-in", Language::English, "lu-bin"},
        {"no-bl-est", Language::American, "no-blest"},
        {"a-s-t-ring", Language::English, "a-string"},
        {"mon-t-h", Language::English, "month"}, // the last part to the one before
        {"b-c-d", Language::English, "bcd"},
        {"pri-z-ri", Language::Latin, "pri-z-ri"}, // the others do not
        // and Russian, in its own letters
        {"при-з-ри", Language::Russian, "при-зри"},
        {"го-то-вь-ся", Language::Russian, "го-товь-ся"}, // ь, ъ end the part before
        {"со-во-куп-ль-шы-я", Language::Russian, "со-во-купль-шы-я"},
        {"объ-я-тья", Language::Russian, "объ-я-тья"},
        {"ль-ви-ный", Language::Russian, "льви-ный"}, // a first part has none before it
        {"об-ле-кл-ся", Language::Russian, "об-ле-клся"},
        {"Мин-з-драв", Language::Russian, "Мин-здрав"},
        {"пла-тье", Language::Russian, "пла-тье"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(U(Join(W(c.in), c.language)), c.joined) << c.in;
}

TEST(HyphenateWord, NoLimitOnTheNumberOfMatches) {
    std::vector<std::string> many;
    for (const char* p : {"a1b", "b1a", "a2b", "b2a", "a3b", "b3a", ".a", "a.", "ab1a", "ba1b"})
        many.emplace_back(p);
    Dictionaries la(Language::Latin, many);                // lone-letter joins only
    std::string word = "abababababababababababababababab"; // 32 letters, far more than 32 matches
    std::string out = la(word);
    EXPECT_EQ(out, "a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-a-b-ab");
    EXPECT_GT(la.log(word).size(), 32u + 3u) << "every match is logged";
}

TEST(HyphenateWord, WordsThatAreNotWordsNeverCrash) {
    Dictionaries ru(Language::Russian, {"а1м", "1б2л"});
    std::string bytes;
    for (int c = 0; c < 0x20; ++c)
        bytes += static_cast<char>(c);
    for (int c = 0x80; c < 0xC0; ++c)
        bytes += static_cast<char>(c);
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
        std::string word = W("ма") + bytes.substr(i, 8) + W("ма");
        EXPECT_EQ(HyphenateWord(word, WordContext::From(ru.state()), nullptr), word);
    }
    EXPECT_EQ(HyphenateWord("", WordContext::From(ru.state()), nullptr), "");
    std::string longest(32, W("а")[0]);
    EXPECT_NO_THROW(HyphenateWord(longest, WordContext::From(ru.state()), nullptr));
}

TEST(HyphenateWord, AnUnreadableExceptionsFileFailsTheLookup) {
    Dictionaries ru(Language::Russian, {"а1м"});
    std::filesystem::remove(ru.folder() / "RHYPHEN.XCD");
    EXPECT_THROW(ru.state().loadExceptions(), IoError);
    try {
        ru("мама");
        FAIL() << "the lookup should fail";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 2);
    }
}

} // namespace
} // namespace cantiva::engine
