#include "export/user_file.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cantiva::exporting {
namespace {

namespace fs = std::filesystem;

class UserFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "cantiva-export-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }
    static void Write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // What the folder holds besides the expected names: a temporary file left behind shows here.
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    static UserFileError::Stage FailureStage(const fs::path& target, int& code) {
        try {
            WriteUserFile(target, "new");
        } catch (const UserFileError& e) {
            code = e.code();
            return e.stage();
        }
        ADD_FAILURE() << "no error for " << target;
        return UserFileError::Stage::Write;
    }
    fs::path dir;
};

TEST(UserFileBytes, Cp1251WhenEverythingFitsElseUtf8WithBom) {
    EXPECT_EQ(UserFileBytes("\xE4\xEE-\xEC\xE5\xA0\r\n", {}), "\xE4\xEE-\xEC\xE5\xA0\r\n");
    EXPECT_EQ(UserFileBytes("a\x98\xE4", {"\xE2\x82\xAC"}), "\xEF\xBB\xBF"
                                                            "a\xE2\x82\xAC\xD0\xB4");
}

TEST_F(UserFileTest, CreatesAndReplacesWholeFiles) {
    fs::path target = dir / "out.txt";
    WriteUserFile(target, "first\r\nsecond\r\n");
    EXPECT_EQ(Read(target), "first\r\nsecond\r\n");
    WriteUserFile(target, "x");
    EXPECT_EQ(Read(target), "x");
    EXPECT_EQ(EntryCount(), 1U);
}

TEST_F(UserFileTest, LeavesAFileNamedLikeTheTemporaryAlone) {
    Write(dir / ".out.txt.part", "user's");
    WriteUserFile(dir / "out.txt", "new");
    EXPECT_EQ(Read(dir / "out.txt"), "new");
    EXPECT_EQ(Read(dir / ".out.txt.part"), "user's");
    EXPECT_EQ(EntryCount(), 2U);
}

TEST_F(UserFileTest, KeepsPermissionsAndFollowsLinks) {
    fs::path real = dir / "real.txt";
    fs::path link = dir / "link.txt";
    Write(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, link);
    WriteUserFile(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntryCount(), 2U);
}

TEST_F(UserFileTest, FilesThatCannotBeCreated) {
    int code = 0;
    EXPECT_EQ(FailureStage(dir / "missing" / "out.txt", code), UserFileError::Stage::Create);
    EXPECT_EQ(code, io_code::kFileNotFound);
    fs::create_directory(dir / "folder.txt");
    EXPECT_EQ(FailureStage(dir / "folder.txt", code), UserFileError::Stage::Create);
    EXPECT_EQ(code, io_code::kAccessDenied);
    EXPECT_EQ(EntryCount(), 1U);
}

TEST_F(UserFileTest, ReadOnlyFolderAndFileAreRefusedUntouched) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    fs::path locked = dir / "locked.txt";
    Write(locked, "old");
    fs::permissions(locked, fs::perms::owner_read);
    int code = 0;
    EXPECT_EQ(FailureStage(locked, code), UserFileError::Stage::Create);
    EXPECT_EQ(code, io_code::kAccessDenied);
    EXPECT_EQ(Read(locked), "old");

    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(FailureStage(dir / "new.txt", code), UserFileError::Stage::Create);
    EXPECT_EQ(code, io_code::kAccessDenied);
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(EntryCount(), 1U);
}

// A file size limit makes the write itself fail after the file was created.
TEST_F(UserFileTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    fs::path target = dir / "out.txt";
    Write(target, "old content");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    int code = 0;
    UserFileError::Stage stage = FailureStage(target, code);
    WriteUserFile(target, "ok"); // within the limit
    std::string afterSmallWrite = Read(target);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(stage, UserFileError::Stage::Write);
    EXPECT_EQ(code, EFBIG);
    EXPECT_EQ(afterSmallWrite, "ok");
    EXPECT_EQ(EntryCount(), 1U);
}

} // namespace
} // namespace cantiva::exporting
