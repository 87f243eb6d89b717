#pragma once

#include "notation/divided_text.h"
#include "text/code_page.h"
#include "text/divided_run.h"

#include <vector>

namespace cantiva::notation {

// A divided run as the notation exports read it, in UTF-8: a line for every line break, a word
// for every run of tokens between blanks (a word's own hyphen divides it, as in the pane), each
// word with the join of its last syllable to the next word.
std::vector<DividedLine> DividedLinesOf(const text::DividedRun& run,
                                        const text::CodePage& codePage);

} // namespace cantiva::notation
