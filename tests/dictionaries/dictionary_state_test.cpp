#include "dictionaries/compilers.h"
#include "dictionaries/dictionary_state.h"
#include "dictionaries/missing_dictionary_error.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace cantiva::dictionaries {
namespace {

using test_support::MainSource;
using test_support::TempFolder;
using test_support::W;

TEST(StartupCheck, ReportsTheFirstMissingFileInOrder) {
    struct Case {
        std::vector<std::string> missing;
        std::string reported;
    } cases[] = {
        {{"UHYPHEN.XCD"}, "Cannot find UHYPHEN.XCD. Closing"},
        {{"EHYPHEN.PT", "LHYPHEN.XCD"}, "Cannot find EHYPHEN.PT. Closing"},
        {{"RHYPHEN.XCD", "UHYPHEN.PT"}, "Cannot find UHYPHEN.PT. Closing"},
        {{"RHYPHEN.PT"}, "Cannot find RHYPHEN.PT. Closing"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.writeDictionaries();
        for (const std::string& name : c.missing)
            std::filesystem::remove(folder / name);
        DictionaryState state(folder.path());
        try {
            state.openAtStartup();
            ADD_FAILURE() << "start-up should fail";
        } catch (const MissingDictionaryError& e) {
            EXPECT_EQ(std::string(e.what()), c.reported);
        }
        EXPECT_TRUE(state.startupFailed());
    }
}

// "Cannot find" is for a missing file only; one that is there but cannot be read says so.
TEST(StartupCheck, AnUnreadableMainDictionaryIsNotCalledMissing) {
    TempFolder folder;
    folder.writeDictionaries();
    std::filesystem::remove(folder / "RHYPHEN.PT");
    std::filesystem::create_directory(folder / "RHYPHEN.PT");
    DictionaryState state(folder.path());
    try {
        state.openAtStartup();
        ADD_FAILURE() << "start-up should fail";
    } catch (const MissingDictionaryError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot read RHYPHEN.PT (File access denied). Closing");
    }
    EXPECT_TRUE(state.startupFailed());
}

TEST(DictionaryState, LoadsRussianWithItsIndexAndWidth) {
    TempFolder folder;
    std::vector<std::string> sections(33);
    sections[0] = W(".ав1то");
    sections[1] = W("а1м\r\n  а2б  ");
    folder.writeDictionaries(MainSource(Language::Russian, sections), W(" Ав-то-мат \r\nпри-мер"));
    DictionaryState state(folder.path());
    state.openAtStartup();
    EXPECT_EQ(state.currentLanguage(), Language::Russian);
    EXPECT_EQ(state.patterns().size(), 1u + 32 + 2);
    EXPECT_EQ(state.longestPattern(), 6); // the longest trimmed pattern
    const LetterIndexTable& t = state.letterIndex(Language::Russian);
    EXPECT_EQ(t[0], (LetterIndexEntry{'.', 0}));
    EXPECT_EQ(t[1], (LetterIndexEntry{0xE0, 2}));
    EXPECT_EQ(t[2], (LetterIndexEntry{0xE1, 5}));
    EXPECT_EQ(t[33], (LetterIndexEntry{255, 34}));
    ASSERT_EQ(state.exceptionTexts().size(), 2u);
    EXPECT_EQ(state.exceptionTexts()[0], W("ав-то-мат"));
    EXPECT_EQ(state.exceptionTexts()[1], W("при-мер  ")); // as stored, with its padding
    EXPECT_EQ(state.exceptions().lookup(W("автомат")).value(), W("ав-то-мат"));
}

TEST(DictionaryState, SwitchReloadsBothFilesAndKeepsOtherTables) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {}), "",
                             MainSource(Language::English, {"", "a1b"}));
    DictionaryState state(folder.path());
    state.openAtStartup();
    LetterIndexTable russian = state.letterIndex(Language::Russian);
    EXPECT_FALSE(state.switchLanguage(Language::Russian));
    folder.write("EHYPHEN.XCD", EncodeRecords(CompileExceptionSource("ab-ba", 5)));
    EXPECT_TRUE(state.switchLanguage(Language::English));
    EXPECT_EQ(state.currentLanguage(), Language::English);
    EXPECT_EQ(state.letterIndex(Language::English)[1], (LetterIndexEntry{'a', 1}));
    EXPECT_EQ(state.letterIndex(Language::Russian), russian);
    EXPECT_EQ(state.exceptionTexts().size(), 1u);
    EXPECT_EQ(WindowCaption(Language::Latin), "Cantiva [Latin syllabification]");

    std::filesystem::remove(folder / "LHYPHEN.PT");
    EXPECT_THROW(state.switchLanguage(Language::Latin), MissingDictionaryError);
    EXPECT_TRUE(state.startupFailed());
}

