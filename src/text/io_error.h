#pragma once

#include <stdexcept>
#include <string>

namespace cantiva {

// A failed file operation, carrying the input/output error code the user is told about.
class IoError : public std::runtime_error {
public:
    explicit IoError(int code);
    int code() const { return code_; }

private:
    int code_;
};

namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
} // namespace io_code

// "File not found", "Invalid filename", …, "I/O error %d".
std::string IoErrorMessage(int code);

// The input/output code of a C library errno value.
int IoCodeFromErrno(int err);

// Throws IoError for the current errno.
[[noreturn]] void ThrowIoErrorFromErrno(int err);

} // namespace cantiva
