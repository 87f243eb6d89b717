#pragma once

#include <string_view>
#include <vector>

// What the exports read from a text pane.
namespace cantiva::exporting {

// True when the pane holds nothing but blanks and control characters: nothing to export.
bool IsBlankPane(std::string_view paneText);

// The pane's lines as it shows them: split at CR LF, CR or LF, empty lines included, and no
// further empty line after a final line break.
std::vector<std::string_view> PaneLines(std::string_view paneText);

} // namespace cantiva::exporting
