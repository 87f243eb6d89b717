#pragma once

#include <string>
#include <string_view>

// Finale lyrics: the hyphenated result with the spaces that must not break turned into
// non-breaking spaces (0xA0). Everything else passes through byte for byte.
namespace cantiva::exporting {

// One line (no line break in it), converted; the result has the same length as the line. A space
// becomes 0xA0 after a lone preposition в к с (any case), before a lone particle б or ж, before
// the particle ль followed by a space, and, with `bindDashes`, before a free-standing en or em
// dash. All conditions look at the unconverted line.
std::string ConvertFinaleLine(std::string_view line, bool bindDashes);

// Every line of the pane (empty lines included, none after a final line break), converted and
// followed by CR LF.
std::string FinaleExportText(std::string_view paneText, bool bindDashes);

} // namespace cantiva::exporting
