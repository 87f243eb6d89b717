#include "io/file_io.h"
#include "io/io_error.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace cantiva {
namespace {

TEST(IoErrorMessage, EveryCodeHasItsText) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {io_code::kFileNotFound, "File not found"},
        {io_code::kInvalidFilename, "Invalid filename"},
        {io_code::kTooManyOpenFiles, "Too many open files"},
        {io_code::kAccessDenied, "File access denied"},
        {io_code::kReadBeyondEnd, "Read beyond end of file"},
        {io_code::kDiskFull, "Disk full"},
        {io_code::kInvalidNumericInput, "Invalid numeric input"},
        {0, "I/O error 0"},
        {EXDEV, "I/O error 18"},
        {EFBIG, "I/O error 27"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IoErrorMessage(c.code), c.text) << c.code;
        EXPECT_STREQ(IoError(c.code).what(), c.text) << c.code;
    }
}

TEST(IoCodeFromErrno, MapsTheSystemCausesTheUserIsToldAbout) {
    const struct {
        int err;
        int code;
    } cases[] = {
        {ENOENT, io_code::kFileNotFound},
        {ENOTDIR, io_code::kFileNotFound},
        {EINVAL, io_code::kInvalidFilename},
        {ENAMETOOLONG, io_code::kInvalidFilename},
        {EMFILE, io_code::kTooManyOpenFiles},
        {ENFILE, io_code::kTooManyOpenFiles},
        {EACCES, io_code::kAccessDenied},
        {EPERM, io_code::kAccessDenied},
        {EROFS, io_code::kAccessDenied},
        {EISDIR, io_code::kAccessDenied},
        {ENOSPC, io_code::kDiskFull},
        {EDQUOT, io_code::kDiskFull},
        {EXDEV, EXDEV}, // others keep their number
        {EIO, 1005},    // ... unless it is a code with a text of its own
        {EINTR, 1004},
        {EISCONN, 1106},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IoCodeFromErrno(c.err), c.code) << c.err;
}

TEST(DescribeIoError, NamesTheFileTheCauseAndTheCode) {
    EXPECT_EQ(DescribeIoError(IoError(io_code::kAccessDenied, "RHYPHEN.PT", EACCES)),
              "RHYPHEN.PT: Permission denied (I/O error 5)");
    EXPECT_EQ(DescribeIoError(IoError(io_code::kDiskFull)), "Disk full (I/O error 101)");
}

TEST(WriteAll, ADeviceWithNoSpaceLeftIsDiskFull) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    const int fd = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(fd, 0);
    try {
        WriteAll(fd, "text", "out.txt");
        ADD_FAILURE() << "the write succeeded";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), io_code::kDiskFull);
        EXPECT_STREQ(e.what(), "Disk full");
        EXPECT_EQ(e.file(), "out.txt");
        EXPECT_EQ(e.sysError(), ENOSPC);
    }
    ::close(fd);
}

} // namespace
} // namespace cantiva
