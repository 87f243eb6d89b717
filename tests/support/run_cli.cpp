#include "support/run_cli.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cantiva::test_support {
namespace {

std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// In the child: `folder` takes the place of /dev for this process alone.
bool MountAsDev(const std::string& folder) {
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount(folder.c_str(), "/dev", nullptr, MS_BIND, nullptr) == 0;
}

} // namespace

bool PrivateDevAvailable() {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(::unshare(CLONE_NEWNS) == 0 ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

CliProcess StartCli(const std::vector<std::string>& args, const std::string& input,
                    const std::string& cwd, const CliSetup& setup) {
    // Files instead of pipes: no deadlock however much the program writes.
    static std::atomic<int> counter = 0;
    CliProcess process;
    process.files =
        (std::filesystem::temp_directory_path() /
         ("cantiva-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
            .string();
    process.capturedOut = setup.stdoutPath.empty();
    const std::string inPath = process.files + ".in", errPath = process.files + ".err";
    const std::string outPath = process.capturedOut ? process.files + ".out" : setup.stdoutPath;
    {
        std::ofstream in(inPath, std::ios::binary);
        in << input;
    }
    process.pid = ::fork();
    if (process.pid < 0)
        throw std::runtime_error("fork failed");
    if (process.pid == 0) {
        int in = ::open(inPath.c_str(), O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (!cwd.empty() && ::chdir(cwd.c_str()) != 0)
            ::_exit(127);
        for (const auto& [name, value] : setup.environment) {
            if (value.empty())
                ::unsetenv(name.c_str());
            else
                ::setenv(name.c_str(), value.c_str(), 1);
        }
        if (!setup.devFolder.empty() && !MountAsDev(setup.devFolder))
            ::_exit(126);
        if (setup.addressSpace != 0) {
            struct rlimit limit {};
            limit.rlim_cur = limit.rlim_max = setup.addressSpace;
            ::setrlimit(RLIMIT_AS, &limit);
        }
        std::vector<char*> argv;
        std::string program = CANTIVA_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copy = args;
        for (std::string& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return process;
}

CliResult FinishCli(const CliProcess& process) {
    int status = 0;
    ::waitpid(process.pid, &status, 0);
    CliResult r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (process.capturedOut)
        r.out = Slurp(process.files + ".out");
    r.err = Slurp(process.files + ".err");
    std::filesystem::remove(process.files + ".in");
    std::filesystem::remove(process.files + ".out");
    std::filesystem::remove(process.files + ".err");
    return r;
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 const std::string& cwd, const CliSetup& setup) {
    return FinishCli(StartCli(args, input, cwd, setup));
}

} // namespace cantiva::test_support
