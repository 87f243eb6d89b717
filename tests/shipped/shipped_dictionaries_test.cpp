#include "dictionaries/dictionary_state.h"
#include "dictionaries/language.h"
#include "engine/hyphenate_word.h"
#include "engine/hyphenation_run.h"
#include "support/cp1251.h"
#include "text/cp1251.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace cantiva {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using test_support::U;
using test_support::W;

const char* const kReadyFolder = CANTIVA_READY_DICTIONARIES;

class ShippedDictionaries : public ::testing::TestWithParam<Language> {};

// Start-up finds every compiled file of the four languages in the ready folder.
TEST(ShippedStartup, AllCompiledFilesArePresent) {
    DictionaryState state(kReadyFolder);
    EXPECT_NO_THROW(state.openAtStartup());
    EXPECT_EQ(state.currentLanguage(), Language::Russian);
}

// Every letter of the language has its section, in index order, the closing entry ends the
// list, and every pattern is filed under the letter its key starts with (a misfiled pattern is
// never found by the search).
TEST_P(ShippedDictionaries, IndexIsCompleteAndPatternsAreFiledUnderTheirLetter) {
    const Language language = GetParam();
    const auto& info = dictionaries::LanguageInfoOf(language);
    DictionaryState state(kReadyFolder);
    state.openLanguage(language);

    const auto& records = state.patterns();
    ASSERT_FALSE(records.empty());
    const auto& index = state.letterIndex(language);
    const int letters = info.letterCount;
    EXPECT_EQ(index[0].letter, '.');
    EXPECT_EQ(index[0].first, 0);
    for (int m = 1; m <= letters; ++m) {
        EXPECT_EQ(index[m].letter, static_cast<unsigned char>(info.indexAlphabet[m - 1])) << m;
        EXPECT_LT(index[m - 1].first, index[m].first)
            << "sections out of index order at letter " << m;
    }
    EXPECT_EQ(index[letters + 1].letter, static_cast<unsigned char>(info.indexAlphabet.back()));
    EXPECT_EQ(index[letters + 1].first, static_cast<int>(records.size()) - 1);

    int separators = 0;
    char section = '.';
    for (const auto& record : records) {
        std::string text = text::Trim(record.text);
        std::string key = text::Trim(record.key);
        if (text == "%") {
            section = info.indexAlphabet[static_cast<std::size_t>(separators++)];
            continue;
        }
        ASSERT_FALSE(key.empty());
        ASSERT_LE(text.size(), 32u);
        EXPECT_EQ(key[0], section) << U(text);
        EXPECT_GE(key.size(), 2u) << "one-letter key never matches: " << U(text);
    }
    EXPECT_EQ(separators, letters);
    EXPECT_LE(state.longestPattern(), 32);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, ShippedDictionaries,
                         ::testing::ValuesIn(dictionaries::kAllLanguages), [](const auto& info) {
                             return std::string(dictionaries::LanguageInfoOf(info.param).baseName);
                         });

struct RealWord {
    Language language;
    const char* word;
    const char* expected;
};

