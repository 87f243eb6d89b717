#include "dictionaries/compilers.h"

#include "text/character_sets.h"
#include "text/cp1251.h"

#include <algorithm>
#include <iterator>

namespace cantiva::dictionaries {
namespace {

using text::ByteSet;

// A record's key keeps the language's letters and, for patterns, the blank, the dot and '%'.
constexpr ByteSet kStructure = ByteSet::chars(" .%");

ByteSet ExceptionKept(Language language) {
    return LanguageInfoOf(language).exceptionKeyLetters | ByteSet::of({' '});
}

std::string KeyOf(std::string_view text, const ByteSet& kept) {
    std::string key;
    key.reserve(text.size());
    for (char c : text)
        if (kept.contains(c))
            key += c;
    return key;
}

std::string FitToWidth(std::string_view line, int width) {
    std::string text(line.substr(0, std::min<std::size_t>(line.size(), kMaxRecordWidth)));
    text.resize(static_cast<std::size_t>(std::max(width, 0)), ' ');
    return text;
}

} // namespace

int LongestTrimmedLine(std::string_view source) {
    std::size_t longest = 0;
    for (std::string_view line : text::SplitLines(source))
        longest = std::max(longest, text::TrimView(line).size());
    return static_cast<int>(longest);
}

std::vector<DictRecord> CompileMainSource(std::string_view source, Language language, int width) {
    const ByteSet kept = LanguageInfoOf(language).patternKeyLetters | kStructure;
    std::vector<DictRecord> records;
    for (std::string_view line : text::SplitLines(source)) {
        std::string text = FitToWidth(line, width);
        std::string key = KeyOf(text, kept);
        records.push_back({std::move(text), std::move(key)});
    }
    return records;
}

std::vector<DictRecord> CompileExceptionSource(std::string_view source, int width,
                                               Language language) {
    const ByteSet kept = ExceptionKept(language);
    const text::CaseMap& caseMap = *LanguageInfoOf(language).caseMap;
    std::vector<DictRecord> records;
    for (std::string_view line : text::SplitLines(source)) {
        std::string lowered = caseMap.lower(text::TrimView(line));
        std::string text =
            FitToWidth(lowered, std::max<int>(width, static_cast<int>(std::min<std::size_t>(
                                                         lowered.size(), kMaxRecordWidth))));
        std::string key = KeyOf(text, kept);
        records.push_back({std::move(text), std::move(key)});
    }
    return records;
}

} // namespace cantiva::dictionaries
