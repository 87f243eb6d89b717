#include "notation/vowel_meetings.h"

#include "text/utf8_codec.h"

#include <algorithm>
#include <string_view>

namespace cantiva::notation {
namespace {

bool IsVowel(char32_t cp) {
    static constexpr std::u32string_view kVowels =
        U"aeiouyAEIOUYàáâãäåæèéêëìíîïòóôõöøœùúûüýÿÀÁÂÃÄÅÆÈÉÊËÌÍÎÏÒÓÔÕÖØŒÙÚÛÜÝŸ";
    return kVowels.find(cp) != std::u32string_view::npos;
}

char32_t FirstCodePoint(std::string_view s) {
    char32_t cp = 0;
    return text::DecodeCodePoint(s, cp) > 0 ? cp : 0;
}

char32_t LastCodePoint(std::string_view s) {
    std::size_t start = s.size();
    while (start > 0 && (static_cast<unsigned char>(s[start - 1]) & 0xC0) == 0x80)
        --start;
    return start > 0 ? FirstCodePoint(s.substr(start - 1)) : 0;
}

bool EndsInVowel(const DividedWord& word) {
    return !word.punctuationOnly && !word.syllables.empty() &&
           IsVowel(LastCodePoint(word.syllables.back()));
}

bool StartsWithVowel(const DividedWord& word) {
    if (word.punctuationOnly || word.syllables.empty())
        return false;
    std::string_view first = word.syllables.front();
    if (!first.empty() && (first.front() == 'h' || first.front() == 'H'))
        first.remove_prefix(1);
    return IsVowel(FirstCodePoint(first));
}

} // namespace

void MarkVowelMeetings(std::vector<DividedLine>& lines) {
    for (DividedLine& line : lines) {
        for (std::size_t k = 0; k + 1 < line.size(); ++k) {
            if (line[k].next == NextJoin::Apart && EndsInVowel(line[k]) &&
                StartsWithVowel(line[k + 1]))
                line[k].next = NextJoin::SameNoteIfShort;
        }
    }
}

} // namespace cantiva::notation
