#include "notation/lyric_laying.h"
#include "notation/score_archive.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

namespace cantiva::notation {
namespace {

using test_support::ContainerNaming;
using test_support::ZipArchive;
using test_support::ZipEntry;

const std::string kScore = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise>"
                           "<part id=\"P1\"><measure><note><pitch><step>C</step><octave>4"
                           "</octave></pitch></note></measure></part></score-partwise>\n";

// An archive of the mimetype, the container naming `rootfile`, the score and `more`.
std::string Archive(const std::vector<ZipEntry>& more, const std::string& rootfile = "score.xml",
                    std::optional<std::uint64_t> declaredScore = std::nullopt) {
    std::vector<ZipEntry> entries = {
        {"mimetype", "application/vnd.recordare.musicxml", {}, false, {}},
        {"META-INF/container.xml", ContainerNaming(rootfile), {}, true, {}},
        {"score.xml", kScore, declaredScore, true, {}},
    };
    entries.insert(entries.end(), more.begin(), more.end());
    return ZipArchive(entries);
}

std::vector<ZipEntry> Gigabytes(int count) {
    std::vector<ZipEntry> out;
    for (int i = 0; i < count; ++i)
        out.push_back({"zeros" + std::to_string(i) + ".bin", "", std::uint64_t{1} << 30, false,
                       test_support::DeflatedZeros(1000)});
    return out;
}

TEST(CompressedScore, HostileArchivesAreRefusedBeforeAnythingIsUnpacked) {
    const std::string tooLarge = "The compressed score is too large (";
    const std::string outside = "The compressed score is damaged (its container names the score ";
    const struct {
        std::string name;
        std::string archive;
        ScoreError::Kind kind;
        std::string message;
    } cases[] = {
        {"zip64 size of 2^63", Archive({}, "score.xml", std::uint64_t{1} << 63),
         ScoreError::Kind::TooLarge, tooLarge + "score.xml unpacks to more than 256 MB)"},
        {"4 GiB declared", Archive({}, "score.xml", std::uint64_t{4} << 30),
         ScoreError::Kind::TooLarge, tooLarge + "score.xml unpacks to more than 256 MB)"},
        {"just under 4 GiB, no zip64", Archive({}, "score.xml", 0xFFFFFFF0u),
         ScoreError::Kind::TooLarge, tooLarge + "score.xml unpacks to more than 256 MB)"},
        {"four other entries of 1 GiB", Archive(Gigabytes(4)), ScoreError::Kind::TooLarge,
         tooLarge + "zeros0.bin unpacks to more than 256 MB)"},
        {"parent folder", Archive({}, "../evil.musicxml"), ScoreError::Kind::BrokenArchive,
         outside + "../evil.musicxml, outside the compressed file)"},
        {"absolute", Archive({}, "/tmp/evil.musicxml"), ScoreError::Kind::BrokenArchive,
         outside + "/tmp/evil.musicxml, outside the compressed file)"},
        {"parent inside", Archive({}, "a/../../evil.xml"), ScoreError::Kind::BrokenArchive,
         outside + "a/../../evil.xml, outside the compressed file)"},
        {"backslashes", Archive({}, "..\\evil.xml"), ScoreError::Kind::BrokenArchive,
         outside + "..\\evil.xml, outside the compressed file)"},
        {"drive letter", Archive({}, "C:evil.xml"), ScoreError::Kind::BrokenArchive,
         outside + "C:evil.xml, outside the compressed file)"},
    };
    for (const auto& c : cases) {
        try {
            ScoreContainer score(c.archive);
            ADD_FAILURE() << c.name << ": read";
        } catch (const ScoreError& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.name;
            EXPECT_EQ(e.what(), c.message) << c.name;
        }
    }
}

// A score that unpacks past the limit while its header claims little is stopped at the limit.
TEST(CompressedScore, UnpackingStopsAtTheLimitWhateverTheHeaderSays) {
    const std::string archive = ZipArchive({
        {"META-INF/container.xml", ContainerNaming("score.xml"), {}, true, {}},
        {"score.xml", "", 1000, false, test_support::DeflatedZeros(kMaxUnpackedEntry + 1000)},
    });
    try {
        ScoreContainer score(archive);
        ADD_FAILURE() << "read";
    } catch (const ScoreError& e) {
        EXPECT_TRUE(std::string_view(e.what()).starts_with("The compressed score is ")) << e.what();
    }
}

// Entries besides the container and the score are never unpacked: their compressed bytes go
// back as they came, even ones no reader could unpack.
TEST(CompressedScore, OtherEntriesAreCopiedStillCompressed) {
    const std::string opaque = "\x07not deflate data at all\x01\x02";
    const std::string archive = Archive({
        {"cover.png", "", 5000, false, opaque},
        {"notes/", "", {}, false, {}},
        {"zeros.bin", "", std::uint64_t{200} << 20, false,
         test_support::DeflatedZeros(std::uint64_t{200} << 20)},
    });
    ScoreContainer score(archive);
    LayLyrics(score, "la", {});
    const std::string out = score.bytes(ScoreForm::Compressed);
    EXPECT_NE(out.find(opaque), std::string::npos);
    EXPECT_LT(out.size(), archive.size() + 1000);
    ScoreContainer reread(out);
    EXPECT_NE(reread.bytes(ScoreForm::Plain).find("<text>la</text>"), std::string::npos);
    for (const char* name :
         {"mimetype", "META-INF/container.xml", "score.xml", "cover.png", "notes/", "zeros.bin"})
        EXPECT_NE(out.find(name), std::string::npos) << name;
}

} // namespace
} // namespace cantiva::notation