// Words a singer meets, divided as engraved scores divide them, a few of each convention
// the dictionaries follow; the first ones also show the conversion at work (ё matched as е,
// the join rules, punctuation kept).
const RealWord kRealWords[] = {
    {Language::Russian, "Мама", "Ма-ма"},
    {Language::Russian, "Россия", "Рос-си-я"},
    {Language::Russian, "Ёлочка", "Ё-лоч-ка"},
    {Language::Russian, "(небо)", "(не-бо)"},
    // Every syllable marked, one-letter ones too.
    {Language::Russian, "Это", "Э-то"},
    {Language::Russian, "поэт", "по-эт"},
    {Language::Russian, "моя", "мо-я"},
    // A single consonant goes right.
    {Language::Russian, "молоко", "мо-ло-ко"},
    {Language::Russian, "дорога", "до-ро-га"},
    // Clusters are split, but с with a stop goes right as choirs sing it.
    {Language::Russian, "окно", "ок-но"},
    {Language::Russian, "христе", "хри-сте"},
    {Language::Russian, "уста", "у-ста"},
    {Language::Russian, "ветка", "вет-ка"},
    {Language::Russian, "сегодня", "се-год-ня"},
    {Language::Russian, "истина", "ис-ти-на"},
    {Language::Russian, "честный", "чест-ный"},
    {Language::Russian, "кукла", "ку-кла"},
    // Prefixes stay whole.
    {Language::Russian, "разбить", "раз-бить"},
    {Language::Russian, "подписать", "под-пи-сать"},
    {Language::Russian, "рассказ", "рас-сказ"},
    {Language::Russian, "воспеть", "вос-петь"},
    {Language::Russian, "доступный", "до-ступ-ный"},
    {Language::Russian, "прекрасный", "пре-крас-ный"},
    // й, ъ stay on the left; ь before a vowel goes right with its consonant.
    {Language::Russian, "семья", "се-мья"},
    {Language::Russian, "платье", "пла-тье"},
    {Language::Russian, "подъезд", "подъ-езд"},
    {Language::Russian, "здравствуйте", "здрав-ствуй-те"},
    // Church Slavonic forms.
    {Language::Russian, "яко", "я-ко"},
    {Language::Russian, "еси", "е-си"},

    {Language::English, "Christmas", "Christ-mas"},
    {Language::English, "You", "You"},
    {Language::English, "stretch", "stretch"},
    {Language::American, "thought", "thought"},
    // Every syllable marked.
    {Language::American, "about", "a-bout"},
    {Language::American, "over", "o-ver"},
    {Language::English, "arise", "a-rise"},
    {Language::English, "beyond", "be-yond"},
    // After a short stressed vowel the consonant goes left, after a long one right.
    {Language::English, "planet", "plan-et"},
    {Language::American, "relish", "rel-ish"},
    {Language::English, "music", "mu-sic"},
    {Language::American, "tulip", "tu-lip"},
    {Language::English, "vapor", "va-por"},
    // Except before a final y.
    {Language::English, "many", "ma-ny"},
    // Endings stay whole, the archaic ones too.
    {Language::English, "walking", "walk-ing"},
    {Language::American, "hopping", "hop-ping"},
    {Language::English, "wooden", "wood-en"},
    {Language::English, "cometh", "com-eth"},
    {Language::American, "giving", "giv-ing"},
    // A sung -ed is a syllable of its own.
    {Language::English, "wicked", "wick-ed"},
    // Where the scores agree against that, they win (co-ver, nak-ed in two Lieder each).
    {Language::English, "cover", "co-ver"},
    {Language::American, "naked", "nak-ed"},
    // Vowel pairs are not cut.
    {Language::English, "beautiful", "beau-ti-ful"},
    {Language::English, "previous", "pre-vious"},
    {Language::American, "dubious", "du-bious"},
    // ng is not one consonant; a stop with l goes right.
    {Language::English, "anger", "an-ger"},
    {Language::American, "ginger", "gin-ger"},
    {Language::American, "table", "ta-ble"},
    {Language::English, "jungle", "jun-gle"},
    {Language::English, "wonderful", "won-der-ful"},
    {Language::American, "yesterday", "yes-ter-day"},

    {Language::Latin, "rosa", "ro-sa"},
    {Language::Latin, "Dominus", "Do-mi-nus"},
    {Language::Latin, "Kyrie", "Ky-ri-e"},
    {Language::Latin, "gloria", "glo-ri-a"},
    {Language::Latin, "praeclara", "prae-cla-ra"},
    {Language::Latin, "coelestis", "coe-les-tis"},
    // ae, oe, au are one nucleus; every other vowel stands alone.
    {Language::Latin, "caelum", "cae-lum"},
    {Language::Latin, "aeternus", "ae-ter-nus"},
    {Language::Latin, "poena", "poe-na"},
    {Language::Latin, "eleison", "e-le-i-son"},
    {Language::Latin, "meus", "me-us"},
    {Language::Latin, "puer", "pu-er"},
    // j and a consonantal i are consonants.
    {Language::Latin, "ejus", "e-jus"},
    {Language::Latin, "eius", "e-ius"},
    {Language::Latin, "jejunium", "je-ju-ni-um"},
    {Language::Latin, "trajicere", "tra-ji-ce-re"},
    // A single consonant and x go right, gn, sc and a stop with r too.
    {Language::Latin, "maxime", "ma-xi-me"},
    {Language::Latin, "dixit", "di-xit"},
    {Language::Latin, "agnus", "a-gnus"},
    {Language::Latin, "pugnare", "pu-gna-re"},
    {Language::Latin, "crescere", "cre-sce-re"},
    {Language::Latin, "cognoscere", "co-gno-sce-re"},
    {Language::Latin, "scribere", "scri-be-re"},
    // st is split.
    {Language::Latin, "fenestra", "fe-nes-tra"},
    {Language::Latin, "vestis", "ves-tis"},
    {Language::Latin, "justus", "jus-tus"},
    // ... except where the book prints i for j.
    {Language::Latin, "iustus", "iu-stus"},
    // Compounds are cut by their parts.
    {Language::Latin, "quoniam", "quon-i-am"},
    {Language::Latin, "adoramus", "ad-o-ra-mus"},
    {Language::Latin, "abire", "ab-i-re"},
    {Language::Latin, "archangelorum", "arch-an-ge-lo-rum"},
    // ... but not the inflected potens.
    {Language::Latin, "potentibus", "po-ten-ti-bus"},
    {Language::Latin, "sanguis", "san-guis"},
    // potes is a compound only as the verb.
    {Language::Latin, "potest", "pot-est"},
    {Language::Latin, "impotes", "im-po-tes"},
    // Names of other languages: y between vowels and sh are consonants.
    {Language::Latin, "Goya", "Go-ya"},
    {Language::Latin, "Moshe", "Mo-she"},
};

