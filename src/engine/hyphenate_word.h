#pragma once

#include "dictionaries/dictionary_state.h"
#include "dictionaries/exception_dictionary.h"
#include "dictionaries/language.h"
#include "dictionaries/pattern_search.h"
#include "text/divided_run.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cantiva::engine {

using dictionaries::Language;

// What the word step reads: the language and its loaded dictionaries.
struct WordContext {
    Language language;
    const dictionaries::PatternSearch& patterns;
    int longestPattern;
    const dictionaries::ExceptionDictionary& exceptions;

    static WordContext From(const dictionaries::DictionaryState& state) {
        return {state.currentLanguage(), state.patternSearch(), state.longestPattern(),
                state.exceptions()};
    }
};

using LogLines = std::vector<std::string>;

inline constexpr std::string_view kLogRule = "-------------------";

// A word with fewer linked letters than this stays whole.
inline constexpr int kMinimumLinkedLetters = 3;

// Weights per gap of a dotted word: weights[p] belongs to the gap before character p (from 1).
// A pattern's weights reach a few places past the end of the longest word (32 letters).
inline constexpr std::size_t kGapSlots = 72;
using GapWeights = std::array<std::uint8_t, kGapSlots>;
// Example: ComputeWeights(".мама.") gives 0 0 0 1 0 0 (positions 1 to 6) when а1м is the one
// pattern: the odd 1 stands in the gap before the second "м", the third letter, so
// the word is cut as "ма-ма".

// The weights of the dotted word `dotted`; with `log`, the matching patterns' texts are added in
// window length, start, record order.
GapWeights ComputeWeights(std::string_view dotted, const WordContext& context, LogLines* log);

// "0 0 0 1 0 0 ": weights 1..n, each followed by a blank.
std::string WeightLine(const GapWeights& weights, std::size_t n);

// Join rules of Russian, English, Latin and American: undo a break that leaves one letter alone
// at the end, then at the start.
std::string JoinFinalLetter(std::string_view hyphenated, Language language);
std::string JoinInitialLetter(std::string_view hyphenated, Language language);
// The language's join rules as the word step applies them: those two (in English and Russian
// followed by the join of a part without a vowel to the next), or for the Windows-1252 languages
// the join of every part without a vowel to its neighbour.
std::string Join(std::string_view hyphenated, Language language);

// Appends the exception text `exceptionText` with the case of `original`: the k-th letter of
// `exceptionText` (hyphens not counted) is upper-cased where the k-th character of `original` is an
// upper-case letter.
void AppendWithCaseOf(std::string& out, std::string_view exceptionText, std::string_view original,
                      const text::CaseMap& caseMap = text::kWindows1251Case);

// Where the word step writes one word: its letters onto `letters`, its cuts onto `cuts`, each at
// an offset from `start`.
struct WordSink {
    std::string& letters;
    std::vector<text::Cut>& cuts;
    std::size_t start;

    void cut(text::CutKind kind) {
        cuts.push_back({static_cast<std::uint16_t>(letters.size() - start), kind});
    }
};

// One word of a token, divided: its letters and cuts go to `sink`. Log lines go to `log` when
// given. Throws IoError when the exceptions dictionary cannot be read.
void DivideWord(WordSink& sink, std::string_view word, const WordContext& context, LogLines* log);

// One word of a token, divided into syllables (or unchanged). Log lines go to `log` when given.
// Throws IoError when the exceptions dictionary cannot be read.
std::string HyphenateWord(std::string_view word, const WordContext& context, LogLines* log);

// The same, appended to `out` with a hyphen at every cut.
void AppendHyphenatedWord(std::string& out, std::string_view word, const WordContext& context,
                          LogLines* log);

} // namespace cantiva::engine
