#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace cantiva {

// A failed file operation, carrying the input/output error code the user is told about and,
// where known, the file and the system's own error number, or a reason of the program's own
// when the system has none.
class IoError : public std::runtime_error {
public:
    explicit IoError(int code, std::filesystem::path file = {}, int sysError = 0,
                     std::string reason = {});
    int code() const { return code_; }
    const std::filesystem::path& file() const { return file_; }
    int sysError() const { return sysError_; }
    const std::string& reason() const { return reason_; }

private:
    int code_;
    std::filesystem::path file_;
    int sysError_;
    std::string reason_;
};

namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
// A system cause outside the mapping whose number is one of the codes above is reported as this
// plus its number, so that EIO (5) never reads as "File access denied".
inline constexpr int kUnmappedCauseBase = 1000;
} // namespace io_code

// "File not found", "Invalid filename", …, "I/O error %d".
std::string IoErrorMessage(int code);

// The file and the cause, for a command line: "RHYPHEN.PT: Permission denied (I/O error 5)".
std::string DescribeIoError(const IoError& error);

// The input/output code of a C library errno value.
int IoCodeFromErrno(int err);

// Throws IoError for `err`, naming `file` when given.
[[noreturn]] void ThrowIoErrorFromErrno(int err, const std::filesystem::path& file = {});

} // namespace cantiva
