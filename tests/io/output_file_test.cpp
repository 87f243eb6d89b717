#include "io/file_io.h"
#include "io/io_error.h"
#include "io/output_file.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace cantiva {
namespace {

namespace fs = std::filesystem;

mode_t KindOf(const fs::path& p) {
    struct stat info {};
    return ::lstat(p.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

bool MakeSocket(const fs::path& p) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    p.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const bool made = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return made;
}

// Every kind of name a writer can be given, in a folder of the test's own (device files only
// as root): what is written where, what stays, and the refusals with their texts.
TEST(OutputFile, EachKindOfTarget) {
    test_support::TempFolder folder;
    const bool root = ::geteuid() == 0;
    folder.write("regular", "old");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0666), 0);
    fs::create_symlink("fifo", folder / "to-fifo");
    fs::create_directory(folder / "folder");
    ASSERT_TRUE(MakeSocket(folder / "socket"));
    if (root) {
        ASSERT_EQ(::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        ASSERT_EQ(::mknod((folder / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
        fs::create_symlink("full", folder / "to-full");
    }
    const int reader = ::open((folder / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    const struct {
        const char* name;
        bool needsRoot;
        mode_t kindAfter;
        std::string error; // DescribeIoError's text, "" when written
    } cases[] = {
        {"regular", false, S_IFREG, ""},
        {"new", false, S_IFREG, ""},
        {"to-fifo", false, S_IFLNK, ""},
        {"folder", false, S_IFDIR, "folder: Is a directory (I/O error 5)"},
        {"socket", false, S_IFSOCK,
         "socket: A socket, not a file, character device or FIFO (I/O error 5)"},
        {"null", true, S_IFCHR, ""},
        {"full", true, S_IFCHR, "full: No space left on device (I/O error 101)"},
        {"to-full", true, S_IFLNK, "to-full: No space left on device (I/O error 101)"},
    };
    for (const auto& c : cases) {
        if (c.needsRoot && !root)
            continue;
        const fs::path target = folder / c.name;
        std::string error;
        try {
            WriteOutputFile(target, "new");
        } catch (const IoError& e) {
            error = DescribeIoError(e);
            error.erase(0, folder.path().string().size() + 1);
        }
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(KindOf(target), c.kindAfter) << c.name;
    }
    EXPECT_EQ(folder.read("regular"), "new");
    EXPECT_EQ(folder.read("new"), "new");
    EXPECT_EQ(KindOf(folder / "fifo"), static_cast<mode_t>(S_IFIFO));
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 3);
    EXPECT_EQ(std::string(buffer), "new");
    ::close(reader);
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
}

// Temporary names cannot be guessed: random letters, a fresh name each time.
TEST(OutputFile, TemporaryNamesAreRandom) {
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        const std::string name = TemporaryPath("/x", ".out.part").filename().string();
        EXPECT_TRUE(std::regex_match(name, std::regex(R"(\.out\.part\.[A-Za-z0-9]{12})"))) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 50u);
}

} // namespace
} // namespace cantiva
