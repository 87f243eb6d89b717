// The divided run over the shipped dictionaries: joins between words, words with apostrophes,
// and the syllables the lay-on and the notation exports take from the model.
#include "dictionaries/dictionary_state.h"
#include "engine/hyphenation_run.h"
#include "notation/divided_run_lines.h"
#include "notation/lilypond_lyrics.h"
#include "text/utf8_codec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva {
namespace {

using dictionaries::Language;
using notation::NextJoin;

struct Divided {
    std::string pane; // UTF-8, without the final CR LF
    std::vector<notation::DividedLine> lines;
    text::DividedRun run;
};

Divided Divide(Language language, std::string_view utf8,
               engine::RunModel model = engine::RunModel::Kept) {
    dictionaries::DictionaryState state(CANTIVA_READY_DICTIONARIES);
    state.openLanguage(language);
    const text::CodePage& codePage = *dictionaries::LanguageInfoOf(language).codePage;
    const text::CodePageText input = text::Utf8ToCodePage(utf8, codePage);
    engine::RunResult run = engine::RunHyphenation(input, state, false, nullptr, model);
    EXPECT_EQ(run.status, engine::RunStatus::Done) << utf8;
    Divided out;
    out.pane = text::CodePageToUtf8(run.resultText, input.foreign, codePage);
    out.pane.resize(out.pane.size() - 2);
    out.lines = notation::DividedLinesOf(run.divided, codePage);
    out.run = std::move(run.divided);
    return out;
}

// The LilyPond lines between "\lyricmode {" and "}", without their indent.
std::string LilyPondBody(const std::vector<notation::DividedLine>& lines) {
    std::string out;
    const std::string lyrics = notation::LilyPondLyrics(lines);
    for (std::size_t at = lyrics.find('\n') + 1; at < lyrics.size();) {
        const std::size_t end = lyrics.find('\n', at);
        std::string line = lyrics.substr(at, end - at);
        if (line != "}")
            out += (out.empty() ? "" : "|") + (line.starts_with("  ") ? line.substr(2) : line);
        at = end + 1;
    }
    return out;
}

TEST(WordJoins, FrenchMuteEIsSungWithTheNextVowelOnOneNote) {
    struct Case {
        const char* text;
        const char* lilypond; // lines joined by "|"
    } cases[] = {
        {"belle âme, belle rose", "bel -- le~â -- me, bel -- le ro -- se"}, // vowel, consonant
        {"belle âme, belle dame", "bel -- le~â -- me, bel -- le da -- me"},
        {"une heure", "u -- ne~heu -- re"},                         // mute h
        {"une haine, le héros", "u -- ne hai -- ne, le hé -- ros"}, // aspirated h
        {"Une Haine", "U -- ne Hai -- ne"},                         // in any case
        {"belle,\nâme", "bel -- le,|â -- me"},                      // a line end
        {"belle, âme", "bel -- le, â -- me"},                       // and a comma
        {"belle! Âme", "bel -- le! Â -- me"},
        {"belle « âme »", "bel -- le \"« â\" -- \"me »\""}, // a word of punctuation does
        {"belles âmes", "bel -- les â -- mes"},             // -es is sung: the s is heard
        {"vie entière", "vi -- e en -- tiè -- re"},         // a vowel before the e: no join
        {"porte-avions", "por -- te -- a -- vions"},        // the word's own hyphen
    };
    for (const Case& c : cases)
        EXPECT_EQ(LilyPondBody(Divide(Language::French, c.text).lines), c.lilypond) << c.text;
}

// The pane cannot show the join: the elided syllable stays with its word there, whether or not
// the run keeps its model.
TEST(WordJoins, ElidedSyllableStaysWithItsWordInThePane) {
    struct Case {
        const char* text;
        const char* pane;
    } cases[] = {
        {"belle âme, belle rose", "belle â-me, bel-le ro-se"},
        {"dire, reste", "di-re, res-te"}, // sung as art songs sing them
        {"une heure", "une heu-re"},
        {"une haine", "u-ne hai-ne"},
        {"belle,\nâme", "bel-le,\r\nâ-me"},
        {"belles âmes", "bel-les â-mes"},
        {"porte-avions porte ouverte", "por-te-a-vions porte ou-ver-te"},
        {"belle   âme", "belle   â-me"}, // blanks between the words
        {"belle   (âme)", "belle   (â-me)"},
        {"belle,   âme", "bel-le,   â-me"}, // the text pauses: the e is sung
    };
    const text::CodePage& codePage = *dictionaries::LanguageInfoOf(Language::French).codePage;
    for (const Case& c : cases) {
        for (auto model : {engine::RunModel::Kept, engine::RunModel::Dropped})
            EXPECT_EQ(Divide(Language::French, c.text, model).pane, c.pane) << c.text;
        // The pane written again from the model, as the exports write it.
        const std::string rendered = text::CodePageToUtf8(
            text::PaneTextOf(Divide(Language::French, c.text).run), {}, codePage);
        EXPECT_EQ(rendered, std::string(c.pane) + "\r\n") << c.text;
    }
}

// A vowel meeting a vowel across words in Italian and Spanish is marked in the model only.
TEST(WordJoins, SynalephaIsMarkedAndThePaneUnchanged) {
    struct Case {
        Language language;
        const char* text;
        const char* pane;
        std::vector<NextJoin> joins; // per word
    } cases[] = {
        {Language::Italian, "che io", "che io", {NextJoin::SameNoteIfShort, NextJoin::Apart}},
        {Language::Italian,
         "qual piuma al vento",
         "qual piu-ma al ven-to",
         {NextJoin::Apart, NextJoin::SameNoteIfShort, NextJoin::Apart, NextJoin::Apart}},
        {Language::Spanish, "la obra", "la o-bra", {NextJoin::SameNoteIfShort, NextJoin::Apart}},
        {Language::Spanish, "la hora", "la ho-ra", {NextJoin::SameNoteIfShort, NextJoin::Apart}},
        {Language::Spanish, "la casa", "la ca-sa", {NextJoin::Apart, NextJoin::Apart}},
        {Language::German, "die Ehe", "die E-he", {NextJoin::Apart, NextJoin::Apart}},
    };
    for (const Case& c : cases) {
        const Divided divided = Divide(c.language, c.text);
        EXPECT_EQ(divided.pane, c.pane) << c.text;
        ASSERT_EQ(divided.lines.size(), 1u) << c.text;
        std::vector<NextJoin> joins;
        for (const notation::DividedWord& word : divided.lines[0])
            joins.push_back(word.next);
        EXPECT_EQ(joins, c.joins) << c.text;
    }
}

TEST(Apostrophes, WordsAreDividedAsSungWithEitherApostrophe) {
    struct Case {
        Language language;
        const char* word; // written with ’; the same with ' is checked too
        const char* divided;
    } cases[] = {
        {Language::French, "l’amour", "l’a-mour"},
        {Language::French, "jusqu’à", "jus-qu’à"},
        // An elided word divides as it does with its e, its last consonants lean on the next
        // word, and that word divides as it does alone.
        {Language::French, "m’avez", "m’a-vez"},
        {Language::French, "L’heure", "L’heu-re"},
        {Language::French, "qu’avance", "qu’a-van-ce"},
        {Language::French, "jusqu’au", "jus-qu’au"},
        {Language::Italian, "dell’anima", "del-l’a-ni-ma"},
        {Language::Italian, "un’altra", "u-n’al-tra"},
        {Language::English, "th’eternal", "th’e-ter-nal"},
        {Language::Italian, "sull’ali", "sul-l’a-li"},
        {Language::Italian, "d’accento", "d’ac-cen-to"},
        {Language::English, "ev’ry", "ev’-ry"},
        {Language::English, "wand’ring", "wand’-ring"},
        {Language::American, "hallow’d", "hal-low’d"},
        {Language::German, "Heil’gen", "Heil’-gen"},
        {Language::English, "heav’n", "heav’n"},
        {Language::English, "o’er", "o’er"},
        {Language::American, "pow’r", "pow’r"},
        // An apostrophe for the e of -ed, -en, -er, -est: divided as the word with its e.
        {Language::English, "wander’d", "wan-der’d"}, // the exception of wander holds
        {Language::English, "brighten’d", "bright-en’d"},
        {Language::English, "pow’rs", "pow’rs"},
        {Language::English, "Wander’s", "Wan-der’s"}, // a possessive, no e left out
        {Language::English, "poet’s", "po-et’s"},     // divided as the word without it
        {Language::American, "Saviour’s", "Sa-viour’s"},
        // Between two vowels it stands for a v: the vowels are one syllable, as in o’er.
        {Language::English, "whatsoe’er", "what-so-e’er"},
        {Language::American, "o’ercome", "o’er-come"},
        {Language::English, "o’erpower’d", "o’er-pow-er’d"},
        {Language::Spanish, "l’amour", "l’a-mour"},
        {Language::Latin, "ev’ry", "ev’-ry"},
        {Language::Russian, "л’амур", "л’а-мур"},
        {Language::English, "’tis", "’tis"},
        {Language::English, "don’t", "don’t"},
        // n't and 'll after a consonant are sung as a syllable: a syllabic n, a syllabic l.
        {Language::English, "mustn’t", "must-n’t"},
        {Language::American, "Couldn’t,", "Could-n’t,"},
        {Language::English, "it’ll", "it-’ll"},
        {Language::English, "I’ll", "I’ll"},
        {Language::German, "couldn’t", "couldn’t"},
    };
    const auto plain = [](std::string s) {
        for (std::size_t at; (at = s.find("’")) != std::string::npos;)
            s.replace(at, std::string_view("’").size(), "'");
        return s;
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Divide(c.language, c.word).pane, c.divided) << c.word;
        EXPECT_EQ(Divide(c.language, plain(c.word)).pane, plain(c.divided)) << c.word;
    }
}

