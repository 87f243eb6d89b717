#include "io/io_error.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace cantiva {

IoError::IoError(int code, std::filesystem::path file, int sysError, std::string reason)
    : std::runtime_error(IoErrorMessage(code)), code_(code),
      file_(std::move(file).lexically_normal()), sysError_(sysError), reason_(std::move(reason)) {}

std::string IoErrorMessage(int code) {
    switch (code) {
    case io_code::kFileNotFound:
        return "File not found";
    case io_code::kInvalidFilename:
        return "Invalid filename";
    case io_code::kTooManyOpenFiles:
        return "Too many open files";
    case io_code::kAccessDenied:
        return "File access denied";
    case io_code::kReadBeyondEnd:
        return "Read beyond end of file";
    case io_code::kDiskFull:
        return "Disk full";
    case io_code::kInvalidNumericInput:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

namespace {

constexpr std::array kCodesWithText = {io_code::kFileNotFound,       io_code::kInvalidFilename,
                                       io_code::kTooManyOpenFiles,   io_code::kAccessDenied,
                                       io_code::kReadBeyondEnd,      io_code::kDiskFull,
                                       io_code::kInvalidNumericInput};

} // namespace

int IoCodeFromErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return io_code::kFileNotFound;
    case EINVAL:
    case ENAMETOOLONG:
        return io_code::kInvalidFilename;
    case EMFILE:
    case ENFILE:
        return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
        return io_code::kDiskFull;
    default:
        // Not std::ranges::find: Emscripten's libc++ has no ranges algorithms yet.
        return std::find(kCodesWithText.begin(), kCodesWithText.end(), err) == kCodesWithText.end()
                   ? err
                   : io_code::kUnmappedCauseBase + err;
    }
}

std::string DescribeIoError(const IoError& error) {
    std::string text;
    if (!error.file().empty()) {
        text += error.file().string();
        text += ": ";
    }
    if (!error.reason().empty())
        text += error.reason();
    else
        text += error.sysError() != 0 ? std::string(std::strerror(error.sysError()))
                                      : IoErrorMessage(error.code());
    // The program's own code, as the window would report it.
    text += " (I/O error " + std::to_string(error.code()) + ")";
    return text;
}

void ThrowIoErrorFromErrno(int err, const std::filesystem::path& file) {
    throw IoError(IoCodeFromErrno(err), file, err);
}

} // namespace cantiva
