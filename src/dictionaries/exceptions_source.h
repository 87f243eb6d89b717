#pragma once

#include <string>
#include <vector>

namespace cantiva::dictionaries {

// The exceptions source as the editor writes it: the entries in order, CR LF between them and
// none after the last.
std::string ExceptionsSourceText(const std::vector<std::string>& entries);

} // namespace cantiva::dictionaries
