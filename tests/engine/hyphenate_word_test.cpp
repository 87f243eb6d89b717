#include "dictionaries/dictionary_state.h"
#include "engine/hyphenate_word.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace cantiva::engine {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using testing::MainSource;
using testing::TempFolder;
using testing::U;
using testing::W;

// A loaded state over tiny dictionaries in a temporary folder.
struct Loaded {
    TempFolder folder;
    DictionaryState state{folder.path()};
    Loaded(const std::string& russian, const std::string& exceptions = "",
           const std::string& english = "") {
        folder.writeDictionaries(russian, exceptions, english, "", english);
        state.open();
    }
    std::string hyphenate(std::string_view utf8Word, LogLines* log = nullptr) const {
        return U(HyphenateWord(W(utf8Word), WordContext::From(state), log));
    }
};

// Section m of the Russian source for letter а..я.
std::vector<std::string>
RussianSections(std::initializer_list<std::pair<std::string, std::string>> byLetter) {
    std::vector<std::string> sections(33);
    const std::string alphabet = W("абвгдежзийклмнопрстуфхцчшщъыьэюя");
    for (auto& [letter, lines] : byLetter) {
        std::string l = W(letter);
        if (l == ".") {
            sections[0] = W(lines);
            continue;
        }
        sections[alphabet.find(l[0]) + 1] = W(lines);
    }
    return sections;
}

TEST(HyphenateWord, MamaWithOnePatternLogsMatchDottedWordAndWeights) {
    Loaded d(MainSource(Language::Russian, RussianSections({{"а", "а1м"}})));
    LogLines log;
    EXPECT_EQ(d.hyphenate("Мама", &log), "Ма-ма");
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(U(log[0]), "а1м");
    EXPECT_EQ(U(log[1]), ".мама.");
    EXPECT_EQ(log[2], "0 0 0 1 0 0 ");
    EXPECT_EQ(log[3], "-------------------");
}

} // namespace
} // namespace cantiva::engine
