#pragma once

#include "notation/divided_text.h"

#include <string>
#include <string_view>

// LilyPond lyrics: a \lyricmode block for \lyricsto, syllables joined by " -- ".
namespace cantiva::notation {

// The syllable as LilyPond reads it back: bare when the lyric reader takes it as one word, else
// a quoted string with " and \ escaped (digits, braces, backslash, quote, # $ % | ~ _, blanks,
// a leading hyphen).
std::string LilyPondSyllable(std::string_view syllable);

// "\lyricmode {", one indented line per line of the text (an empty line stays empty), "}", each
// line ended by LF. Punctuation that stands alone goes with the syllable before it.
// Two words sung on one note are tied: "le~â".
std::string LilyPondLyrics(std::string_view dividedUtf8);
std::string LilyPondLyrics(const std::vector<DividedLine>& lines);

} // namespace cantiva::notation
