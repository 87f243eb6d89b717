#pragma once

#include "dictionaries/dict_record.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cantiva::dictionaries {

// The loaded compiled exceptions of one language, with an index that answers a lookup exactly as
// a scan of the file from its first record would: the first record whose trimmed key equals the
// word wins. A record with an empty trimmed key never matches.
class ExceptionDictionary {
public:
    ExceptionDictionary() = default;
    explicit ExceptionDictionary(DecodedRecords decoded);

    // A dictionary whose file could not be opened: every lookup fails with `ioCode`.
    static ExceptionDictionary Unavailable(int ioCode);

    // The trimmed text of the first record whose trimmed key equals `word`. Throws IoError when
    // the file could not be opened, or when no whole record matches and the file ends inside a
    // record (the scan would have read past its end).
    std::optional<std::string_view> lookup(std::string_view word) const;

    // The text of every record as stored, padding included, in file order.
    const std::vector<std::string>& texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
    std::vector<std::string> trimmedTexts_;
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> firstByKey_;
    // A quick "certainly not" for most words: one bit per hash of (length, first, last byte).
    static std::size_t FilterBit(std::string_view key);
    std::vector<bool> filter_;
    bool partialTail_ = false;
    int unavailableCode_ = 0;
};

} // namespace cantiva::dictionaries
