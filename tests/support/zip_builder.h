#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cantiva::test_support {

// One entry of a hand-built zip archive, able to say what no zip library would write.
struct ZipEntry {
    std::string name;
    std::string bytes;                     // what it unpacks to, as far as it goes
    std::optional<std::uint64_t> declared; // the unpacked size its headers claim; none: the real
    bool deflated = false;                 // deflate (one stored block) rather than stored
    std::string raw;                       // when set, the compressed data as given, method deflate
};

// A zip archive of `entries` in order; sizes of 4 GiB and over get zip64 fields.
std::string ZipArchive(const std::vector<ZipEntry>& entries);

// A raw deflate stream of `count` zero bytes, about 13 bits for every 258 of them.
std::string DeflatedZeros(std::uint64_t count);

// The container file naming `rootfile` as the score.
std::string ContainerNaming(const std::string& rootfile);

} // namespace cantiva::test_support
