#include "text/file_io.h"

#include "text/io_error.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cantiva {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

int OpenOrThrow(const std::filesystem::path& path, int flags, mode_t mode = 0) {
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    if (fd < 0)
        ThrowIoErrorFromErrno(errno);
    return fd;
}

} // namespace

namespace {

void AppendAll(int fd, std::string& data) {
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowIoErrorFromErrno(errno);
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    Fd fd(OpenOrThrow(path, O_RDONLY));
    std::string data;
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode))
        data.reserve(static_cast<std::size_t>(info.st_size));
    AppendAll(fd.get(), data);
    return data;
}

std::string ReadAll(int fd) {
    std::string data;
    AppendAll(fd, data);
    return data;
}

void CheckReadable(const std::filesystem::path& path) {
    Fd fd(OpenOrThrow(path, O_RDONLY));
}

void WriteFileDurably(const std::filesystem::path& path, std::string_view bytes) {
    Fd fd(OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC, 0666));
    auto fail = [&](int err) {
        ::close(fd.release());
        ::unlink(path.c_str());
        ThrowIoErrorFromErrno(err);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)
        fail(errno);
    if (::close(fd.release()) != 0) {
        int err = errno;
        ::unlink(path.c_str());
        ThrowIoErrorFromErrno(err);
    }
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         const std::filesystem::path& tempPath) {
    WriteFileDurably(tempPath, bytes);
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(tempPath.c_str());
        ThrowIoErrorFromErrno(err);
    }
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path temp = target;
    // Built step by step: GCC 12 warns falsely about "." + std::string&&.
    std::string name = ".";
    name += target.filename().string();
    name += ".part";
    temp.replace_filename(name);
    WriteFileAtomically(target, bytes, temp);
}

void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        ThrowIoErrorFromErrno(errno);
}

} // namespace cantiva
