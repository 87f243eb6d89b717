#include "support/cp1251.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace cantiva::test_support {
namespace {

using dictionaries::Language;

// A folder with sources only, as a fresh checkout has them.
class CliFolder : public ::testing::Test {
protected:
    CliFolder() {
        std::vector<std::string> ru(33);
        ru[1] = W("а1м");
        for (Language l : dictionaries::kAllLanguages) {
            std::string base(dictionaries::LanguageInfoOf(l).baseName);
            folder.write(base + ".TXT",
                         l == Language::Russian ? MainSource(l, ru) : MainSource(l, {"", "a1b"}));
            folder.write(base + ".XCP", l == Language::Russian ? W("при-мер") : "");
        }
    }
    CliResult cli(std::vector<std::string> args, const std::string& input = "") {
        return RunCli(args, input, folder.path().string());
    }
    void compileAll() {
        for (Language l : dictionaries::kAllLanguages) {
            const std::string name(dictionaries::LanguageInfoOf(l).cliName);
            ASSERT_EQ(cli({"compile", "--lang", name}).status, 0) << name;
        }
    }

    TempFolder folder;
};

TEST_F(CliFolder, CompilesFromSourcesAloneAndHyphenates) {
    compileAll();
    for (const char* f : {"RHYPHEN.PT", "RHYPHEN.XCD", "UHYPHEN.PT", "LHYPHEN.XCD"})
        EXPECT_TRUE(folder.exists(f)) << f;
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});

    CliResult r = cli({"hyphenate"}, "Мама, мама!\nok Пример\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Ма-ма, ма-ма!\r\nok При-мер\r\n");
    EXPECT_EQ(cli({"hyphenate", "--lf"}, "мама\r\nмама").out, "ма-ма\nма-ма\n");
    EXPECT_EQ(cli({"hyphenate", "--lang", "en"}, "abab").out, "a-bab\r\n");
    // Characters Windows-1251 cannot hold pass through in place.
    EXPECT_EQ(cli({"hyphenate"}, "мама ♪ма♪ма 🎵 мама").out, "ма-ма ♪ма♪ма 🎵 ма-ма\r\n");
    // cp1251 is byte-exact, 0x98 included.
    EXPECT_EQ(cli({"hyphenate", "--encoding", "cp1251"}, W("мама \x98")).out, W("ма-ма \x98\r\n"));
}

#ifdef CANTIVA_READY_DICTIONARIES
// The shipped German, French, Italian and Spanish dictionaries, one convention a word.
TEST(CliShipped, WesternLanguagesDivideAsSung) {
    struct Case {
        const char* lang;
        const char* in;
        const char* out;
    } cases[] = {
        {"de", "Zucker Tische Frühling und", "Zu-cker Ti-sche Früh-ling und"},
        {"fr", "porte belle fenêtre élève", "por-te bel-le fe-nêtre é-lè-ve"},
        {"it", "sorella questo città", "so-rel-la que-sto cit-tà"},
        {"es", "calle perro río lluvia", "ca-lle pe-rro rí-o llu-via"},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(
            {"hyphenate", "--lang", c.lang, "--lf", "--dict-dir", CANTIVA_READY_DICTIONARIES},
            c.in);
        EXPECT_EQ(r.status, 0) << c.lang << r.err;
        EXPECT_EQ(r.out, std::string(c.out) + "\n") << c.lang;
    }
}
#endif

TEST_F(CliFolder, WritesTheLogWhenAsked) {
    compileAll();
    CliResult r = cli({"hyphenate", "--log", "run.log"}, "мама пример");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(folder.read("run.log"), "а1м\n.мама.\n0 0 0 1 0 0 \n-------------------\nException: "
                                      "при-мер\n-------------------\n");
}

