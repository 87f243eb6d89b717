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
    const std::string_view trimmed = text::TrimView(entry);
    if (trimmed.empty())
        return ExceptionEntryCheck::Empty;
    if (!IsCyrillicEntry(trimmed) && !IsLatinEntry(trimmed))
        return ExceptionEntryCheck::Invalid;
    if (HasDoubleHyphen(trimmed))
        return ExceptionEntryCheck::Invalid;
    return ExceptionEntryCheck::Valid;
}

} // namespace cantiva::dictionaries
