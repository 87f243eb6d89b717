#include "io/file_io.h"
#include "support/cp1251.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

namespace cantiva::test_support {
namespace {

const std::string kTwoNotes = "<score-partwise><part id=\"P1\"><measure>"
                              "<note><pitch><step>C</step><octave>4</octave></pitch></note>"
                              "<note><pitch><step>D</step><octave>4</octave></pitch></note>"
                              "</measure></part></score-partwise>";

TEST(CliNotation, LilyPondAndGabcWriteUtf8WhateverTheInput) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string out;
    } cases[] = {
        {{"lilypond"}, "Ма-ма 2\n", "\\lyricmode {\n  Ма -- ма \"2\"\n}\n"},
        {{"lilypond", "--encoding", "cp1251"}, W("Ма-ма"), "\\lyricmode {\n  Ма -- ма\n}\n"},
        {{"gabc"}, "\xEF\xBB\xBFKý-ri-e", "name: Kýrie;\n%%\n(c4)\nKý()ri()e() (::)\n"},
        {{"gabc"}, " \r\n", ""},
    };
    for (const auto& c : cases) {
        CliResult r = RunCli(c.args, c.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(CliLay, ReportsWhatWasLaidAndWhatWasLeft) {
    TempFolder folder;
    folder.write("in.xml", kTwoNotes);
    const std::string cwd = folder.path().string();
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string err;
    } cases[] = {
        {{"--out", "a.mxl"}, "a-men", 0, "Laid 2 syllables on part P1, voice 1, verse 1.\n"},
        {{"--out", "b.xml", "--verse", "2"},
         "al-le-lu-ia",
         0,
         "Laid 2 syllables on part P1, voice 1, verse 2.\n"
         "2 syllables left over, no notes for them: -lu-ia\n"},
        {{"--out", "c.xml", "--part", "P1", "--voice", "1", "--slur-melisma"},
         "one",
         0,
         "Laid 1 syllable on part P1, voice 1, verse 1.\n"
         "1 note left without a syllable.\n"},
        {{"--out", "d.xml", "--part", "P2"}, "a", 1, "The score has no part P2 (its parts: P1)\n"},
        {{"--out", "e.xml", "--voice", "2"}, "a", 1, "Part P1 has no voice 2 (its voices: 1)\n"},
        {{"--out", "f.xml", "--voice", "0"}, "a", 2, ""},
        {{"--out", "g.xml", "--verse", "x"}, "a", 2, ""},
        {{}, "a", 2, ""},
        {{"--out", "h.xml"}, "\xFF", 2, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"lay", "--score", "in.xml"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CliResult r = RunCli(args, c.input, cwd);
        EXPECT_EQ(r.status, c.status) << c.input;
        if (c.status != 2) {
            EXPECT_EQ(r.err, c.err);
        }
    }
    EXPECT_TRUE(folder.read("a.mxl").starts_with("PK"));
    for (const char* name : {"d.xml", "e.xml", "f.xml", "g.xml", "h.xml"})
        EXPECT_FALSE(folder.exists(name)) << name;

    // The same verse again is refused unless replaced; a broken score is refused too.
    CliResult r = RunCli({"lay", "--score", "a.mxl", "--out", "x.xml"}, "b", cwd);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Verse 1 of part P1, voice 1 already has lyrics\n");
    r = RunCli({"lay", "--score", "a.mxl", "--out", "x.xml", "--replace"}, "b", cwd);
    EXPECT_EQ(r.status, 0) << r.err;
    folder.write("broken.mxl", "PK\x03\x04...");
    r = RunCli({"lay", "--score", "broken.mxl", "--out", "y.xml"}, "b", cwd);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with("The compressed score is damaged")) << r.err;
    r = RunCli({"lay", "--score", "missing.xml", "--out", "y.xml"}, "b", cwd);
    EXPECT_EQ(r.err, "cantiva-cli: missing.xml: No such file or directory (I/O error 2)\n");
    EXPECT_FALSE(folder.exists("y.xml"));
}

// Hostile compressed scores end with a message and exit 1, in little memory, with
// nothing written: sizes no allocation can hold, 4 GiB declared, huge other entries.
TEST(CliLay, HostileCompressedScoresEndWithAMessage) {
    TempFolder folder;
    auto archive = [&](std::uint64_t declaredScore, int gigabyteEntries) {
        std::vector<ZipEntry> entries = {
            {"META-INF/container.xml", ContainerNaming("score.xml"), {}, true, {}},
            {"score.xml", kTwoNotes, declaredScore, true, {}},
        };
        for (int i = 0; i < gigabyteEntries; ++i)
            entries.push_back({"zeros" + std::to_string(i), "", std::uint64_t{1} << 30, false,
                               DeflatedZeros(std::uint64_t{1} << 20)});
        return ZipArchive(entries);
    };
    const std::string tooLarge = "The compressed score is too large (";
    const struct {
        std::string name;
        std::string bytes;
        std::string err;
    } cases[] = {
        {"zip64.mxl", archive(std::uint64_t{1} << 63, 0),
         tooLarge + "score.xml unpacks to more than 256 MB)\n"},
        {"4gb.mxl", archive(std::uint64_t{4} << 30, 0),
         tooLarge + "score.xml unpacks to more than 256 MB)\n"},
        {"zeros.mxl", archive(kTwoNotes.size(), 4),
         tooLarge + "zeros0 unpacks to more than 256 MB)\n"},
    };
    CliSetup limited;
#if !defined(__SANITIZE_ADDRESS__)
    limited.addressSpace = std::size_t(200) << 20;
#endif
    for (const auto& c : cases) {
        folder.write(c.name, c.bytes);
        const CliResult r = RunCli({"lay", "--score", c.name, "--out", "out.mxl"}, "a",
                                   folder.path().string(), limited);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.err, c.err) << c.name;
        EXPECT_FALSE(folder.exists("out.mxl")) << c.name;
    }
}

// The sample in docs/ is what lay makes of it today.
TEST(CliLay, SampleHymnMatchesTheLaidOnScoreInDocs) {
    TempFolder folder;
    const std::string sample = CANTIVA_SAMPLE_DIR;
    CliResult r = RunCli({"lay", "--score", sample + "/old-hundredth.musicxml", "--out",
                          "out.musicxml", sample + "/old-hundredth-lyrics.txt"},
                         "", folder.path().string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(folder.read("out.musicxml"),
              ReadWholeFile(std::filesystem::path(sample) / "old-hundredth-with-lyrics.musicxml"));
}

} // namespace
} // namespace cantiva::test_support
