#pragma once

#include "dictionaries/language.h"
#include "text/character_sets.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The small functions that classify and cut one word. Positions count from 1.
namespace cantiva::engine {

using dictionaries::Language;

// The letter set of a language: Russian, English and American, Latin, or the letters of a
// Windows-1252 language.
inline const text::ByteSet& LetterSet(Language l) {
    return dictionaries::LanguageInfoOf(l).letters;
}

bool StartsWithPunctuation(std::string_view word);
bool EndsWithPunctuation(std::string_view word);
std::string_view LeadingPunctuation(std::string_view word);
std::string_view TrailingPunctuation(std::string_view word);
std::string_view StripEnds(std::string_view word, std::size_t lead, std::size_t trail);

// 1 plus the number of adjacent pairs of language letters; an empty word gives 1.
int LinkedLetterCount(std::string_view word, Language language);
bool IsLanguageWord(std::string_view word, Language language);

// The first of the language's clitics, in table order, that the word ends with; empty if none.
std::string_view FindClitic(std::string_view word, std::span<const std::string_view> clitics);
// The same for English.
std::string_view FindClitic(std::string_view word);

// The apostrophes of the code pages: ' and ’ (0x92 in Windows-1251 and Windows-1252).
inline bool IsApostrophe(char c) {
    return c == '\'' || c == '\x92';
}

} // namespace cantiva::engine
