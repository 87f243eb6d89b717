// Faults from outside: concurrent compiles, planted links, awkward log files, full disks and
// running out of memory. Each keeps whole files and says what went wrong.
#include "dictionaries/compilers.h"
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace cantiva::test_support {
namespace {

namespace fs = std::filesystem;
using dictionaries::Language;

// How often the concurrency cases repeat: CANTIVA_FAULT_REPETITIONS, 100 by default.
int Repetitions() {
    const char* value = std::getenv("CANTIVA_FAULT_REPETITIONS");
    return value != nullptr ? std::max(1, std::atoi(value)) : 100;
}

std::string CompiledMain(const std::string& source) {
    return dictionaries::EncodeRecords(dictionaries::CompileMainSource(
        source, Language::Russian, dictionaries::LongestTrimmedLine(source)));
}

std::string CompiledExceptions(const std::string& source) {
    return dictionaries::EncodeRecords(
        dictionaries::CompileExceptionSource(source, dictionaries::LongestTrimmedLine(source)));
}

class Faults : public ::testing::Test {
protected:
    void SetUp() override {
        for (Language l : {Language::English, Language::Latin, Language::American}) {
            const std::string base(dictionaries::LanguageInfoOf(l).baseName);
            folder.write(base + ".TXT", MainSource(l, {"", "a1b"}));
            folder.write(base + ".XCP", "");
        }
        writeSources(0);
        for (const char* l : {"ru", "en", "la", "us"})
            ASSERT_EQ(cli({"compile", "--lang", l}).status, 0) << l;
    }
    // Two versions of the Russian sources that divide "мама пример" alike but compile to files of
    // different sizes.
    void writeSources(int version) {
        std::vector<std::string> sections = {"", W("а1м")};
        if (version == 1)
            sections.push_back(W("б1б"));
        mainSource = MainSource(Language::Russian, sections);
        exceptionSource = W(version == 1 ? "при-мер\r\nпа-па" : "при-мер");
        folder.write("RHYPHEN.TXT", mainSource);
        folder.write("RHYPHEN.XCP", exceptionSource);
    }
    CliResult cli(const std::vector<std::string>& args, const std::string& input = "",
                  const CliSetup& setup = {}) {
        return RunCli(args, input, folder.path().string(), setup);
    }

    TempFolder folder;
    std::string mainSource;
    std::string exceptionSource;
};

// Compiles from two command lines and a window at once, with a reader beside them: every run
// succeeds, the reader sees whole files, and the files end as the sources compile.
TEST_F(Faults, ConcurrentCompilesOfOneLanguageKeepWholeDictionaries) {
    const int repetitions = Repetitions();
    int passed = 0;
    for (int i = 0; i < repetitions; ++i) {
        writeSources(i % 2);
        const std::string dir = folder.path().string();
        std::vector<CliProcess> runs = {
            StartCli({"compile", "--main"}, "", dir),
            StartCli({"compile", "--exceptions"}, "", dir),
            StartCli({"compile"}, "", dir),
            StartCli({"hyphenate"}, "мама пример", dir),
        };
        std::string windowFailure;
        std::thread window([&] {
            try {
                dictionaries::DictionaryState state(folder.path());
                state.openLanguage(Language::Russian);
                state.rebuildMainDictionary();
                state.rebuildExceptions();
            } catch (const std::exception& e) {
                windowFailure = e.what();
            }
        });
        window.join();
        bool whole = windowFailure.empty();
        EXPECT_EQ(windowFailure, "") << "repetition " << i;
        for (std::size_t r = 0; r < runs.size(); ++r) {
            CliResult result = FinishCli(runs[r]);
            whole &= result.status == 0 && result.err.empty();
            EXPECT_EQ(result.status, 0) << "repetition " << i << " run " << r << result.err;
            EXPECT_EQ(result.err, "") << "repetition " << i << " run " << r;
            if (r == 3) {
                whole &= result.out == "ма-ма при-мер\r\n";
                EXPECT_EQ(result.out, "ма-ма при-мер\r\n") << "repetition " << i;
            }
        }
        const bool mainWhole = folder.read("RHYPHEN.PT") == CompiledMain(mainSource);
        const bool exceptionsWhole =
            folder.read("RHYPHEN.XCD") == CompiledExceptions(exceptionSource);
        EXPECT_TRUE(mainWhole) << "repetition " << i;
        EXPECT_TRUE(exceptionsWhole) << "repetition " << i;
        EXPECT_EQ(folder.temporaries(), std::vector<std::string>{}) << "repetition " << i;
        passed += whole && mainWhole && exceptionsWhole;
    }
    std::cout << "concurrent compiles: " << passed << " of " << repetitions
              << " repetitions whole\n";
    EXPECT_EQ(passed, repetitions);
}

// A link planted where a temporary file of the fixed old name would go is never written through.
TEST_F(Faults, PlantedLinksAtTheTemporaryNamesAreNeverFollowed) {
    folder.write("victim", "untouched");
    for (const char* name : {"RHYPHEN.pt0", ".run.log.part", ".out.txt.part"})
        fs::create_symlink(folder / "victim", folder / name);
    EXPECT_EQ(cli({"compile"}).status, 0);
    EXPECT_EQ(cli({"hyphenate", "--log", "run.log"}, "мама").status, 0);
    EXPECT_EQ(folder.read("victim"), "untouched");
    EXPECT_TRUE(fs::is_symlink(folder / "RHYPHEN.pt0"));
    EXPECT_EQ(folder.read("RHYPHEN.PT"), CompiledMain(mainSource));
}

// The result comes first; the log follows links, keeps the file's mode, and a log that cannot
// be written costs the log alone (exit 1, the log file named).
TEST_F(Faults, LogOntoASymlinkAModeSixHundredFileAndAReadOnlyFile) {
    folder.write("real.log", "old");
    fs::create_symlink("real.log", folder / "link.log");
    folder.write("private.log", "old");
    fs::permissions(folder / "private.log", fs::perms(0600));
    folder.write("readonly.log", "old");
    fs::permissions(folder / "readonly.log", fs::perms(0444));
    const std::string log = "а1м\n.мама.\n0 0 0 1 0 0 \n-------------------\n";

    struct Case {
        const char* logName;
        int status;
        std::string err;
        const char* file; // where the log ends up (or stays "old")
        std::string content;
    } cases[] = {
        {"link.log", 0, "", "real.log", log},
        {"private.log", 0, "", "private.log", log},
        {"readonly.log", 1, "cantiva-cli: readonly.log: Permission denied (I/O error 5)\n",
         "readonly.log", "old"},
        {"nowhere/x.log", 1,
         "cantiva-cli: nowhere/x.log: No such file or directory (I/O error 2)\n", nullptr, ""},
    };
    for (const Case& c : cases) {
        CliResult r = cli({"hyphenate", "--log", c.logName}, "мама");
        EXPECT_EQ(r.status, c.status) << c.logName;
        EXPECT_EQ(r.out, "ма-ма\r\n") << c.logName;
        EXPECT_EQ(r.err, c.err) << c.logName;
        if (c.file != nullptr) {
            EXPECT_EQ(folder.read(c.file), c.content) << c.logName;
        }
    }
    EXPECT_TRUE(fs::is_symlink(folder / "link.log"));
    EXPECT_EQ(fs::status(folder / "private.log").permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(folder / "readonly.log").permissions(), fs::perms(0444));
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
}

TEST_F(Faults, FullDiskOnStandardOutputIsReported) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    CliSetup toFull;
    toFull.stdoutPath = "/dev/full";
    CliResult r = cli({"hyphenate"}, "мама", toFull);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "cantiva-cli: standard output: No space left on device (I/O error 101)\n");
}

