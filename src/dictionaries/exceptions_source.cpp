#include "dictionaries/exceptions_source.h"

#include "io/file_io.h"
#include "text/cp1251.h"

#include <algorithm>

namespace cantiva::dictionaries {

std::string ExceptionsSourceText(const std::vector<std::string>& entries) {
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            out += text::kCrLf;
        out += entries[i];
    }
    return out;
}

void SaveExceptionsSource(const std::filesystem::path& path,
                          const std::vector<std::string>& entries) {
    ReplaceFile(path, ExceptionsSourceText(entries));
}

namespace {

std::string WordKey(std::string_view entry, Language language) {
    const LanguageInfo& info = LanguageInfoOf(language);
    std::string key;
    for (char c : entry)
        if (c != '-' && c != ' ' && c != '\xA0')
            key += info.caseMap->lower(c);
    return key;
}

} // namespace

std::vector<std::string> ExceptionsSourceEntries(std::string_view source) {
    std::vector<std::string> entries;
    while (!source.empty()) {
        const std::size_t end = std::min(source.find_first_of("\r\n"), source.size());
        if (!text::TrimView(source.substr(0, end)).empty())
            entries.emplace_back(source.substr(0, end));
        source.remove_prefix(end);
        if (source.starts_with("\r\n"))
            source.remove_prefix(2);
        else if (!source.empty())
            source.remove_prefix(1);
    }
    return entries;
}

std::vector<std::string> WithException(std::vector<std::string> entries, const std::string& entry,
                                       Language language) {
    const std::string key = WordKey(text::TrimView(entry), language);
    bool placed = false;
    std::vector<std::string> out;
    for (std::string& e : entries) {
        if (WordKey(text::TrimView(e), language) != key) {
            out.push_back(std::move(e));
        } else if (!placed) {
            out.push_back(entry);
            placed = true;
        }
    }
    if (!placed)
        out.push_back(entry);
    return out;
}

} // namespace cantiva::dictionaries
