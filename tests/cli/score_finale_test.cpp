#include "support/cp1251.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace cantiva::test_support {
namespace {

struct ExportCase {
    std::vector<std::string> args;
    std::string input;
    std::string out;
};

void ExpectOutputs(const std::vector<ExportCase>& cases) {
    for (const ExportCase& c : cases) {
        CliResult r = RunCli(c.args, c.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.input;
        EXPECT_EQ(r.err, "");
    }
}

TEST(CliScore, WritesTheMacroForTheChosenOptions) {
    ExpectOutputs({
        {{"score"},
         "В ле-су ро-ди-лась\n",
         "TC 1 0 -4 1.0 1.0 0\r\n_50V le!!su/ro!!di!!las!h\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\r\n"},
        {{"score", "--mode", "input"},
         "В лесу родилась",
         "T 1 10 -4 1.0 1.0 0\r\n_50V lesu rodilas!h\r\n"},
        {{"score", "--hyphen", "extender", "--font", "0", "--staff", "16", "--vpos", ""},
         "ле-су\r\n\r\n",
         "TC 16 0  1.0 1.0 0\r\n_53le??su\r\n1\r\n2\r\n\r\n"
         "TC 16 0  1.0 1.0 0\r\n_53\r\n1\r\n\r\n"},
        {{"score", "--mode=input", "--vpos=ё", "--staff", "1"},
         "ё",
         "T 1 10 ё 1.0 1.0 0\r\n_50ё\r\n"},
        {{"score", "--encoding", "cp1251", "--mode", "input", "--vpos", W("ё")},
         W("ё\x98"),
         W("T 1 10 ё 1.0 1.0 0\r\n_50ё?\r\n")},
        {{"score"}, " \r\n\t\n", ""},
    });
}

TEST(CliScore, NamesTheCharactersItCannotHoldAndWritesNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string characters;
    } cases[] = {
        {{"score"}, "Ký-ri-e ♪ Ký-ri-e", "ý (U+00FD), ♪ (U+266A)"},
        {{"score", "--mode", "input", "--vpos", "é"}, "ле-су", "é (U+00E9)"},
        {{"score"}, "ма\u0301-ма \xFF", "\u0301 (U+0301), byte 0xFF"},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args, c.input);
        EXPECT_EQ(r.status, 1) << c.input;
        EXPECT_EQ(r.out, "") << c.input;
        EXPECT_EQ(r.err, "The SCORE macro is written in Windows-1251, which cannot hold these "
                         "characters: " +
                             c.characters + ". Nothing was written.\n");
    }
}

TEST(CliFinale, BindsSpacesAndKeepsEverythingElse) {
    ExpectOutputs({
        {{"finale"},
         "в до-ме да — нет\n\nЯ б ♪",
         "в\u00A0до-ме да\u00A0— нет\r\n\r\nЯ\u00A0б ♪\r\n"},
        {{"finale", "--no-bind-dashes"}, "в до-ме да — нет", "в\u00A0до-ме да — нет\r\n"},
        {{"finale", "--encoding", "cp1251"}, W("с в до-ме\r\n"), W("с\u00A0в\u00A0до-ме\r\n")},
        {{"finale"}, "\xEF\xBB\xBFк нам", "к\u00A0нам\r\n"},
        {{"finale"}, "\r\n \r\n", ""},
    });
}

TEST(CliExports, ReadTheFileArgument) {
    TempFolder folder;
    folder.write("pane.txt", W("к нам\r\n"));
    CliResult r =
        RunCli({"finale", "--encoding", "cp1251", "pane.txt"}, "", folder.path().string());
    EXPECT_EQ(r.out, W("к\u00A0нам\r\n"));
    r = RunCli({"score", "pane.txt", "--encoding", "cp1251"}, "", folder.path().string());
    EXPECT_EQ(r.out, "TC 1 0 -4 1.0 1.0 0\r\n_50k nam\r\n1\r\n\r\n");
}

TEST(CliExports, WrongUsageAndMissingInput) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"score", "--font", "5"}, 2, ""},
        {{"score", "--font", "-1"}, 2, ""},
        {{"score", "--staff", "17"}, 2, ""},
        {{"score", "--staff", "3x"}, 2, ""},
        {{"score", "--mode", "both"}, 2, ""},
        {{"score", "--hyphen", "Dash"}, 2, ""},
        {{"score", "--vpos"}, 2, ""},
        {{"finale", "--bind-dashes"}, 2, ""},
        {{"finale", "a.txt", "b.txt"}, 2, ""},
        {{"score", "--vpos", "1\n2"}, 2, ""},
        {{"score", "--vpos", "1\r"}, 2, ""},
        {{"score", "missing.txt"},
         1,
         "cantiva-cli: missing.txt: No such file or directory (I/O error 2)\n"},
        {{"finale", "missing.txt"},
         1,
         "cantiva-cli: missing.txt: No such file or directory (I/O error 2)\n"},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args, "text");
        EXPECT_EQ(r.status, c.status) << c.args[1];
        EXPECT_EQ(r.out, "");
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
    }
}

} // namespace
} // namespace cantiva::test_support
