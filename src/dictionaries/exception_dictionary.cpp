#include "dictionaries/exception_dictionary.h"

#include "io/io_error.h"
#include "text/cp1251.h"

namespace cantiva::dictionaries {

namespace {
constexpr std::size_t kFilterBits = 1 << 16;

// A record divides its key only if its text is the key's letters with hyphens between them; any
// other record (a hand-edited source with other marks, a damaged file) would change the word.
bool SpellsKey(std::string_view text, std::string_view key) {
    std::size_t k = 0;
    for (char c : text) {
        if (c == '-')
            continue;
        if (k == key.size() || c != key[k])
            return false;
        ++k;
    }
    return k == key.size();
}
} // namespace

std::size_t ExceptionDictionary::FilterBit(std::string_view key) {
    if (key.empty())
        return 0;
    std::size_t h = key.size() * 0x9E37U;
    h ^= static_cast<unsigned char>(key.front()) * 0x85EBU;
    h ^= static_cast<unsigned char>(key.back()) * 0xC2B3U;
    h ^= h >> 16;
    return h & (kFilterBits - 1);
}

ExceptionDictionary::ExceptionDictionary(DecodedRecords decoded)
    : filter_(kFilterBits, false), partialTail_(decoded.partialTail) {
    texts_.reserve(decoded.records.size());
    trimmedTexts_.reserve(decoded.records.size());
    for (std::size_t i = 0; i < decoded.records.size(); ++i) {
        DictRecord& r = decoded.records[i];
        std::string key = text::Trim(r.key);
        trimmedTexts_.push_back(text::Trim(r.text));
        texts_.push_back(std::move(r.text));
        if (!key.empty() && SpellsKey(trimmedTexts_.back(), key)) {
            filter_[FilterBit(key)] = true;
            firstByKey_.try_emplace(std::move(key), i);
        }
    }
}

ExceptionDictionary ExceptionDictionary::Unavailable(int ioCode) {
    ExceptionDictionary d;
    d.unavailableCode_ = ioCode;
    return d;
}

std::optional<std::string_view> ExceptionDictionary::lookup(std::string_view word) const {
    if (unavailableCode_ != 0)
        throw IoError(unavailableCode_);
    if (!filter_.empty() && filter_[FilterBit(word)]) {
        if (auto it = firstByKey_.find(word); it != firstByKey_.end())
            return std::string_view(trimmedTexts_[it->second]);
    }
    if (partialTail_)
        throw IoError(io_code::kReadBeyondEnd);
    return std::nullopt;
}

} // namespace cantiva::dictionaries
