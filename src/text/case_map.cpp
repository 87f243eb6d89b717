#include "text/case_map.h"

#include "text/cp1251.h"

#include <utility>

namespace cantiva::text {
namespace {

struct Tables {
    std::array<char, 256> lower{};
    std::array<char, 256> upper{};
};

constexpr Tables MakeWindows1252Tables() {
    Tables t;
    for (int c = 0; c < 256; ++c) {
        t.lower[c] = static_cast<char>(c);
        t.upper[c] = static_cast<char>(c);
    }
    auto pair = [&t](int up, int low) {
        t.lower[up] = static_cast<char>(low);
        t.upper[low] = static_cast<char>(up);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) // ×
            pair(c, c + 32);
    for (auto [up, low] : {std::pair{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}})
        pair(up, low);
    return t;
}

constexpr Tables kWindows1252 = MakeWindows1252Tables();

} // namespace

std::string CaseMap::lower(std::string_view s) const {
    std::string out(s);
    for (char& c : out)
        c = lower(c);
    return out;
}

const CaseMap kWindows1251Case{&detail::kLowerTable, &detail::kUpperTable,
                               ByteSet::range('A', 'Z') | ByteSet::of({0xA8}) |
                                   ByteSet::range(0xC0, 0xDF)};

const CaseMap kWindows1252Case{&kWindows1252.lower, &kWindows1252.upper,
                               ByteSet::range('A', 'Z') |
                                   ByteSet::range(0xC0, 0xDE).without({0xD7}) |
                                   ByteSet::of({0x8A, 0x8C, 0x8E, 0x9F})};

} // namespace cantiva::text
