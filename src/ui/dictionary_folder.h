#pragma once

#include "dictionaries/dictionary_folders.h"

#include <QString>
#include <filesystem>
#include <optional>

namespace cantiva::ui {

class Platform;

using dictionaries::UserDictionaryFolder;

// The shipped dictionaries (dictionaries::ShippedDictionaryFolder) of the program in
// `programFolder`.
std::optional<std::filesystem::path> ShippedDictionaryFolder(const QString& programFolder,
                                                             const QString& relativeToProgram);

// Brings the user's folder up to date with the shipped dictionaries and makes it the current
// directory, where the windows find their dictionaries. The user is told once when a newer
// shipped dictionary waits beside one they changed. A failure is reported and the program goes on
// with what the folder holds.
void EnterUserDictionaryFolder(Platform& platform, const std::filesystem::path& shipped);

} // namespace cantiva::ui
