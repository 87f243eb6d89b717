#pragma once

#include "dictionaries/language.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cantiva::dictionaries {

// The exceptions source as the editor writes it: the entries in order, CR LF between them and
// none after the last.
std::string ExceptionsSourceText(const std::vector<std::string>& entries);

// Writes that text to `path`, replacing the file whole: a failed write keeps the old source.
void SaveExceptionsSource(const std::filesystem::path& path,
                          const std::vector<std::string>& entries);

// The entries of an exceptions source: its lines (ended by CR LF, LF or CR), blank ones left out.
std::vector<std::string> ExceptionsSourceEntries(std::string_view source);

// `entries` with `entry` in place of those for the same word (its letters, hyphens and blanks
// left out, in `language`'s lower case), or after them when there is none.
std::vector<std::string> WithException(std::vector<std::string> entries, const std::string& entry,
                                       Language language);

} // namespace cantiva::dictionaries
