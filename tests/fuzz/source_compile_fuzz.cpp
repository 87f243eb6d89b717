// Arbitrary bytes as a main or exceptions source: one record per line, every record as wide as
// the width, and the compiled bytes decode to the same records.
#include "dictionaries/compilers.h"
#include "dictionaries/dict_record.h"
#include "fuzz_check.h"
#include "text/cp1251.h"

#include <algorithm>

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool main = (data[0] & 1) != 0;
    const auto language = static_cast<dictionaries::Language>((data[0] >> 1) % 4);
    const std::string_view source = fuzz::AsText(data + 1, size - 1);
    const int width =
        std::min(dictionaries::LongestTrimmedLine(source), dictionaries::kMaxRecordWidth);

    const std::vector<dictionaries::DictRecord> records =
        main ? dictionaries::CompileMainSource(source, language, width)
             : dictionaries::CompileExceptionSource(source, width);
    FUZZ_CHECK(records.size() == text::SplitLines(source).size());
    for (const dictionaries::DictRecord& r : records) {
        FUZZ_CHECK(r.text.size() <= dictionaries::kFieldCapacity);
        FUZZ_CHECK(r.key.size() <= r.text.size());
        if (main)
            FUZZ_CHECK(r.text.size() == static_cast<std::size_t>(width));
    }

    const std::string bytes = dictionaries::EncodeRecords(records);
    FUZZ_CHECK(bytes.size() == records.size() * dictionaries::kRecordSize);
    const dictionaries::DecodedRecords decoded = dictionaries::DecodeRecords(bytes);
    FUZZ_CHECK(!decoded.partialTail);
    FUZZ_CHECK(decoded.records == records);
    return 0;
}
