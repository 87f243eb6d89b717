#pragma once

#include "dictionaries/dict_record.h"
#include "dictionaries/language.h"

#include <array>
#include <cstdint>
#include <vector>

namespace cantiva::dictionaries {

struct LetterIndexEntry {
    std::int32_t letter = 0; // a character code
    std::int32_t first = 0;  // 0-based record number of the section's first record
    friend bool operator==(const LetterIndexEntry&, const LetterIndexEntry&) = default;
};

// 44 entries: '.', up to 42 letters (French), the closing entry. Zero until a file of its language
// loads.
using LetterIndexTable = std::array<LetterIndexEntry, 44>;

// Fills `table` in place from the loaded records: entry 0 is ('.', 0), entry m the m-th index
// letter with the record after the m-th "%" separator, the closing entry (last letter, N - 1).
// Separators beyond the language's letter count are ignored; entries the file does not reach
// keep their former contents.
void FillLetterIndex(const std::vector<DictRecord>& records, Language language,
                     LetterIndexTable& table);

// The records of the section that starts with character `c`, both ends included, clipped to the
// record list; empty when `c` has no entry among '.' and the letters. The closing entry only
// ends the last section.
struct SectionRange {
    std::int64_t first = 0;
    std::int64_t last = -1;
};
SectionRange FindSection(const LetterIndexTable& table, int letterCount, unsigned char c,
                         std::size_t recordCount);

} // namespace cantiva::dictionaries
