#include "dictionaries/dictionary_info.h"

#include "dictionaries/dictionary_state.h"
#include "text/cp1251.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace cantiva::dictionaries {
namespace {

struct IndexListing {
    const char* prefix;
    int lines;
};

// Latin lists one line fewer than its table holds: its closing entry (26) is not shown.
// The Windows-1252 languages list '.', their letters and the closing entry.
constexpr IndexListing kIndexListings[] = {
    {"ABCrus [", 34}, {"ABCeng [", 28}, {"ABClat [", 26}, {"ABCusa [", 28},
    {"ABCger [", 32}, {"ABCfre [", 44}, {"ABCita [", 38}, {"ABCspa [", 35},
};
static_assert(std::size(kIndexListings) == kAllLanguages.size());

std::string Caption(Language language, DictFile file) {
    return "Info for [" + FileName(language, file) + "]";
}

void AddSummary(DictionaryInfo& info, std::size_t maxLen, std::size_t count) {
    info.lines.push_back("Pattern maxLen: " + std::to_string(maxLen) + " symbols");
    info.lines.push_back("Total records: " + std::to_string(count));
}

} // namespace

DictionaryInfo MainDictionaryInfo(Language language, const LetterIndexTable& index,
                                  const std::vector<DictRecord>& patterns) {
    DictionaryInfo info;
    info.caption = Caption(language, DictFile::MainCompiled);
    const IndexListing& listing = kIndexListings[IndexOf(language)];
    for (int n = 1; n <= listing.lines; ++n) {
        const LetterIndexEntry& entry = index[static_cast<std::size_t>(n - 1)];
        info.lines.push_back(listing.prefix + std::to_string(n) + "]= " +
                             std::to_string(entry.letter) + ", " + std::to_string(entry.first));
    }
    std::size_t maxLen = 0;
    for (const DictRecord& record : patterns)
        maxLen = std::max(maxLen, text::TrimView(record.text).size());
    AddSummary(info, maxLen, patterns.size());
    return info;
}

DictionaryInfo ExceptionsDictionaryInfo(Language language,
                                        const std::vector<std::string>& entries) {
    DictionaryInfo info;
    info.caption = Caption(language, DictFile::ExceptionsCompiled);
    std::size_t maxLen = 0;
    for (const std::string& entry : entries) {
        std::string_view trimmed = text::TrimView(entry);
        info.lines.emplace_back(trimmed);
        maxLen = std::max(maxLen, trimmed.size());
    }
    AddSummary(info, maxLen, entries.size());
    return info;
}

DictionaryInfo GetDictionaryInfo(const DictionaryState& state, DictionaryKind kind) {
    const Language language = state.currentLanguage();
    if (kind == DictionaryKind::Main)
        return MainDictionaryInfo(language, state.letterIndex(language), state.patterns());
    return ExceptionsDictionaryInfo(language, state.exceptionTexts());
}

} // namespace cantiva::dictionaries
