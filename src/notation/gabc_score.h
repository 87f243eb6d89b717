#pragma once

#include "notation/divided_text.h"

#include <string>
#include <string_view>

// Gregorio's gabc: a header, "%%", then the text with an empty note group after every syllable
// for the chant's notes to be written into.
namespace cantiva::notation {

// The score's name: the first words (at most five) of the first line that has any, undivided,
// without the punctuation that ends them or a semicolon (it would end the header line).
std::string GabcName(std::string_view dividedUtf8);
std::string GabcName(const std::vector<DividedLine>& lines);

// The syllable with the characters gabc reads as markup escaped by "$".
std::string GabcText(std::string_view syllable);

// "name: …;", "%%", then "(c4)" and one line per line of the text: each syllable followed by
// "()", words by spaces, and "(::)" closing the line. Empty lines are left out. LF line ends.
// Two words sung on one note share its group, tied by "‿": "le‿â()".
std::string GabcScore(std::string_view dividedUtf8);
std::string GabcScore(const std::vector<DividedLine>& lines);

} // namespace cantiva::notation
