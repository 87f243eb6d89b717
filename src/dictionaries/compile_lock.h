#pragma once

#include <chrono>
#include <filesystem>
#include <stdexcept>

namespace cantiva::dictionaries {

// Another compile of the same folder holds the lock for longer than we wait.
class DictionaryBusyError : public std::runtime_error {
public:
    DictionaryBusyError() : std::runtime_error("dictionary is being rebuilt by another process") {}
};

// Compiles of one dictionary folder take turns, across processes and windows: an advisory lock
// on a file of the folder, held for the life of the object. Waits at most `wait` for a running
// compile to finish, then throws DictionaryBusyError; a lock file that cannot be opened is an
// IoError.
class CompileLock {
public:
    static constexpr std::chrono::milliseconds kDefaultWait{10000};
    static constexpr const char* kFileName = ".cantiva-compile.lock";

    explicit CompileLock(const std::filesystem::path& folder,
                         std::chrono::milliseconds wait = kDefaultWait);
    CompileLock(const CompileLock&) = delete;
    CompileLock& operator=(const CompileLock&) = delete;
    ~CompileLock();

private:
    int fd_ = -1;
};

} // namespace cantiva::dictionaries
