#pragma once

#include "notation/divided_text.h"

#include <vector>

namespace cantiva::notation {

// Marks, in a divided text that comes from outside the engine (so without the language's join
// rules), every place where a word ending in a vowel meets, within a line and without
// punctuation between, a word starting with a vowel or with h and a vowel: "che io", "la obra",
// "vi-e en". Such a pair may be sung on one note (synalepha, the elided mute e); the mark lets the
// aligner take it only where the melody has fewer notes than syllables. Joins already written
// ("‿", "_") stay as they are.
void MarkVowelMeetings(std::vector<DividedLine>& lines);

} // namespace cantiva::notation
