// How cantiva-cli reads what it is given: files in any of the encodings lyrics come in, words too
// long to divide, the dictionary folder it falls back to, and its answers to wrong usage.
#include "support/cp1251.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/code_page.h"
#include "text/utf8_codec.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva::test_support {
namespace {

using dictionaries::Language;

// The text in Windows-1252 (the test writes it as UTF-8).
std::string Win1252(std::string_view utf8) {
    return text::Utf8ToCodePage(utf8, text::kWindows1252).bytes;
}

// UTF-16 with its byte-order mark, of text within the Basic Multilingual Plane.
std::string Utf16(std::string_view utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    while (!utf8.empty()) {
        char32_t cp = 0;
        utf8.remove_prefix(text::DecodeCodePoint(utf8, cp));
        const char high = static_cast<char>(cp >> 8), low = static_cast<char>(cp & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

// Russian divides at а1м, every other language at a1b; compiled, with their sources beside.
class CliInput : public ::testing::Test {
protected:
    CliInput() {
        std::vector<std::string> ru(33);
        ru[1] = W("а1м");
        for (Language l : dictionaries::kAllLanguages) {
            std::string base(dictionaries::LanguageInfoOf(l).baseName);
            folder.write(base + ".TXT",
                         l == Language::Russian ? MainSource(l, ru) : MainSource(l, {"", "a1b"}));
            folder.write(base + ".XCP", "");
            const std::string name(dictionaries::LanguageInfoOf(l).cliName);
            EXPECT_EQ(RunCli({"compile", "--lang", name}, "", folder.path().string()).status, 0);
        }
    }
    CliResult cli(std::vector<std::string> args, const std::string& input = "",
                  const CliSetup& setup = {}) {
        return RunCli(args, input, folder.path().string(), setup);
    }

    TempFolder folder;
};

TEST_F(CliInput, AutoReadsEveryEncodingOfAFileAndRefusesBinaries) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* lang;
        int status;
        std::string out; // UTF-8, LF
        std::string err;
    } cases[] = {
        {"UTF-8", "мама Röslein", "ru", 0, "ма-ма Röslein\n", ""},
        {"UTF-8 with its mark", "\xEF\xBB\xBFмама", "ru", 0, "ма-ма\n", ""},
        {"UTF-16 little-endian", Utf16("мама Prête", false), "ru", 0, "ма-ма Prête\n", ""},
        {"UTF-16 big-endian", Utf16("мама abab", true), "de", 0, "мама a-bab\n", ""},
        {"Windows-1251 for Russian", W("Мама мыла раму"), "ru", 0, "Ма-ма мыла ра-му\n", ""},
        {"Windows-1252 for German", Win1252("Röslein abab"), "de", 0, "Röslein a-bab\n", ""},
        // The other code page when the words do not read as the selected one's.
        {"Windows-1252 with Russian selected", Win1252("Röslein écrire Prête"), "ru", 0,
         "Röslein écrire Prête\n", ""},
        {"Windows-1251 with Italian selected", W("мама мыла раму abab"), "it", 0,
         "мама мыла раму a-bab\n", ""},
        {"NUL bytes, no mark", std::string("ab\0cd", 5), "ru", 1, "",
         "cantiva-cli: song.txt is not a text file: it holds NUL bytes and is not UTF-16\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("song.txt", c.bytes);
        CliResult r = cli({"hyphenate", "--lang", c.lang, "--lf", "song.txt"});
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CliInput, NamedEncodingsAreTakenAsNamed) {
    struct Case {
        std::string bytes;
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        // A code page naming the language's own is byte-exact both ways.
        {Win1252("Röslein abab"),
         {"--lang", "de", "--encoding", "cp1252"},
         Win1252("Röslein a-bab\r\n")},
        {W("мама"), {"--encoding", "cp1251"}, W("ма-ма\r\n")},
        // Another is converted, and the result written as UTF-8.
        {Win1252("Röslein"), {"--encoding", "cp1252"}, "Röslein\r\n"},
        {W("мама abab"), {"--lang", "de", "--encoding", "cp1251"}, "мама a-bab\r\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"hyphenate"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CliResult r = cli(args, c.bytes);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
    }
}

TEST_F(CliInput, LongWordsAreLeftWholeWithOneWarning) {
    const std::string word40(40, 'w');
    struct Case {
        std::string in;
        std::string out;
        std::string err;
    } cases[] = {
        {"мама\n" + word40 + " мама", "ма-ма\n" + word40 + " ма-ма\n",
         "cantiva-cli: line 2: a word longer than 32 letters is left whole\n"},
        {word40 + "\r\n\r\n" + word40 + " " + word40,
         word40 + "\n\n" + word40 + " " + word40 + "\n",
         "cantiva-cli: line 1: a word longer than 32 letters is left whole (and 2 more after "
         "it)\n"},
    };
    for (const Case& c : cases) {
        CliResult r = cli({"hyphenate", "--lf"}, c.in);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CliInput, WithoutDictionariesHereTheUsersFolderIsUsedAndNamed) {
    TempFolder elsewhere; // no dictionaries: where the user happens to be
    TempFolder home;
    const std::filesystem::path user = home / "cantiva";
    CliSetup seeded;
    seeded.environment = {{"XDG_DATA_HOME", home.path().string()},
                          {"CANTIVA_SHIPPED_DICTIONARIES", folder.path().string()}};
    CliSetup unseeded;
    unseeded.environment = {{"XDG_DATA_HOME", (home / "empty").string()},
                            {"CANTIVA_SHIPPED_DICTIONARIES", ""}};

    CliResult r = RunCli({"hyphenate"}, "мама", elsewhere.path().string(), seeded);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ма-ма\r\n");
    EXPECT_TRUE(std::filesystem::exists(user / "RHYPHEN.PT"));
    EXPECT_TRUE(std::filesystem::exists(user / "RHYPHEN.XCP"));

    r = RunCli({"hyphenate"}, "мама", elsewhere.path().string(), unseeded);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "Cannot find RHYPHEN.PT. Closing\ncantiva-cli: Looked in " +
                         (home / "empty" / "cantiva").string() +
                         " (--dict-dir names another folder)\n");
    // A folder holding dictionaries is used as it is, the user's never looked at.
    r = RunCli({"hyphenate"}, "мама", folder.path().string(), unseeded);
    EXPECT_EQ(r.out, "ма-ма\r\n");
}

TEST(CliUsage, VersionAndWrongUsageAreOneLine) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"--version"}, 0, "cantiva-cli " CANTIVA_VERSION "\n", ""},
        {{"hyphenate", "--frobnicate"},
         2,
         "",
         "cantiva-cli: unknown option --frobnicate (try cantiva-cli --help)\n"},
        {{"hyphenate", "--encoding", "koi8-r"},
         2,
         "",
         "cantiva-cli: unknown encoding koi8-r (try cantiva-cli --help)\n"},
        {{"hyphenate", "--lang"},
         2,
         "",
         "cantiva-cli: option --lang needs a value (try cantiva-cli --help)\n"},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

} // namespace
} // namespace cantiva::test_support
