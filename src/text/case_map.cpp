#include "text/case_map.h"

#include "text/case_tables.h"
#include "text/cp1251.h"

#include <utility>

namespace cantiva::text {
namespace {

constexpr CaseTables MakeWindows1252Tables() {
    CaseTables t;
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) // ×
            t.pair(c, c + 32);
    for (auto [up, low] : {std::pair{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}})
        t.pair(up, low);
    return t;
}

constexpr CaseTables kWindows1252 = MakeWindows1252Tables();

std::array<char, 256> RestoredTable(const std::array<char, 256>& lower,
                                    const std::array<char, 256>& upper, ByteSet capitals) {
    std::array<char, 256> restored{};
    for (int c = 0; c < 256; ++c) {
        const char letter = lower[static_cast<std::size_t>(c)];
        restored[static_cast<std::size_t>(c)] = capitals.contains(static_cast<char>(c))
                                                    ? upper[static_cast<unsigned char>(letter)]
                                                    : letter;
    }
    return restored;
}

constexpr ByteSet kWindows1251Capitals =
    ByteSet::range('A', 'Z') | ByteSet::of({0xA8}) | ByteSet::range(0xC0, 0xDF);
constexpr ByteSet kWindows1252Capitals = ByteSet::range('A', 'Z') |
                                         ByteSet::range(0xC0, 0xDE).without({0xD7}) |
                                         ByteSet::of({0x8A, 0x8C, 0x8E, 0x9F});
// The lower and upper tables are constants, ready before these are computed.
const std::array<char, 256> kWindows1251Restored =
    RestoredTable(detail::kLowerTable, detail::kUpperTable, kWindows1251Capitals);
const std::array<char, 256> kWindows1252Restored =
    RestoredTable(kWindows1252.lower, kWindows1252.upper, kWindows1252Capitals);

} // namespace

std::string CaseMap::lower(std::string_view s) const {
    std::string out(s);
    for (char& c : out)
        c = lower(c);
    return out;
}

const CaseMap kWindows1251Case{&detail::kLowerTable, &detail::kUpperTable, kWindows1251Capitals,
                               &kWindows1251Restored};

const CaseMap kWindows1252Case{&kWindows1252.lower, &kWindows1252.upper, kWindows1252Capitals,
                               &kWindows1252Restored};

} // namespace cantiva::text
