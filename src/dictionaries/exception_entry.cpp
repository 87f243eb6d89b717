#include "dictionaries/exception_entry.h"

#include "text/character_sets.h"
#include "text/cp1251.h"

namespace cantiva::dictionaries {

bool IsCyrillicEntry(std::string_view entry) {
    return !entry.empty() && text::kCyrillicEntryChars.containsAll(entry);
}

bool IsLatinEntry(std::string_view entry) {
    return !entry.empty() && text::kLatinEntryChars.containsAll(entry);
}

bool HasDoubleHyphen(std::string_view entry) {
    return entry.find("--") != std::string_view::npos;
}

ExceptionEntryCheck CheckExceptionEntry(std::string_view entry) {
    return CheckExceptionEntry(entry, Language::Russian);
}

ExceptionEntryCheck CheckExceptionEntry(std::string_view entry, Language language) {
    const std::string_view trimmed = text::TrimView(entry);
    if (trimmed.empty())
        return ExceptionEntryCheck::Empty;
    const LanguageInfo& info = LanguageInfoOf(language);
    const bool written =
        info.foldsCodePageLetters
            ? (text::kEntrySeparators | text::kAsciiLetterRange | info.letters).containsAll(trimmed)
            : IsCyrillicEntry(trimmed) || IsLatinEntry(trimmed);
    if (!written)
        return ExceptionEntryCheck::Invalid;
    if (HasDoubleHyphen(trimmed))
        return ExceptionEntryCheck::Invalid;
    return ExceptionEntryCheck::Valid;
}

} // namespace cantiva::dictionaries
