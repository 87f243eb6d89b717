#include "engine/word_parts.h"

#include <algorithm>

namespace cantiva::engine {

bool StartsWithPunctuation(std::string_view word) {
    return !word.empty() && text::kPunctuationMarks.contains(word.front());
}

bool EndsWithPunctuation(std::string_view word) {
    return !word.empty() && text::kPunctuationMarks.contains(word.back());
}

std::string_view LeadingPunctuation(std::string_view word) {
    std::size_t n = 0;
    while (n < word.size() && text::kPunctuationMarks.contains(word[n]))
        ++n;
    return word.substr(0, n);
}

std::string_view TrailingPunctuation(std::string_view word) {
    std::size_t n = 0;
    while (n < word.size() && text::kPunctuationMarks.contains(word[word.size() - 1 - n]))
        ++n;
    return word.substr(word.size() - n);
}

std::string_view StripEnds(std::string_view word, std::size_t lead, std::size_t trail) {
    if (lead + trail >= word.size())
        return {};
    return word.substr(lead, word.size() - lead - trail);
}

int LinkedLetterCount(std::string_view word, Language language) {
    const text::ByteSet& letters = LetterSet(language);
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

std::string_view FindClitic(std::string_view word, std::span<const std::string_view> clitics) {
    // The table writes ', the text either apostrophe.
    const auto endsWith = [word](std::string_view clitic) {
        if (word.size() < clitic.size())
            return false;
        const std::string_view end = word.substr(word.size() - clitic.size());
        return std::equal(end.begin(), end.end(), clitic.begin(),
                          [](char w, char c) { return c == '\'' ? IsApostrophe(w) : w == c; });
    };
    for (std::string_view clitic : clitics)
        if (endsWith(clitic))
            return clitic;
    return {};
}

std::string_view FindClitic(std::string_view word) {
    return FindClitic(word, dictionaries::LanguageInfoOf(Language::English).clitics);
}

} // namespace cantiva::engine
