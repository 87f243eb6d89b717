#include "io/output_file.h"

#include "io/io_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cantiva {
namespace {

constexpr std::string_view kStandardOutput = "-";

bool IsStream(mode_t mode) {
    return S_ISCHR(mode) || S_ISFIFO(mode);
}

[[noreturn]] void Refuse(const std::filesystem::path& target, mode_t mode) {
    if (S_ISDIR(mode))
        ThrowIoErrorFromErrno(EISDIR, target);
    const char* kind = S_ISSOCK(mode) ? "A socket" : S_ISBLK(mode) ? "A block device" : "Something";
    throw IoError(io_code::kAccessDenied, target, 0,
                  std::string(kind) + ", not a file, character device or FIFO");
}

// The device or FIFO itself, opened for writing; a name that turned into something else
// between the look and the open is refused.
int OpenStream(const std::filesystem::path& target) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowIoErrorFromErrno(errno, target);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !IsStream(info.st_mode)) {
        const mode_t mode = info.st_mode;
        ::close(fd);
        Refuse(target, mode);
    }
    return fd;
}

} // namespace

OutputFile::OutputFile(const std::filesystem::path& target, const ReplaceOptions& options)
    : given_(target) {
    if (target == kStandardOutput) {
        fd_ = STDOUT_FILENO;
        given_ = "standard output";
        return;
    }
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || S_ISREG(info.st_mode)) {
        replacement_.emplace(target, options);
        return;
    }
    if (!IsStream(info.st_mode))
        Refuse(target, info.st_mode);
    fd_ = OpenStream(target);
    ownsFd_ = true;
}

OutputFile::~OutputFile() {
    if (ownsFd_ && fd_ >= 0)
        ::close(fd_);
}

void OutputFile::commit(std::string_view bytes) {
    if (replacement_) {
        replacement_->commit(bytes);
        return;
    }
    WriteAll(fd_, bytes, given_);
    if (!ownsFd_)
        return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        ThrowIoErrorFromErrno(errno, given_);
}

void WriteOutputFile(const std::filesystem::path& target, std::string_view bytes,
                     const ReplaceOptions& options) {
    OutputFile output(target, options);
    output.commit(bytes);
}

} // namespace cantiva
