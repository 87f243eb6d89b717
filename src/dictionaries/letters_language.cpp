#include "dictionaries/letters_language.h"

#include "text/utf8_codec.h"

#include <array>
#include <utility>

namespace cantiva::dictionaries {
namespace {

bool IsCyrillic(char32_t c) {
    return c >= 0x0400 && c <= 0x04FF;
}

bool IsLatin(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F);
}

// The accented letters, lower case, that tell one western language from the others.
constexpr std::array<std::pair<Language, std::u32string_view>, 4> kTellingLetters = {{
    {Language::German, U"äöüß"},
    {Language::French, U"çêèëîïôœû"},
    {Language::Italian, U"àìòù"},
    {Language::Spanish, U"ñáíóú"},
}};

char32_t Lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x152)
        return 0x153;
    return c;
}

Language WesternLanguageOf(std::u32string_view letters) {
    Language best = Language::English;
    int bestCount = 0;
    for (const auto& [language, telling] : kTellingLetters) {
        int count = 0;
        for (char32_t c : letters)
            if (telling.find(Lower(c)) != std::u32string_view::npos)
                ++count;
        if (count > bestCount) {
            best = language;
            bestCount = count;
        }
    }
    return best;
}

} // namespace

std::optional<Language> LanguageOfTheLetters(std::string_view utf8, Language current) {
    std::u32string latin;
    std::size_t cyrillic = 0;
    while (!utf8.empty()) {
        char32_t c = 0;
        const std::size_t length = text::DecodeCodePoint(utf8, c);
        utf8.remove_prefix(length == 0 ? 1 : length);
        if (length == 0)
            continue;
        if (IsCyrillic(c))
            ++cyrillic;
        else if (IsLatin(c))
            latin += c;
    }
    const bool russian = current == Language::Russian;
    if (!russian && cyrillic > latin.size())
        return Language::Russian;
    if (russian && latin.size() > cyrillic)
        return WesternLanguageOf(latin);
    return std::nullopt;
}

} // namespace cantiva::dictionaries