// A dictionary folder on a file system too small for the new file keeps the old one.
TEST_F(Faults, FullDiskDuringACompileKeepsTheOldDictionary) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    TempFolder small;
    if (::mount("tmpfs", small.path().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(errno);
    struct Unmount {
        const fs::path& path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{small.path()};

    for (const char* name : {"RHYPHEN.TXT", "RHYPHEN.XCP", "RHYPHEN.PT", "RHYPHEN.XCD"})
        fs::copy_file(folder / name, small / name);
    std::string big = "%";
    for (int i = 0; i < 2000; ++i)
        big += "\r\n" + W("а1м");
    small.write("RHYPHEN.TXT", big); // compiles to 132 kB
    const std::string oldPt = small.read("RHYPHEN.PT");
    CliResult r = RunCli({"compile", "--main"}, "", small.path().string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "cantiva-cli: RHYPHEN.PT: No space left on device (I/O error 101)\n");
    EXPECT_EQ(small.read("RHYPHEN.PT"), oldPt);
    EXPECT_EQ(small.temporaries(), std::vector<std::string>{});
}

// Running out of memory is a message and exit 1, with the files as they were.
TEST_F(Faults, OutOfMemoryUnderAnAddressSpaceLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit allows";
#else
    // Sparse files: the size asks for a gigabyte without the disk holding one.
    for (const char* name : {"huge.txt", "RHYPHEN.TXT"}) {
        int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 1 << 30), 0);
        ::close(fd);
    }
    const std::string oldPt = folder.read("RHYPHEN.PT");
    CliSetup limited;
    limited.addressSpace = std::size_t(512) << 20;
    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"hyphenate", "huge.txt"}, "cantiva-cli: Not enough memory to hyphenate the text\n"},
        {{"compile", "--main"}, "cantiva-cli: Not enough memory to compile the dictionary\n"},
    };
    for (const Case& c : cases) {
        CliResult r = cli(c.args, "", limited);
        EXPECT_EQ(r.status, 1) << c.args[0];
        EXPECT_EQ(r.out, "") << c.args[0];
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(folder.read("RHYPHEN.PT"), oldPt);
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
#endif
}

