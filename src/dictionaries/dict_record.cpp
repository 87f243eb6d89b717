#include "dictionaries/dict_record.h"

#include <algorithm>

namespace cantiva::dictionaries {
namespace {

// Each field is a length byte and kFieldCapacity bytes: the text first, then the key.
constexpr std::size_t kTextOffset = 0;
constexpr std::size_t kKeyOffset = 1 + kFieldCapacity;

void PutField(std::string& out, std::size_t offset, std::string_view field) {
    std::size_t len = std::min(field.size(), kFieldCapacity);
    out[offset] = static_cast<char>(len);
    std::copy_n(field.begin(), len, out.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

std::string GetField(std::string_view bytes, std::size_t offset) {
    std::size_t len =
        std::min<std::size_t>(static_cast<unsigned char>(bytes[offset]), kFieldCapacity);
    return std::string(bytes.substr(offset + 1, len));
}

} // namespace

std::string EncodeRecord(const DictRecord& record) {
    std::string out(kRecordSize, '\0');
    PutField(out, kTextOffset, record.text);
    PutField(out, kKeyOffset, record.key);
    return out;
}

std::string EncodeRecords(const std::vector<DictRecord>& records) {
    std::string out;
    out.reserve(records.size() * kRecordSize);
    for (const DictRecord& r : records)
        out += EncodeRecord(r);
    return out;
}

DictRecord DecodeRecord(std::string_view bytes) {
    return DictRecord{GetField(bytes, kTextOffset), GetField(bytes, kKeyOffset)};
}

DecodedRecords DecodeRecords(std::string_view data) {
    DecodedRecords out;
    std::size_t whole = data.size() / kRecordSize;
    out.records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        out.records.push_back(DecodeRecord(data.substr(i * kRecordSize, kRecordSize)));
    out.partialTail = data.size() % kRecordSize != 0;
    return out;
}

} // namespace cantiva::dictionaries
