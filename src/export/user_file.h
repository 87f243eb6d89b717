#pragma once

#include "io/io_error.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cantiva::exporting {

// The bytes of a text file written for the user: Windows-1251 when every character fits (no
// foreign characters), else UTF-8 with a byte-order mark.
std::string UserFileBytes(std::string_view cp1251, const std::vector<std::string>& foreign);

// A user file that could not be saved: either it could not be created (no such folder, no
// permission, an existing file that is read-only) or writing its content failed.
class UserFileError : public IoError {
public:
    enum class Stage { Create, Write };
    UserFileError(Stage stage, const IoError& cause)
        : IoError(cause.code(), cause.file(), cause.sysError(), cause.reason()), stage_(stage) {}
    Stage stage() const { return stage_; }

private:
    Stage stage_;
};

// Saves `bytes` as `target` by the output rule (OutputFile): a failure leaves the old file (if
// any) whole and no temporary file behind; a file that exists keeps its permissions; a symbolic
// link is followed; a device or FIFO is written in place; "-" is standard output.
// Throws UserFileError.
void WriteUserFile(const std::filesystem::path& target, std::string_view bytes);

} // namespace cantiva::exporting
