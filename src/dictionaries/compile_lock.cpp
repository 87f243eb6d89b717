#include "dictionaries/compile_lock.h"

#include "io/io_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace cantiva::dictionaries {
namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

} // namespace

CompileLock::CompileLock(const std::filesystem::path& folder, std::chrono::milliseconds wait) {
    const std::filesystem::path path = folder / kFileName;
    // The lock file is never followed through a link; one made by another user is locked read-only.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno == EACCES)
        fd_ = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0)
        ThrowIoErrorFromErrno(errno, path);

    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        if (err == EINTR)
            continue;
        if (err != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            if (err == EWOULDBLOCK)
                throw DictionaryBusyError();
            ThrowIoErrorFromErrno(err, path);
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

CompileLock::~CompileLock() {
    ::close(fd_); // releases the lock
}

} // namespace cantiva::dictionaries
