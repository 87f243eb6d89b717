#include "engine/word_functions.h"

#include "engine/character_sets.h"

namespace cantiva::engine {

bool StartsWithPunctuation(std::string_view word) {
    return !word.empty() && kPunctuationMarks.contains(word.front());
}

bool EndsWithPunctuation(std::string_view word) {
    return !word.empty() && kPunctuationMarks.contains(word.back());
}

std::string_view LeadingPunctuation(std::string_view word) {
    std::size_t n = 0;
    while (n < word.size() && kPunctuationMarks.contains(word[n]))
        ++n;
    return word.substr(0, n);
}

std::string_view TrailingPunctuation(std::string_view word) {
    std::size_t n = 0;
    while (n < word.size() && kPunctuationMarks.contains(word[word.size() - 1 - n]))
        ++n;
    return word.substr(word.size() - n);
}

std::string_view StripEnds(std::string_view word, std::size_t lead, std::size_t trail) {
    if (lead + trail >= word.size())
        return {};
    return word.substr(lead, word.size() - lead - trail);
}

int LinkedLetterCount(std::string_view word, Language language) {
    const ByteSet& letters = LetterSet(language);
    int count = 1;
    bool previousIsLetter = false;
    for (char c : word) {
        if (letters.contains(c)) {
            if (previousIsLetter)
                ++count;
            previousIsLetter = true;
        } else {
            previousIsLetter = false;
        }
    }
    return count;
}

bool IsLanguageWord(std::string_view word, Language language) {
    return LetterSet(language).containsAll(word);
}

int FindClitic(std::string_view word) {
    for (std::size_t k = 0; k < kEnglishClitics.size(); ++k)
        if (word.ends_with(kEnglishClitics[k]))
            return static_cast<int>(k + 1);
    return 0;
}

std::size_t FindYo(std::string_view word) {
    if (auto p = word.find('\xB8'); p != std::string_view::npos)
        return p + 1;
    if (auto p = word.find('\xA8'); p != std::string_view::npos)
        return p + 1;
    return 0;
}

} // namespace cantiva::engine
