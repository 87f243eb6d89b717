#pragma once

#include "engine/hyphenate_word.h"

#include <span>
#include <string>
#include <string_view>

namespace cantiva::engine {

// One word of Unicode text held in the language's code page, whose placeholders stand for the
// characters of `foreign` in order. The language folds each of them to dictionary letters, the
// word step divides the folded word, and the cuts go back into the word as written: every
// character, accent and case stays, and no cut falls inside a ligature. A word with a character
// the language cannot fold, or whose division would change a letter, stays whole.
void DivideWrittenWord(WordSink& sink, std::string_view word, std::span<const std::string> foreign,
                       const WordContext& context, LogLines* log);

} // namespace cantiva::engine
