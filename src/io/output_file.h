#pragma once

#include "io/file_io.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace cantiva {

// The one rule by which every command and window writes a file the user or a dictionary names:
// - "-" is standard output;
// - a regular file, or a name not taken yet, is replaced whole (FileReplacement);
// - a character device or a FIFO, or a link to one, is opened as it is and the bytes streamed
//   into it: it is never replaced by a regular file;
// - anything else (a folder, a socket, a block device) is refused with an IoError naming it.
class OutputFile {
public:
    // Checks the target and opens what will be written; throws IoError naming the target.
    explicit OutputFile(const std::filesystem::path& target, const ReplaceOptions& options = {});
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Writes `bytes` (and, for a regular file, puts them in place); throws IoError. Called once.
    void commit(std::string_view bytes);

private:
    std::filesystem::path given_;
    std::optional<FileReplacement> replacement_;
    int fd_ = -1; // the stream written in place, when there is no replacement
    bool ownsFd_ = false;
};

// Writes `bytes` as `target` by the rule above.
void WriteOutputFile(const std::filesystem::path& target, std::string_view bytes,
                     const ReplaceOptions& options = {});

} // namespace cantiva
