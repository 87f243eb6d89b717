#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cantiva::dictionaries {

// The exceptions source as the editor writes it: the entries in order, CR LF between them and
// none after the last.
std::string ExceptionsSourceText(const std::vector<std::string>& entries);

// Writes that text to `path`, replacing the file whole: a failed write keeps the old source.
void SaveExceptionsSource(const std::filesystem::path& path,
                          const std::vector<std::string>& entries);

} // namespace cantiva::dictionaries