// What the lay-on takes: the syllables in order, the elided one on the next word's note.
TEST(LaySyllables, AnElisionPutsTwoSyllablesOnOneNote) {
    const std::vector<notation::PlacedSyllable> syllables =
        notation::SyllablesInOrder(Divide(Language::French, "belle âme, belle rose").lines);
    std::vector<std::string> texts;
    std::vector<NextJoin> joins;
    for (const notation::PlacedSyllable& s : syllables) {
        texts.push_back(s.text);
        joins.push_back(s.next);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"bel", "le", "â", "me,", "bel", "le", "ro", "se"}));
    EXPECT_EQ(joins, (std::vector<NextJoin>{NextJoin::Apart, NextJoin::SameNote, NextJoin::Apart,
                                            NextJoin::Apart, NextJoin::Apart, NextJoin::Apart,
                                            NextJoin::Apart, NextJoin::Apart}));
    EXPECT_EQ(syllables[1].syllabic, notation::Syllabic::End);
    EXPECT_EQ(syllables[2].syllabic, notation::Syllabic::Begin);
    EXPECT_TRUE(syllables.back().endsLine);
}

// The model read back as divided text gives the pane's syllables for any text: the lines of the
// model and of the pane agree word for word.
TEST(DividedRunLines, AgreeWithThePaneReadBack) {
    const char* texts[] = {"Ма-ма мыла раму, мо-ло-ко!\r\n\r\n  rock-n-roll  — a -b c- --d",
                           "a\xC2\xA0"
                           "b\nc\r\nd-"};
    for (const char* t : texts) {
        const Divided divided = Divide(Language::Russian, t);
        EXPECT_EQ(notation::LilyPondLyrics(divided.lines), notation::LilyPondLyrics(divided.pane))
            << t;
    }
}

} // namespace
} // namespace cantiva
