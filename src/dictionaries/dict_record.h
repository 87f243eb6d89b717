#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cantiva::dictionaries {

// One record of a compiled dictionary: two length-prefixed strings of capacity 32.
//   offset 0: length of text, 1..32: text bytes, 33: length of key, 34..65: key bytes.
struct DictRecord {
    std::string text; // as stored, padding included
    std::string key;
    friend bool operator==(const DictRecord&, const DictRecord&) = default;
};

inline constexpr std::size_t kRecordSize = 66;
inline constexpr std::size_t kFieldCapacity = 32;

// Encodes one record; fields longer than 32 are cut, bytes past a field's length are zero.
std::string EncodeRecord(const DictRecord& record);
std::string EncodeRecords(const std::vector<DictRecord>& records);

// Decodes one record from exactly 66 bytes; a length byte above 32 is read as 32.
DictRecord DecodeRecord(std::string_view bytes);

struct DecodedRecords {
    std::vector<DictRecord> records;
    bool partialTail = false; // the data ended inside a record
};

// Decodes every whole record of `data`.
DecodedRecords DecodeRecords(std::string_view data);

} // namespace cantiva::dictionaries