TEST(DictionaryState, BadCompiledFilesAreReadSafely) {
    TempFolder folder;
    folder.writeDictionaries();
    // Zero bytes: an empty list, width 0, closing entry -1.
    DictionaryState state(folder.path());
    state.openAtStartup();
    EXPECT_TRUE(state.patterns().empty());
    EXPECT_EQ(state.longestPattern(), 0);
    EXPECT_EQ(state.letterIndex(Language::Russian)[33], (LetterIndexEntry{255, -1}));
    EXPECT_FALSE(state.exceptions().lookup("anything").has_value());

    // An empty main file warns, once per load; a truncated one loads its whole records and is an
    // error naming the file.
    EXPECT_EQ(state.takeLoadWarning(), "RHYPHEN.PT holds no patterns");
    EXPECT_EQ(state.takeLoadWarning(), std::nullopt);
    std::string two = EncodeRecords({{"%", "%"}, {W("а1м"), W("ам")}});
    folder.write("RHYPHEN.PT", two + "abc");
    try {
        state.loadMainDictionary();
        ADD_FAILURE() << "a cut file loaded without an error";
    } catch (const IoError& e) {
        EXPECT_EQ(DescribeIoError(e), (folder / "RHYPHEN.PT").string() +
                                          ": Cut short: 2 whole records read (I/O error 100)");
    }
    EXPECT_EQ(state.patterns().size(), 2u);
    EXPECT_EQ(state.longestPattern(), 3);
    EXPECT_EQ(state.takeLoadWarning(), std::nullopt);
    folder.write("RHYPHEN.PT", two);
    state.loadMainDictionary();
    EXPECT_EQ(state.takeLoadWarning(), std::nullopt);

    // A truncated exceptions file: a word found before the break is found, others fail.
    folder.write("RHYPHEN.XCD", EncodeRecords(CompileExceptionSource(W("ма-ма"), 5)) + "x");
    EXPECT_THROW(state.loadExceptions(), IoError);
    EXPECT_EQ(state.exceptions().lookup(W("мама")).value(), W("ма-ма"));
    EXPECT_THROW(state.exceptions().lookup(W("папа")), IoError);

    // Length bytes above 32 are read as 32.
    std::string record = EncodeRecord({"ab", "ab"});
    record[0] = static_cast<char>(255);
    folder.write("RHYPHEN.PT", record);
    state.loadMainDictionary();
    EXPECT_EQ(state.patterns()[0].text.size(), 32u);
}

TEST(DictionaryState, CompileExceptionsRaisesWidthAndReloads) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}));
    DictionaryState state(folder.path());
    state.openAtStartup();
    int before = state.longestPattern();
    folder.write("RHYPHEN.XCP",
                 W("  Ав-то-мат  \r\n\r\nав-то-мат-ный-мир-вокруг\r\nрок-н-ролл\r\nпри-мер"));
    state.rebuildExceptions();
    EXPECT_GT(before, 0);
    EXPECT_EQ(state.longestPattern(), 24);
    ASSERT_EQ(state.exceptionTexts().size(), 5u);
    EXPECT_EQ(state.exceptionTexts()[0], W("ав-то-мат") + std::string(15, ' '));
    EXPECT_EQ(state.exceptionTexts()[1], std::string(24, ' '));
    EXPECT_EQ(state.exceptions().lookup(W("автомат")).value(), W("ав-то-мат"));
    EXPECT_EQ(state.exceptions().lookup(W("рокнролл")).value(), W("рок-н-ролл"));
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});

    // The width is at most 32; longer lines are cut.
    folder.write("RHYPHEN.XCP", std::string(40, 'a'));
    state.rebuildExceptions();
    EXPECT_EQ(state.longestPattern(), 32);
    EXPECT_EQ(state.exceptionTexts()[0], std::string(32, 'a'));
}