// An empty main dictionary divides nothing and warns; a cut one stops the command (exit 1) and
// names the file, instead of leaving words undivided.
TEST_F(Faults, EmptyAndCutMainDictionariesWarn) {
    const std::string whole = folder.read("RHYPHEN.PT");
    struct Case {
        std::string pt;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"", 0, "мама\r\n", "cantiva-cli: RHYPHEN.PT holds no patterns\n"},
        {whole.substr(0, 3 * 66 + 10), 1, "",
         "cantiva-cli: RHYPHEN.PT: Cut short: 3 whole records read (I/O error 100)\n"},
    };
    for (const Case& c : cases) {
        folder.write("RHYPHEN.PT", c.pt);
        CliResult r = cli({"hyphenate"}, "мама");
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        r = cli({"info"});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, c.err);
    }
}

// take-shipped beside compile --exceptions, round after round: whichever runs first, the
// compiled list is the compile of the source both leave behind.
TEST_F(Faults, TakeShippedBesideACompileLeavesThePairAgreeing) {
    const int rounds = Repetitions();
    const std::string versions[] = {W("но-вый\r\nпри-мер"), W("но-вей-ший\r\nсо-всем\r\nпа-па")};
    int agreeing = 0;
    for (int i = 0; i < rounds; ++i) {
        fs::create_directories(folder / ".shipped/newer");
        folder.write(".shipped/newer/RHYPHEN.XCP", versions[i % 2]);
        folder.write(".shipped/newer/RHYPHEN.XCD", CompiledExceptions(versions[i % 2]));
        folder.write("RHYPHEN.XCP", exceptionSource + W("\r\nсвой-ство") + std::to_string(i));
        const CliProcess take = StartCli({"take-shipped"}, "", folder.path().string());
        const CliProcess compile =
            StartCli({"compile", "--exceptions"}, "", folder.path().string());
        const CliResult taken = FinishCli(take);
        const CliResult compiled = FinishCli(compile);
        EXPECT_EQ(taken.status, 0) << taken.err;
        EXPECT_EQ(compiled.status, 0) << compiled.err;
        agreeing += folder.read("RHYPHEN.XCD") == CompiledExceptions(folder.read("RHYPHEN.XCP"));
    }
    EXPECT_EQ(agreeing, rounds);
}

// A compile that cannot read a source it needs changes no compiled file.
TEST_F(Faults, CompileWithASourceMissingChangesNothing) {
    const std::string oldPt = folder.read("RHYPHEN.PT");
    const std::string oldXcd = folder.read("RHYPHEN.XCD");
    writeSources(1);
    const struct {
        std::vector<std::string> args;
        const char* missing;
    } cases[] = {
        {{"compile"}, "RHYPHEN.XCP"},
        {{"compile", "--exceptions"}, "RHYPHEN.XCP"},
        {{"compile"}, "RHYPHEN.TXT"},
        {{"compile", "--main"}, "RHYPHEN.TXT"},
    };
    for (const auto& c : cases) {
        writeSources(1);
        fs::remove(folder / c.missing);
        const CliResult r = cli(c.args);
        EXPECT_EQ(r.status, 1) << c.missing;
        EXPECT_EQ(r.err, std::string("cantiva-cli: ") + c.missing +
                             ": No such file or directory (I/O error 2)\n");
        EXPECT_EQ(folder.read("RHYPHEN.PT"), oldPt) << c.missing;
        EXPECT_EQ(folder.read("RHYPHEN.XCD"), oldXcd) << c.missing;
    }
}

} // namespace
} // namespace cantiva::test_support
