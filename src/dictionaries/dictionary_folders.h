#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Where the programs find their dictionaries.
namespace cantiva::dictionaries {

// The per-user dictionary folder: $XDG_DATA_HOME/cantiva, or ~/.local/share/cantiva when that is
// not an absolute path.
std::filesystem::path UserDictionaryFolder();

// The shipped dictionaries: the folder named by CANTIVA_SHIPPED_DICTIONARIES (the launcher sets
// it to the build's), else the installed one beside the program (`relativeToProgram` from its
// folder), else none.
std::optional<std::filesystem::path>
ShippedDictionaryFolder(const std::filesystem::path& programFolder,
                        std::string_view relativeToProgram);

// Whether `folder` holds a dictionary file of any language, source or compiled.
bool HoldsDictionaries(const std::filesystem::path& folder);

} // namespace cantiva::dictionaries