// The editor's "Save": the source is written first, `saved` runs, then the compile; a failed
// save neither says it saved nor compiles.
TEST(DictionaryState, SaveExceptionsWritesTheSourceThenCompiles) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}), W("ма-ма"));
    DictionaryState state(folder.path());
    state.openAtStartup();
    int savedCalls = 0;
    state.saveExceptions({W("Рам-ка"), "ex-cep-tion"}, [&] {
        ++savedCalls;
        EXPECT_EQ(folder.read("RHYPHEN.XCP"), W("Рам-ка") + "\r\nex-cep-tion");
        EXPECT_FALSE(state.exceptions().lookup(W("рамка")).has_value()); // not compiled yet
    });
    EXPECT_EQ(savedCalls, 1);
    EXPECT_EQ(state.exceptions().lookup(W("рамка")).value(), W("рам-ка"));
    EXPECT_FALSE(state.exceptions().lookup(W("мама")).has_value());

    std::filesystem::remove(folder / "RHYPHEN.XCP");
    std::filesystem::create_directory(folder / "RHYPHEN.XCP");
    EXPECT_THROW(state.saveExceptions({W("па-па")}, [&] { ++savedCalls; }), IoError);
    EXPECT_EQ(savedCalls, 1);
    EXPECT_EQ(state.exceptions().lookup(W("рамка")).value(), W("рам-ка"));
}

TEST(DictionaryState, FailedCompilationsKeepTheOldFileAndState) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}), W("ма-ма"));
    DictionaryState state(folder.path());
    state.openAtStartup();
    const std::string oldXcd = folder.read("RHYPHEN.XCD");
    const std::string oldPt = folder.read("RHYPHEN.PT");

    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<void()> command;
        int code;
    } cases[] = {
        {"missing exceptions source", [] {}, [&] { state.rebuildExceptions(); }, 2},
        {"missing main source", [] {}, [&] { state.rebuildMainDictionary(); }, 2},
        {"old exceptions file gone meanwhile",
         [&] {
             folder.write("RHYPHEN.XCP", W("па-па"));
             std::filesystem::rename(folder / "RHYPHEN.XCD", folder / "keep.XCD");
         },
         [&] { state.rebuildExceptions(); }, 2},
    };
    for (const Case& c : cases) {
        c.prepare();
        try {
            c.command();
            ADD_FAILURE() << c.what;
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), c.code) << c.what;
        }
        EXPECT_EQ(folder.read(folder.exists("RHYPHEN.XCD") ? "RHYPHEN.XCD" : "keep.XCD"), oldXcd)
            << c.what;
        EXPECT_EQ(folder.read("RHYPHEN.PT"), oldPt) << c.what;
        EXPECT_EQ(state.exceptions().lookup(W("мама")).value(), W("ма-ма")) << c.what;
        EXPECT_EQ(state.patterns().size(), 33u) << c.what;
        EXPECT_EQ(state.longestPattern(), 3) << c.what;
        EXPECT_EQ(folder.temporaries(), std::vector<std::string>{}) << c.what;
    }
    EXPECT_FALSE(folder.exists("RHYPHEN.XCD")); // nothing is renamed into a gap
}

