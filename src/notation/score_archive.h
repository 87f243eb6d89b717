#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The compressed form of a MusicXML score (.mxl): a zip archive whose container file names the
// score inside. Only the container and the score are ever unpacked; a hostile archive costs no
// more memory than the limit below.
namespace cantiva::notation {

// No entry of a compressed score may unpack to more than this, declared or real.
inline constexpr std::uint64_t kMaxUnpackedEntry = std::uint64_t{256} << 20;

struct ArchivedScore {
    std::string entry; // the score's name inside the archive
    std::string xml;
};

// The score an archive holds. Throws ScoreError: damaged, too large, no score, or a score named
// outside the archive (an absolute name, or one with "..").
ArchivedScore ReadArchivedScore(std::string_view archive);

// The archive again with the entry `scoreEntry` holding `xml`; every other entry is copied as
// it is, still compressed, in its place.
std::string ReplaceArchivedScore(std::string_view archive, const std::string& scoreEntry,
                                 std::string_view xml);

// A new archive holding only the score: the mimetype first and stored, as readers expect it.
std::string NewScoreArchive(std::string_view xml);

} // namespace cantiva::notation
