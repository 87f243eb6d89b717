#pragma once

#include <string>
#include <vector>

// The SCORE macro is always Windows-1251: what it cannot hold is written as "?", and the user is
// told which characters those are before anything is written.
namespace cantiva::exporting {

// The characters of the given foreign lists (text::CodePageText::foreign of the texts that go
// into the macro), each once, in order of first appearance.
std::vector<std::string>
ScoreUnwritableCharacters(const std::vector<const std::vector<std::string>*>& foreignLists);

// "The SCORE macro is written in Windows-1251, which cannot hold these characters: á (U+00E1),
// 😀 (U+1F600)." A byte that was not UTF-8 shows as "byte 0xFF".
std::string ScoreUnwritableMessage(const std::vector<std::string>& characters);

} // namespace cantiva::exporting
