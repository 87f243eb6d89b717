#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

// What the fuzz targets share: the invariant check and the dictionaries they divide with.
namespace cantiva::fuzz {

// An invariant that does not hold is a finding: say which and stop, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__,            \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The characters of a text that a run must give back: all but the hyphens and the blanks and
// line breaks the run trims or rewrites.
std::string Kept(std::string_view text);

// A folder of this process holding the shipped dictionaries, compiled once.
const std::filesystem::path& ShippedDictionaryFolder();

// A fresh folder of this process for files a target writes.
const std::filesystem::path& ScratchFolder();

} // namespace cantiva::fuzz
