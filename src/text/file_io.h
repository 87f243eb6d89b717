#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reading and writing for the core; every failure is an IoError with its code.
namespace cantiva {

std::string ReadWholeFile(const std::filesystem::path& path);

// Everything an open descriptor still has to give (standard input, for one).
std::string ReadAll(int fd);

// Throws IoError when the file cannot be opened for reading; reads nothing.
void CheckReadable(const std::filesystem::path& path);

// Creates or truncates `path`, writes `bytes` and flushes them to disk. On failure the partly
// written file is removed.
void WriteFileDurably(const std::filesystem::path& path, std::string_view bytes);

// Writes `bytes` to `tempPath` (created or truncated), flushes it to disk and renames it over
// `target`, so `target` is always either the old file or the new one, whole. On failure the
// temporary file is removed and `target` is left as it was.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         const std::filesystem::path& tempPath);

// The same with a hidden temporary name beside `target`.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Renames `from` over `to` within one folder.
void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace cantiva