// A compile that finds another one of the folder running waits its turn, a bounded time, then
// gives up without touching anything.
TEST(DictionaryState, ACompileWaitsForAnotherOneThenGivesUp) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}), W("ма-ма"));
    folder.write("RHYPHEN.XCP", W("па-па"));
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, {}));
    DictionaryState state(folder.path(), std::chrono::milliseconds(50));
    state.openAtStartup();
    const std::string oldXcd = folder.read("RHYPHEN.XCD");
    const std::string oldPt = folder.read("RHYPHEN.PT");
    {
        CompileLock other(folder.path());
        for (auto command :
             {&DictionaryState::rebuildExceptions, &DictionaryState::rebuildMainDictionary}) {
            try {
                (state.*command)();
                ADD_FAILURE() << "the compile should not run";
            } catch (const DictionaryBusyError& e) {
                EXPECT_EQ(std::string(e.what()), "dictionary is being rebuilt by another process");
            }
        }
        EXPECT_EQ(folder.read("RHYPHEN.XCD"), oldXcd);
        EXPECT_EQ(folder.read("RHYPHEN.PT"), oldPt);
        EXPECT_EQ(state.exceptions().lookup(W("мама")).value(), W("ма-ма"));
    }
    state.rebuildExceptions(); // the lock went with the other compile
    EXPECT_EQ(state.exceptions().lookup(W("папа")).value(), W("па-па"));
}

// A name a temporary file could have, taken by a folder, a file or a link planted there, is
// skipped and left as it was; the link's target is never written.
TEST(DictionaryState, PlantedTemporariesAreSkippedAndLeftAlone) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}), W("ма-ма"));
    folder.write("RHYPHEN.XCP", W("па-па"));
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, {"", W("а1б")}));
    folder.write("victim", "untouched");
    DictionaryState state(folder.path());
    state.openAtStartup();

    std::vector<std::filesystem::path> planted = {folder / "RHYPHEN.pt0"};
    // The names the writers once took in turn, and random ones of today's form.
    for (int attempt = 0; attempt < 3; ++attempt)
        planted.push_back(
            folder / ("RHYPHEN.pt0." + std::to_string(::getpid()) + "-" + std::to_string(attempt)));
    for (int attempt = 0; attempt < 3; ++attempt)
        planted.push_back(TemporaryPath(folder.path(), "RHYPHEN.pt0"));
    for (std::size_t i = 0; i < planted.size(); ++i) {
        if (i % 3 == 0)
            std::filesystem::create_symlink(folder / "victim", planted[i]);
        else if (i % 3 == 1)
            std::filesystem::create_directory(planted[i]);
        else
            folder.write(planted[i].filename().string(), "leftover");
    }
    const std::vector<std::string> before = folder.names();

    state.rebuildExceptions();
    state.rebuildMainDictionary();
    EXPECT_EQ(state.exceptions().lookup(W("папа")).value(), W("па-па"));
    EXPECT_EQ(state.patterns()[1].text, W("а1б") + "  "); // at the width the exceptions raised
    EXPECT_EQ(folder.read("victim"), "untouched");
    std::vector<std::string> after = folder.names();
    std::erase(after, CompileLock::kFileName);
    EXPECT_EQ(after, before);
}

TEST(DictionaryState, RebuildMainUsesTheLoadedWidth) {
    TempFolder folder;
    folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}));
    DictionaryState state(folder.path());
    state.openAtStartup();
    EXPECT_EQ(state.longestPattern(), 3);
    // Lines longer than the width are cut to it; blanks and case stay.
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, {W(".ав1то"), W(" Аб1в")}));
    state.rebuildMainDictionary();
    EXPECT_EQ(state.patterns()[0], (DictRecord{W(".ав"), W(".ав")}));
    EXPECT_EQ(state.patterns()[2], (DictRecord{W(" Аб"), W(" Аб")}));
    EXPECT_EQ(state.longestPattern(), 3);
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});

    // An empty loaded dictionary has width 0: every record is empty.
    folder.write("RHYPHEN.TXT", "");
    state.rebuildMainDictionary();
    EXPECT_TRUE(state.patterns().empty());
    folder.write("RHYPHEN.TXT", "%\r\nab");
    state.rebuildMainDictionary();
    EXPECT_EQ(state.patterns()[1], (DictRecord{"", ""}));
}

} // namespace
} // namespace cantiva::dictionaries
