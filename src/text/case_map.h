#pragma once

#include "text/byte_set.h"

#include <array>
#include <string>
#include <string_view>

namespace cantiva::text {

// The case mapping of one 8-bit code page, and the capitals a result writes back as capitals.
struct CaseMap {
    const std::array<char, 256>* lowerTable;
    const std::array<char, 256>* upperTable;
    ByteSet capitals;
    // Lower case, but for the capitals, which stay capitals: the letter as a result writes it.
    const std::array<char, 256>* restoredTable;

    char lower(char c) const { return (*lowerTable)[static_cast<unsigned char>(c)]; }
    char upper(char c) const { return (*upperTable)[static_cast<unsigned char>(c)]; }
    bool isCapital(char c) const { return capitals.contains(c); }
    char restored(char c) const { return (*restoredTable)[static_cast<unsigned char>(c)]; }
    std::string lower(std::string_view s) const;
};

// Windows-1251: the whole mapping; the capitals are A–Z, Ё and А–Я only.
extern const CaseMap kWindows1251Case;
// Windows-1252: A–Z, À–Þ (not ×), Š Œ Ž Ÿ and their small letters.
extern const CaseMap kWindows1252Case;

} // namespace cantiva::text
