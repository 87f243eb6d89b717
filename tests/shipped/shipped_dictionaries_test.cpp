#include "dictionaries/dictionary_state.h"
#include "dictionaries/language.h"
#include "engine/hyphenate_word.h"
#include "engine/hyphenation_run.h"
#include "support/cp1251.h"
#include "text/cp1251.h"

#include <gtest/gtest.h>
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
                         ::testing::Values(Language::Russian, Language::English, Language::Latin,
                                           Language::American),
                         [](const auto& info) {
                             return std::string(dictionaries::LanguageInfoOf(info.param).baseName);
                         });

struct RealWord {
    Language language;
    const char* word;
    const char* expected;
};

// Words a singer meets, divided as sung; they show the conversion's steps at work: one-letter
// patterns expanded (Russian, Latin), ё matched as е, æ kept together (Latin), the join rules.
const RealWord kRealWords[] = {
    {Language::Russian, "Мама", "Ма-ма"},
    {Language::Russian, "молоко", "мо-ло-ко"},
    {Language::Russian, "сегодня", "се-го-дня"},
    {Language::Russian, "здравствуйте", "здра-вствуй-те"},
    {Language::Russian, "Россия", "Рос-си-я"},
    {Language::Russian, "подъезд", "подъ-езд"},
    {Language::Russian, "Ёлочка", "Ё-ло-чка"},
    {Language::Russian, "Это", "Э-то"},
    {Language::Russian, "истина", "и-сти-на"},
    {Language::Russian, "семья", "семь-я"},
    {Language::Russian, "(небо)", "(не-бо)"},
    {Language::English, "music", "mu-sic"},
    {Language::English, "beautiful", "beau-ti-ful"},
    {Language::English, "wonderful", "won-der-ful"},
    {Language::English, "Christmas", "Christ-mas"},
    {Language::American, "yesterday", "yes-ter-day"},
    {Language::American, "table", "ta-ble"},
    {Language::American, "about", "a-bout"},
    {Language::American, "over", "o-ver"},
    {Language::English, "You", "You"},
    {Language::English, "many", "ma-ny"},
    {Language::Latin, "rosa", "ro-sa"},
    {Language::Latin, "Dominus", "Do-mi-nus"},
    {Language::Latin, "gloria", "glo-ri-a"},
    {Language::Latin, "Kyrie", "Ky-ri-e"},
    {Language::Latin, "eleison", "e-le-i-son"},
    {Language::Latin, "caelum", "cae-lum"},
    {Language::Latin, "praeclara", "prae-cla-ra"},
    {Language::Latin, "coelestis", "coe-les-tis"},
    {Language::Latin, "eius", "e-ius"},
    {Language::Latin, "sanguis", "san-guis"},
};

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
