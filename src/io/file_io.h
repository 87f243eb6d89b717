#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reading and writing for the core; every failure is an IoError with its code and the
// file it concerns.
namespace cantiva {

std::string ReadWholeFile(const std::filesystem::path& path);

// Everything an open descriptor still has to give (standard input, for one).
std::string ReadAll(int fd);

// Writes all of `bytes` to an open descriptor; failures name `nameForErrors`.
void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& nameForErrors);

// Throws IoError when the file cannot be opened for reading; reads nothing.
void CheckReadable(const std::filesystem::path& path);

struct ReplaceOptions {
    // The kind of temporary file, its name beside the target before a unique suffix; empty for
    // "." + the target's name + ".part".
    std::string temporaryKind;
    // The old file must be there: checked just before the rename, which does not happen without.
    bool targetMustExist = false;
};

// The one way every writer replaces a file, so the target is always either the old file or the
// new one, whole, even with two writers at once or after a crash:
// - a symbolic link is followed, and the file it names is replaced;
// - an existing file that is a folder, or read-only, is refused;
// - the bytes go to a fresh temporary file of the target's folder, created exclusively and never
//   through a link (leftover temporaries of any kind are skipped, never opened), with the old
//   file's permissions;
// - it is flushed to disk, renamed over the target, and the folder is flushed.
// On failure the temporary file is removed and the target stays as it was.
class FileReplacement {
public:
    // Checks the target and creates the temporary file; throws IoError naming the target.
    FileReplacement(const std::filesystem::path& target, const ReplaceOptions& options = {});
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    // Writes `bytes` and puts them in place; throws IoError. Called once.
    void commit(std::string_view bytes);

    const std::filesystem::path& temporaryPath() const { return temporary_; }

private:
    void discard();

    std::filesystem::path given_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    ReplaceOptions options_;
    int fd_ = -1;
    bool pending_ = false; // the temporary file is on disk
};

// Writes `bytes` as `target` by the output rule of every writer (OutputFile): a regular file is
// replaced as above, a device or FIFO written in place, anything else refused.
void ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                 const ReplaceOptions& options = {});

// A temporary name for a target in `folder`: `kind`, a dot and random letters. The file is
// created exclusively, never through a link; a name that is taken, by anything, is skipped.
std::filesystem::path TemporaryPath(const std::filesystem::path& folder, const std::string& kind);

} // namespace cantiva
