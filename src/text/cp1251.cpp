#include "text/cp1251.h"

#include "text/case_tables.h"

#include <array>
#include <utility>

namespace cantiva::text {
namespace {

constexpr CaseTables MakeCaseTables() {
    CaseTables t;
    for (int c = 0xC0; c <= 0xDF; ++c)
        t.pair(c, c + 32);
    // Ё ё, then the Serbian, Macedonian, Ukrainian and Belarusian letters of the code page.
    constexpr std::pair<int, int> others[] = {
        {0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
        {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC},
        {0xA5, 0xB4}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
    };
    for (auto [up, low] : others)
        t.pair(up, low);
    return t;
}

constexpr CaseTables kCase = MakeCaseTables();

} // namespace

namespace detail {
const std::array<char, 256> kLowerTable = kCase.lower;
const std::array<char, 256> kUpperTable = kCase.upper;
} // namespace detail

std::string_view TrimView(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsTrimmable(s[b]))
        ++b;
    while (e > b && IsTrimmable(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string Trim(std::string_view s) {
    return std::string(TrimView(s));
}

std::vector<std::string_view> SplitLines(std::string_view s) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == kCarriageReturn || s[i] == kLineFeed) {
            lines.push_back(s.substr(start, i - start));
            if (s[i] == kCarriageReturn && i + 1 < s.size() && s[i + 1] == kLineFeed)
                ++i;
            start = ++i;
            continue;
        }
        ++i;
    }
    if (start < s.size())
        lines.push_back(s.substr(start));
    return lines;
}

} // namespace cantiva::text