TEST_F(CliFolder, ExitStatusesAndMessages) {
    compileAll();
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string err;
    } cases[] = {
        {{"hyphenate", "--lang", "pt"}, "", 2, ""},
        {{"hyphenate", "--bogus"},
         "",
         2,
         "cantiva-cli: unknown option --bogus (try cantiva-cli --help)\n"},
        {{"frobnicate"},
         "",
         2,
         "cantiva-cli: unknown command frobnicate (try cantiva-cli --help)\n"},
        {{}, "", 2, ""},
        {{"hyphenate", "missing.txt"},
         "",
         1,
         "cantiva-cli: missing.txt: No such file or directory (I/O error 2)\n"},
        {{"hyphenate", "--dict-dir", "nowhere"},
         "x",
         3,
         "Cannot find RHYPHEN.PT. Closing\ncantiva-cli: Looked in " +
             (folder / "nowhere").string() + " (--dict-dir names another folder)\n"},
        {{"hyphenate"}, " \r\n ", 0, ""},
    };
    for (const Case& c : cases) {
        CliResult r = cli(c.args, c.input);
        EXPECT_EQ(r.status, c.status) << c.input;
        EXPECT_TRUE(r.out.empty()) << "no partial output: " << r.out;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
    }
    std::filesystem::remove(folder / "RHYPHEN.XCD");
    CliResult r = cli({"hyphenate"}, "мама");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "cantiva-cli: RHYPHEN.XCD: No such file or directory (I/O error 2)\n");
}

TEST_F(CliFolder, CompileFailuresKeepTheOldFile) {
    compileAll();
    std::string old = folder.read("RHYPHEN.PT");
    std::filesystem::remove(folder / "RHYPHEN.TXT");
    EXPECT_EQ(cli({"compile", "--main"}).status, 1);
    EXPECT_EQ(folder.read("RHYPHEN.PT"), old);
    // Long, empty and blank lines compile; the width stops at 32.
    folder.write("RHYPHEN.TXT", std::string(200, 'a') + "\r\n\r\n   \r\n%");
    EXPECT_EQ(cli({"compile", "--main"}).status, 0);
    EXPECT_EQ(std::filesystem::file_size(folder / "RHYPHEN.PT"), 4u * 66);
    // A leftover temporary of the old fixed name is no obstacle and stays as it was.
    std::filesystem::create_directory(folder / "RHYPHEN.pt0");
    EXPECT_EQ(cli({"compile", "--exceptions"}).status, 0);
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{"RHYPHEN.pt0"});
}

TEST_F(CliFolder, InfoListsTheIndexOrTheExceptions) {
    compileAll();
    CliResult main = cli({"info"});
    EXPECT_EQ(main.status, 0);
    EXPECT_TRUE(main.out.starts_with("ABCrus [1]= 46, 0\nABCrus [2]= 224, 1\n")) << main.out;
    EXPECT_TRUE(main.out.ends_with("Pattern maxLen: 3 symbols\nTotal records: 33\n")) << main.out;
    EXPECT_EQ(cli({"info", "--exceptions"}).out,
              "при-мер\nPattern maxLen: 7 symbols\nTotal records: 1\n");
    // French has 42 index letters: œ follows z, ÿ closes the table.
    CliResult french = cli({"info", "--lang", "fr"});
    EXPECT_NE(french.out.find("\nABCfre [28]= 156, 28\n"), std::string::npos) << french.out;
    EXPECT_TRUE(french.out.ends_with(
        "ABCfre [44]= 255, 42\nPattern maxLen: 3 symbols\nTotal records: 43\n"))
        << french.out;
}

TEST_F(CliFolder, LargeTextIsDividedCompletely) {
    compileAll();
    std::string text;
    for (int i = 0; i < 50000; ++i)
        text += i % 10 == 9 ? "мама\r\n" : "мама ";
    CliResult r = cli({"hyphenate", "--encoding", "cp1251"}, W(text));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.size(), W(text).size() + 50000 - 2 + 2);
}

} // namespace
} // namespace cantiva::test_support
