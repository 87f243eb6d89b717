#include "dictionaries/compilers.h"
#include "dictionaries/dictionary_compile.h"
#include "dictionaries/shipped_updates.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace cantiva::dictionaries {
namespace {

using test_support::MainSourceOf;
using test_support::TempFolder;
using test_support::W;

// The compiled file the build makes of a shipped source.
std::string Compiled(const DictionaryPair& pair, const std::string& source) {
    const int width = CompiledWidth(source, {});
    return EncodeRecords(pair.main ? CompileMainSource(source, pair.language, width)
                                   : CompileExceptionSource(source, width, pair.language));
}

void ShipPair(const TempFolder& shipped, const DictionaryPair& pair, const std::string& source) {
    shipped.write(pair.sourceName(), source);
    shipped.write(pair.compiledName(), Compiled(pair, source));
}

const DictionaryPair kRussianMain{Language::Russian, true};
const DictionaryPair kRussianExceptions{Language::Russian, false};

// A shipped folder whose every file says which version it is; `changed` names the sources whose
// contents differ in this version (the rest stay as in version 1).
void Ship(const TempFolder& shipped, int version, const std::vector<std::string>& changed) {
    for (Language l : kAllLanguages) {
        for (bool main : {true, false}) {
            DictionaryPair pair{l, main};
            bool isNew =
                std::find(changed.begin(), changed.end(), pair.sourceName()) != changed.end();
            std::string tag = pair.sourceName() + " v" + std::to_string(isNew ? version : 1);
            ShipPair(shipped, pair, "source " + tag);
        }
    }
}

std::vector<std::string> Names(const std::vector<DictionaryPair>& pairs) {
    std::vector<std::string> names;
    for (const DictionaryPair& p : pairs)
        names.push_back(p.sourceName());
    return names;
}

TEST(ShippedUpdates, UneditedUpdatedEditedKeptAndToldOnce) {
    TempFolder shipped, user;
    Ship(shipped, 1, {});
    ShippedUpdateReport first = UpdateFromShipped(shipped.path(), user.path());
    EXPECT_EQ(first.installed.size(), 2 * kAllLanguages.size());
    EXPECT_EQ(user.read("RHYPHEN.PT"), Compiled(kRussianMain, "source RHYPHEN.TXT v1"));

    // The user edits the English exceptions and rebuilds the Russian ones unchanged.
    user.write("EHYPHEN.XCP", "my own list");
    user.write("RHYPHEN.XCD", "recompiled by the user");
    Ship(shipped, 2, {"RHYPHEN.XCP", "EHYPHEN.XCP", "LHYPHEN.TXT"});

    struct Round {
        std::vector<std::string> updated, told;
    } rounds[] = {
        {{"LHYPHEN.TXT", "RHYPHEN.XCP"}, {"EHYPHEN.XCP"}}, {{}, {}}, // told once only
    };
    for (const Round& round : rounds) {
        ShippedUpdateReport report = UpdateFromShipped(shipped.path(), user.path());
        std::vector<std::string> updated = Names(report.updated);
        std::sort(updated.begin(), updated.end());
        EXPECT_EQ(updated, round.updated);
        EXPECT_EQ(Names(report.newerKept), round.told);
        EXPECT_TRUE(report.installed.empty());
        std::string notice = NewerShippedNotice(report, user.path());
        EXPECT_EQ(notice.empty(), round.told.empty());
        if (!round.told.empty()) {
            EXPECT_NE(notice.find("EHYPHEN.XCP"), std::string::npos) << notice;
            EXPECT_NE(notice.find("cantiva-cli take-shipped --lang en"), std::string::npos);
        }
    }
    EXPECT_EQ(user.read("RHYPHEN.XCP"), "source RHYPHEN.XCP v2");
    EXPECT_EQ(user.read("RHYPHEN.XCD"), Compiled(kRussianExceptions, "source RHYPHEN.XCP v2"));
    EXPECT_EQ(user.read("LHYPHEN.PT"), Compiled({Language::Latin, true}, "source LHYPHEN.TXT v2"));
    EXPECT_EQ(user.read("EHYPHEN.XCP"), "my own list");
    EXPECT_EQ(user.read(".shipped/newer/EHYPHEN.XCP"), "source EHYPHEN.XCP v2");

    // A later version is told about again; a file the user never had comes as installed.
    std::filesystem::remove(user / "UHYPHEN.TXT");
    std::filesystem::remove(user / "UHYPHEN.PT");
    Ship(shipped, 3, {"EHYPHEN.XCP"});
    ShippedUpdateReport third = UpdateFromShipped(shipped.path(), user.path());
    EXPECT_EQ(Names(third.newerKept), std::vector<std::string>{"EHYPHEN.XCP"});
    EXPECT_EQ(Names(third.installed), std::vector<std::string>{"UHYPHEN.TXT"});
}

// Folders seeded before the record existed: a file equal to the shipped one is recorded and
// follows later versions; a different one is of unknown origin and is kept.
TEST(ShippedUpdates, FoldersWithoutARecord) {
    TempFolder shipped, user;
    Ship(shipped, 1, {});
    for (const char* name : {"RHYPHEN.TXT", "RHYPHEN.PT", "RHYPHEN.XCP", "RHYPHEN.XCD"})
        user.write(name, shipped.read(name));
    user.write("RHYPHEN.XCP", "an older shipped list");
    UpdateFromShipped(shipped.path(), user.path());
    Ship(shipped, 2, {"RHYPHEN.TXT"});
    ShippedUpdateReport report = UpdateFromShipped(shipped.path(), user.path());
    EXPECT_EQ(Names(report.updated), std::vector<std::string>{"RHYPHEN.TXT"});
    EXPECT_EQ(user.read("RHYPHEN.XCP"), "an older shipped list");
    EXPECT_TRUE(user.exists(".shipped/newer/RHYPHEN.XCP"));
}

TEST(ShippedUpdates, MergeKeepsTheUsersOwnChanges) {
    struct Case {
        const char* base;
        const char* mine;
        const char* newer;
        const char* merged;
        int own;
    } cases[] = {
        // Added entries follow the new list; a shipped entry the user changed gives way to theirs.
        {"ab-ba\r\ncat-tle", "ab-ba\r\ncattl-e\r\nzeb-ra", "ab-ba\r\ncat-tle\r\nnew-er",
         "ab-ba\r\nnew-er\r\ncattl-e\r\nzeb-ra", 2},
        // A shipped entry the user deleted stays deleted, whatever its new division.
        {"ab-ba\r\ncat-tle", "cat-tle", "a-bba\r\ncat-tle", "cat-tle", 0},
        // Unknown origin: everything of the user's not in the new list counts as their own.
        {"", "Ab-ba\r\nold-er", "ab-ba\r\nnew-er", "new-er\r\nAb-ba\r\nold-er", 2},
        {"x-y", "", "a-b", "a-b", 0},
    };
    for (const Case& c : cases) {
        int own = -1;
        EXPECT_EQ(MergeExceptionSources(c.base, c.mine, c.newer, &own), c.merged) << c.mine;
        EXPECT_EQ(own, c.own) << c.mine;
    }
}

// Entries are the same word in the lower case of their own code page: in Windows-1252 ß is no
// capital of ÿ, nor × of ÷, as Windows-1251's Я and Ч are of я and ч.
TEST(ShippedUpdates, MergeTellsWordsApartInTheLanguagesCodePage) {
    struct Case {
        Language language;
        const char* mine;
        const char* newer;
        const char* merged;
    } cases[] = {
        {Language::German,
         "Stra-\xDF"
         "e",
         "stra-\xFF"
         "e",
         "stra-\xFF"
         "e\r\nStra-\xDF"
         "e"},
        {Language::German, "a\xD7-b", "a\xF7-b", "a\xF7-b\r\na\xD7-b"},
        {Language::German, "STRA-SSE", "stras-se", "STRA-SSE"}, // a capital is the same word
        {Language::Russian, "\xDF-\xDF", "\xFF\xFF", "\xDF-\xDF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MergeExceptionSources(c.language, "", c.mine, c.newer), c.merged) << c.mine;
}

TEST(ShippedUpdates, TakingTheNewerVersionMergesAndCompiles) {
    TempFolder shipped, user;
    Ship(shipped, 1, {});
    ShipPair(shipped, kRussianExceptions, W("ма-ма"));
    UpdateFromShipped(shipped.path(), user.path());
    user.write("RHYPHEN.XCP", W("ма-ма\r\nпа-па"));
    ShipPair(shipped, kRussianExceptions, W("ма-ма\r\nсол-нце"));
    Ship(shipped, 2, {"RHYPHEN.TXT"});
    ShipPair(shipped, kRussianExceptions, W("ма-ма\r\nсол-нце"));
    user.write("RHYPHEN.TXT", "my patterns");
    UpdateFromShipped(shipped.path(), user.path());

    TakeShippedResult taken = TakeNewerShipped(user.path(), Language::Russian);
    EXPECT_TRUE(taken.mainTaken);
    EXPECT_TRUE(taken.exceptionsTaken);
    EXPECT_EQ(taken.ownExceptions, 1);
    EXPECT_EQ(user.read("RHYPHEN.TXT"), "source RHYPHEN.TXT v2");
    EXPECT_EQ(user.read("RHYPHEN.XCP"), W("ма-ма\r\nсол-нце\r\nпа-па"));
    EXPECT_EQ(user.read("RHYPHEN.XCD").size(), 3u * 66); // compiled at once
    EXPECT_FALSE(user.exists(".shipped/newer/RHYPHEN.XCP"));
    // Now the merged list is the user's own edit of the taken version: nothing more to tell.
    EXPECT_TRUE(UpdateFromShipped(shipped.path(), user.path()).newerKept.empty());
    EXPECT_FALSE(TakeNewerShipped(user.path(), Language::Russian).exceptionsTaken);
}

// A shipped compiled file that is not its source's compile (another language's, cut, empty) never
// replaces the working one, installed or updated, nor waits as a newer version; it is named.
TEST(ShippedUpdates, ABadShippedCompiledFileIsRefused) {
    const DictionaryPair german{Language::German, true};
    const std::string source = MainSourceOf(Language::German, {"a1b", "1ch"});
    const std::string good = Compiled(german, source);
    const struct {
        std::string name;
        std::string compiled;
    } cases[] = {
        {"Russian", Compiled(kRussianMain, MainSourceOf(Language::Russian, {"а1б"}))},
        {"cut", good.substr(0, good.size() - 10)},
        {"empty", ""},
        {"stale", Compiled(german, MainSourceOf(Language::German, {"a1b"}))},
    };
    for (const auto& c : cases) {
        TempFolder shipped, user, edited;
        ShipPair(shipped, german, source);
        UpdateFromShipped(shipped.path(), user.path());
        UpdateFromShipped(shipped.path(), edited.path());
        edited.write("GHYPHEN.TXT", "my patterns");
        ShipPair(shipped, german, source + "\r\n1sch");
        shipped.write("GHYPHEN.PT", c.compiled);
        TempFolder fresh;
        for (const TempFolder* folder : {&user, &edited, &fresh}) {
            const ShippedUpdateReport report = UpdateFromShipped(shipped.path(), folder->path());
            EXPECT_TRUE(report.updated.empty() && report.installed.empty()) << c.name;
            EXPECT_EQ(RefusedShippedNotice(report),
                      "The shipped GHYPHEN.PT is not compiled from the shipped GHYPHEN.TXT; your "
                      "GHYPHEN.PT was kept.")
                << c.name;
            EXPECT_FALSE(folder->exists(".shipped/newer/GHYPHEN.PT")) << c.name;
        }
        EXPECT_EQ(user.read("GHYPHEN.PT"), good) << c.name;
        EXPECT_EQ(edited.read("GHYPHEN.PT"), good) << c.name;
        EXPECT_FALSE(fresh.exists("GHYPHEN.PT")) << c.name;
    }
}

} // namespace
} // namespace cantiva::dictionaries
