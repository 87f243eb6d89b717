#include "engine/word_joins.h"

#include "engine/word_parts.h"

#include <algorithm>

namespace cantiva::engine {
namespace {

bool IsLetter(char c, const dictionaries::LanguageInfo& language) {
    return language.letters.contains(c);
}

// The word without the punctuation around it.
std::string_view LettersOf(std::string_view word) {
    const std::size_t lead = LeadingPunctuation(word).size();
    return StripEnds(word, lead, TrailingPunctuation(word.substr(lead)).size());
}

bool IsAspiratedH(std::string_view next, const dictionaries::LanguageInfo& language) {
    std::string lower(next);
    for (char& c : lower)
        c = language.caseMap->lower(c);
    return std::find(language.aspiratedH.begin(), language.aspiratedH.end(), lower) !=
           language.aspiratedH.end();
}

// The next word opens with a vowel sound: a vowel, or an h before a vowel that is not aspirated.
bool OpensWithVowel(std::string_view next, const dictionaries::LanguageInfo& language) {
    if (next.empty())
        return false;
    if (language.vowels.contains(next[0]))
        return true;
    return language.caseMap->lower(next[0]) == 'h' && next.size() > 1 &&
           language.vowels.contains(next[1]) && !IsAspiratedH(next, language);
}

// A final e after a consonant, sung as a syllable of its own (bel-le).
bool EndsWithMuteE(std::string_view word, bool divided,
                   const dictionaries::LanguageInfo& language) {
    const std::size_t n = word.size();
    return divided && n >= 2 && language.caseMap->lower(word[n - 1]) == 'e' &&
           IsLetter(word[n - 2], language) && !language.vowels.contains(word[n - 2]);
}

} // namespace

std::optional<text::CutKind> JoinBetween(std::string_view previous, bool divided,
                                         std::string_view next,
                                         const dictionaries::LanguageInfo& language) {
    const std::string_view before = LettersOf(previous);
    const std::string_view after = LettersOf(next);
    if (before.empty() || after.empty() || !OpensWithVowel(after, language))
        return std::nullopt;
    switch (language.wordJoin) {
    case dictionaries::WordJoin::MuteE:
        // Where the text pauses (a comma, a full stop) the melody mostly does too, and singers'
        // scores sing the e on a note of its own: â-me, Et (260 times to 15 joined).
        if (EndsWithMuteE(before, divided, language) && TrailingPunctuation(previous).empty())
            return text::CutKind::Elision;
        break;
    case dictionaries::WordJoin::Synalepha:
        if (language.vowels.contains(before.back()))
            return text::CutKind::Synalepha;
        break;
    case dictionaries::WordJoin::None:
        break;
    }
    return std::nullopt;
}

} // namespace cantiva::engine
