#include "io/file_io.h"

#include "io/io_error.h"
#include "io/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace cantiva {
namespace {

constexpr int kTemporaryAttempts = 100;
constexpr int kTemporaryLetters = 12;

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

private:
    int fd_;
};

int OpenOrThrow(const std::filesystem::path& path, int flags, mode_t mode = 0) {
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    if (fd < 0)
        ThrowIoErrorFromErrno(errno, path);
    return fd;
}

void AppendAll(int fd, std::string& data, const std::filesystem::path& name) {
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowIoErrorFromErrno(errno, name);
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
}

// The file a write to `given` ends in: a symbolic link is followed, even a dangling one.
std::filesystem::path ResolveTarget(const std::filesystem::path& given) {
    struct stat info {};
    if (::lstat(given.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return given;
    std::error_code ec;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(given, ec);
    if (ec)
        ThrowIoErrorFromErrno(ec.value(), given);
    return resolved;
}

// A rename is durable only once its folder is on disk; a file system that cannot flush a folder
// has nothing to flush.
void SyncFolder(const std::filesystem::path& folder, const std::filesystem::path& nameForErrors) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    Fd guard(fd);
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != EBADF)
        ThrowIoErrorFromErrno(errno, nameForErrors);
}

} // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    Fd fd(OpenOrThrow(path, O_RDONLY));
    std::string data;
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode))
        data.reserve(static_cast<std::size_t>(info.st_size));
    AppendAll(fd.get(), data, path);
    return data;
}

std::string ReadAll(int fd) {
    std::string data;
    AppendAll(fd, data, "standard input");
    return data;
}

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& nameForErrors) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowIoErrorFromErrno(errno, nameForErrors);
        }
        done += static_cast<std::size_t>(n);
    }
}

void CheckReadable(const std::filesystem::path& path) {
    Fd fd(OpenOrThrow(path, O_RDONLY));
}

std::filesystem::path TemporaryPath(const std::filesystem::path& folder, const std::string& kind) {
    // Random, so that nobody can plant a link or a file at the name a writer will take.
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = kind;
    name += '.';
    for (int i = 0; i < kTemporaryLetters; ++i)
        name += kLetters[pick(random)];
    return folder / name;
}

FileReplacement::FileReplacement(const std::filesystem::path& target, const ReplaceOptions& options)
    : given_(target), target_(ResolveTarget(target)), options_(options) {
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            ThrowIoErrorFromErrno(EISDIR, given_);
        // Marked read-only is refused even where the rights would allow it (as root).
        if ((existing.st_mode & 0222) == 0)
            ThrowIoErrorFromErrno(EACCES, given_);
        if (::access(target_.c_str(), W_OK) != 0)
            ThrowIoErrorFromErrno(errno, given_);
    }

    std::string kind = options_.temporaryKind;
    if (kind.empty()) {
        // Built step by step: GCC 12 warns falsely about "." + std::string&&.
        kind = ".";
        kind += target_.filename().string();
        kind += ".part";
    }
    const std::filesystem::path folder = target_.parent_path();
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = TemporaryPath(folder, kind);
        fd_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt + 1 == kTemporaryAttempts))
            ThrowIoErrorFromErrno(errno, given_);
    }
    pending_ = true;
    if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0) {
        int err = errno;
        discard();
        ThrowIoErrorFromErrno(err, given_);
    }
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (pending_)
        ::unlink(temporary_.c_str());
    pending_ = false;
}

void FileReplacement::commit(std::string_view bytes) {
    try {
        WriteAll(fd_, bytes, given_);
        if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
            ThrowIoErrorFromErrno(errno, given_);
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            ThrowIoErrorFromErrno(errno, given_);
        if (options_.targetMustExist)
            CheckReadable(given_);
        if (::rename(temporary_.c_str(), target_.c_str()) != 0)
            ThrowIoErrorFromErrno(errno, given_);
    } catch (const IoError&) {
        discard();
        throw;
    }
    pending_ = false;
    SyncFolder(target_.parent_path(), given_);
}

void ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                 const ReplaceOptions& options) {
    WriteOutputFile(target, bytes, options);
}

} // namespace cantiva
