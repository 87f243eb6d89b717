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

namespace {

constexpr std::string_view kLatinVowels = "aeiouyAEIOUY";

// A piece between hyphens that holds letters but no vowel: no syllable can be sung on it.
bool HasSyllableWithoutVowel(std::string_view trimmed, const LanguageInfo& info) {
    if (trimmed.find('-') == std::string_view::npos)
        return false; // a word left whole may be a lone consonant ("в")
    std::size_t start = 0;
    while (start <= trimmed.size()) {
        std::size_t end = trimmed.find_first_of("- \xA0", start);
        if (end == std::string_view::npos)
            end = trimmed.size();
        const std::string_view piece = trimmed.substr(start, end - start);
        bool letters = false;
        bool vowel = false;
        for (char c : piece) {
            const auto b = static_cast<unsigned char>(c);
            const auto folded = static_cast<unsigned char>(b | 0x20);
            letters = letters || info.letters.contains(b) || (folded >= 'a' && folded <= 'z');
            vowel =
                vowel || info.vowels.contains(b) || kLatinVowels.find(c) != std::string_view::npos;
        }
        if (letters && !vowel)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

std::string ExceptionEntryRefusal(std::string_view entry, Language language) {
    const std::string_view trimmed = text::TrimView(entry);
    if (trimmed.empty())
        return {};
    const LanguageInfo& info = LanguageInfoOf(language);
    const bool written =
        info.foldsCodePageLetters
            ? (text::kEntrySeparators | text::kAsciiLetterRange | info.letters).containsAll(trimmed)
            : IsCyrillicEntry(trimmed) || IsLatinEntry(trimmed);
    if (!written)
        return "letters outside " + std::string(text::TrimView(info.languageName));
    if (HasDoubleHyphen(trimmed))
        return "two hyphens in a row";
    if (HasSyllableWithoutVowel(trimmed, info))
        return "a syllable has no vowel";
    return {};
}

ExceptionEntryCheck CheckExceptionEntry(std::string_view entry, Language language) {
    if (text::TrimView(entry).empty())
        return ExceptionEntryCheck::Empty;
    return ExceptionEntryRefusal(entry, language).empty() ? ExceptionEntryCheck::Valid
                                                          : ExceptionEntryCheck::Invalid;
}

} // namespace cantiva::dictionaries
