#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace cantiva::ui {

class Platform;

// The shipped dictionaries: the folder named by CANTIVA_SHIPPED_DICTIONARIES (the launcher sets
// it to the build's), else the installed one beside the program (`relativeToProgram` from its
// folder), else none.
std::optional<std::filesystem::path> ShippedDictionaryFolder(const QString& programFolder,
                                                             const QString& relativeToProgram);

// The per-user dictionary folder: $XDG_DATA_HOME/cantiva, or ~/.local/share/cantiva when that is
// not an absolute path.
std::filesystem::path UserDictionaryFolder();

// Brings the user's folder up to date with the shipped dictionaries and makes it the current
// directory, where the windows find their dictionaries. The user is told once when a newer
// shipped dictionary waits beside one they changed. A failure is reported and the program goes on
// with what the folder holds.
void EnterUserDictionaryFolder(Platform& platform, const std::filesystem::path& shipped);

} // namespace cantiva::ui
