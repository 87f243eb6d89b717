#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace cantiva::test_support {
namespace {

namespace fs = std::filesystem;

const std::string kScore = "<score-partwise><part id=\"P1\"><measure><note><pitch><step>C"
                           "</step><octave>4</octave></pitch></note></measure></part>"
                           "</score-partwise>";

mode_t ModeOf(const fs::path& p) {
    struct stat info {};
    return ::lstat(p.c_str(), &info) == 0 ? info.st_mode : 0;
}

// What a FIFO's buffer holds, and its reader closed.
std::string Drain(int fd) {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return bytes;
}

void MakeSocket(const fs::path& p) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    p.string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// `lay --out` onto each kind of name, with a folder of devices of the test's own as /dev: a
// device, a FIFO or a link to one is written in place and stays what it was; "-" is standard
// output; a socket is refused, named.
TEST(CliOutputRule, DevicesFifosAndStandardOutput) {
    if (::geteuid() != 0 || !PrivateDevAvailable())
        GTEST_SKIP() << "needs root for device files and a mount namespace";
    TempFolder folder;
    folder.write("in.xml", kScore);
    const fs::path dev = folder / "dev";
    fs::create_directory(dev);
    ASSERT_EQ(::mknod((dev / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod((dev / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    ASSERT_EQ(::mkfifo((dev / "fifo").c_str(), 0666), 0);
    fs::create_symlink("/proc/self/fd/1", dev / "stdout");
    fs::create_symlink("fifo", dev / "to-fifo");
    MakeSocket(dev / "socket");
    ASSERT_EQ(::mkfifo((dev / "out").c_str(), 0666), 0);
    // The FIFOs' readers are open before the writers come; the score fits in their buffers.
    const int fifo = ::open((dev / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
    const int out = ::open((dev / "out").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fifo, 0);
    ASSERT_GE(out, 0);

    CliSetup setup;
    setup.devFolder = dev.string();
    const struct {
        std::string out;
        int status;
        std::string err; // "" for the report of a good run
        bool scoreOnStdout;
        std::string node; // what must still be there, in the test's /dev
        mode_t kind;
    } cases[] = {
        {"/dev/null", 0, "", false, "null", S_IFCHR},
        {"/dev/full", 1, "cantiva-cli: /dev/full: No space left on device (I/O error 101)\n", false,
         "full", S_IFCHR},
        {"-", 0, "", true, "", 0},
        {"/dev/to-fifo", 0, "", false, "fifo", S_IFIFO},
        {"/dev/socket", 1,
         "cantiva-cli: /dev/socket: A socket, not a file, character device or FIFO "
         "(I/O error 5)\n",
         false, "socket", S_IFSOCK},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli({"lay", "--score", "in.xml", "--out", c.out}, "la",
                                   folder.path().string(), setup);
        EXPECT_EQ(r.status, c.status) << c.out << ": " << r.err;
        EXPECT_EQ(r.err, c.err.empty() ? "Laid 1 syllable on part P1, voice 1, verse 1.\n" : c.err)
            << c.out;
        EXPECT_EQ(r.out.find("<text>la</text>") != std::string::npos, c.scoreOnStdout) << c.out;
        if (!c.node.empty()) {
            EXPECT_EQ(ModeOf(dev / c.node) & S_IFMT, c.kind) << c.out;
        }
    }
    EXPECT_FALSE(folder.exists("-"));
    EXPECT_NE(Drain(fifo).find("<text>la</text>"), std::string::npos);

    // /dev/stdout, a link to the process's standard output, here a FIFO.
    setup.stdoutPath = (dev / "out").string();
    const CliResult r = RunCli({"lay", "--score", "in.xml", "--out", "/dev/stdout"}, "la",
                               folder.path().string(), setup);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ModeOf(dev / "stdout") & S_IFMT, S_IFLNK);
    EXPECT_EQ(ModeOf(dev / "out") & S_IFMT, S_IFIFO);
    EXPECT_NE(Drain(out).find("<text>la</text>"), std::string::npos);
}

} // namespace
} // namespace cantiva::test_support