// The automaton that finds a word's weights agrees with the trie walk the log uses, on random
// dotted words of the language's letters (dots inside included).
TEST_P(ShippedDictionaries, AutomatonGivesTheWeightsOfTheWalk) {
    DictionaryState state(kReadyFolder);
    state.openLanguage(GetParam());
    const auto context = engine::WordContext::From(state);
    const std::string letters =
        "." + std::string(dictionaries::LanguageInfoOf(GetParam()).indexAlphabet);
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1), length(1, 32);
    for (int i = 0; i < 3000; ++i) {
        std::string dotted = ".";
        for (std::size_t n = length(rng); n > 0; --n)
            dotted += letters[letter(rng)];
        dotted += '.';
        engine::LogLines log;
        ASSERT_EQ(engine::ComputeWeights(dotted, context, nullptr),
                  engine::ComputeWeights(dotted, context, &log))
            << U(dotted);
    }
}

TEST(ShippedWords, RealWordsDivideAsSung) {
    for (Language language : dictionaries::kAllLanguages) {
        DictionaryState state(kReadyFolder);
        state.openLanguage(language);
        const auto context = engine::WordContext::From(state);
        for (const RealWord& w : kRealWords) {
            if (w.language == language) {
                EXPECT_EQ(U(engine::HyphenateWord(W(w.word), context, nullptr)), w.expected)
                    << dictionaries::LanguageInfoOf(language).baseName;
            }
        }
    }
}

} // namespace
} // namespace cantiva

namespace cantiva {
namespace {

// Printed chant texts: accents and ligatures are read as their plain letters, and kept.
TEST(ShippedLatin, DividesAccentedChantText) {
    dictionaries::DictionaryState state(kReadyFolder);
    state.openLanguage(dictionaries::Language::Latin);
    const text::CodePageText input = text::Utf8ToCp1251(
        "Kýrie eléison. Glória in excélsis Deo. Ave María, grátia plena, Dóminus tecum. Pleni "
        "sunt cæli et terra.");
    const engine::RunResult run = engine::RunHyphenation(input, state, false);
    EXPECT_EQ(text::Cp1251ToUtf8(run.resultText, input.foreign),
              "Ký-ri-e e-lé-i-son. Gló-ri-a in ex-cél-sis De-o. A-ve Ma-rí-a, grá-ti-a ple-na, "
              "Dó-mi-nus te-cum. Ple-ni sunt cæ-li et ter-ra.\r\n");
}

} // namespace
} // namespace cantiva
