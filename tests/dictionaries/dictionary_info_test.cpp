#include "dictionaries/dictionary_info.h"
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva::dictionaries {
namespace {

using test_support::MainSource;
using test_support::TempFolder;
using test_support::U;
using test_support::W;

std::vector<std::string> Utf8(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines)
        out.push_back(U(line));
    return out;
}

TEST(DictionaryInfo, EmptyRussianMainDictionaryListsTheWholeTableWithNegativeClosingFirst) {
    TempFolder folder;
    folder.writeDictionaries();
    DictionaryState state(folder.path());
    state.openAtStartup();

    DictionaryInfo info = GetDictionaryInfo(state, DictionaryKind::Main);

    EXPECT_EQ(info.caption, "Info for [RHYPHEN.PT]");
    ASSERT_EQ(info.lines.size(), 34u + 2u);
    EXPECT_EQ(info.lines[0], "ABCrus [1]= 46, 0");
    EXPECT_EQ(info.lines[1], "ABCrus [2]= 0, 0"); // never filled: an empty file has no separators
    EXPECT_EQ(info.lines[33], "ABCrus [34]= 255, -1");
    EXPECT_EQ(info.lines[34], "Pattern maxLen: 0 symbols");
    EXPECT_EQ(info.lines[35], "Total records: 0");
}

TEST(DictionaryInfo, RussianMainDictionaryCountsSeparatorsAndMeasuresTrimmedPatterns) {
    TempFolder folder;
    // '.' section, а: two patterns, б: none, then the remaining letters empty.
    folder.writeDictionaries(MainSource(Language::Russian, {W(".ав1то"), W("а1б\r\n1ааа2бв")}));
    DictionaryState state(folder.path());
    state.openAtStartup();

    DictionaryInfo info = GetDictionaryInfo(state, DictionaryKind::Main);

    ASSERT_EQ(info.lines.size(), 36u);
    EXPECT_EQ(info.lines[0], "ABCrus [1]= 46, 0");
    EXPECT_EQ(info.lines[1], "ABCrus [2]= 224, 2");    // а: after ".ав1то" and the first "%"
    EXPECT_EQ(info.lines[2], "ABCrus [3]= 225, 5");    // б: after а's two patterns and its "%"
    EXPECT_EQ(info.lines[32], "ABCrus [33]= 255, 35"); // я: no patterns, first = count
    EXPECT_EQ(info.lines[33], "ABCrus [34]= 255, 34");
    EXPECT_EQ(info.lines[34], "Pattern maxLen: 7 symbols"); // "1ааа2бв" without its padding
    EXPECT_EQ(info.lines[35], "Total records: 35");         // 3 patterns + 32 separators
}

TEST(DictionaryInfo, IndexListingLengthAndPrefixPerLanguage) {
    struct Case {
        Language language;
        const char* caption;
        std::size_t indexLines;
        const char* lastIndexLine; // Latin stops before its closing entry
    } cases[] = {
        {Language::Russian, "Info for [RHYPHEN.PT]", 34, "ABCrus [34]= 255, 7"},
        {Language::English, "Info for [EHYPHEN.PT]", 28, "ABCeng [28]= 122, 7"},
        {Language::Latin, "Info for [LHYPHEN.PT]", 26, "ABClat [26]= 122, 5"},
        {Language::American, "Info for [UHYPHEN.PT]", 28, "ABCusa [28]= 122, 7"},
    };
    for (const Case& c : cases) {
        LetterIndexTable table{};
        table[0] = {46, 0};
        table[25] = {122, 5};
        table[static_cast<std::size_t>(ClosingEntry(c.language))] = {
            static_cast<std::int32_t>(
                static_cast<unsigned char>(LanguageInfoOf(c.language).indexAlphabet.back())),
            7};
        DictionaryInfo info = MainDictionaryInfo(c.language, table, {});
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(info.caption, c.caption);
        ASSERT_EQ(info.lines.size(), c.indexLines + 2);
        EXPECT_EQ(info.lines[c.indexLines - 1], c.lastIndexLine);
    }
}

TEST(DictionaryInfo, LatinListingEndsAtEntry25WithoutTheClosingEntry) {
    TempFolder folder;
    folder.writeDictionaries("", "", "", MainSource(Language::Latin, {".a1b", "a1b"}));
    DictionaryState state(folder.path());
    state.openAtStartup();
    state.switchLanguage(Language::Latin);

    DictionaryInfo info = GetDictionaryInfo(state, DictionaryKind::Main);

    ASSERT_EQ(info.lines.size(), 28u);
    EXPECT_EQ(info.lines[0], "ABClat [1]= 46, 0");
    EXPECT_EQ(info.lines[1], "ABClat [2]= 97, 2");
    EXPECT_EQ(info.lines[25], "ABClat [26]= 122, 27"); // z: no patterns, first = count
    EXPECT_EQ(info.lines[26], "Pattern maxLen: 4 symbols");
    EXPECT_EQ(info.lines[27], "Total records: 27");
}

TEST(DictionaryInfo, ExceptionsAreListedTrimmedInFileOrderAndTheMaximumCountsHyphens) {
    TempFolder folder;
    folder.writeDictionaries("", W("  Ав-то-мат  \r\nex-cep-tion\r\n\r\nав-то"));
    DictionaryState state(folder.path());
    state.openAtStartup();

    DictionaryInfo info = GetDictionaryInfo(state, DictionaryKind::Exceptions);

    EXPECT_EQ(info.caption, "Info for [RHYPHEN.XCD]");
    EXPECT_EQ(Utf8(info.lines),
              (std::vector<std::string>{"ав-то-мат", "ex-cep-tion", "", "ав-то",
                                        "Pattern maxLen: 11 symbols", "Total records: 4"}));
}

TEST(DictionaryInfo, EmptyExceptionsShowOnlyTheSummary) {
    DictionaryInfo info = ExceptionsDictionaryInfo(Language::English, {});
    EXPECT_EQ(info.caption, "Info for [EHYPHEN.XCD]");
    EXPECT_EQ(info.lines,
              (std::vector<std::string>{"Pattern maxLen: 0 symbols", "Total records: 0"}));
}

} // namespace
} // namespace cantiva::dictionaries
