#include "cli/run_cli.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace cantiva::testing {
namespace {

std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 const std::string& cwd) {
    // Files instead of pipes: no deadlock however much the program writes.
    static int counter = 0;
    auto base = std::filesystem::temp_directory_path() /
                ("cantiva-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    auto inPath = base.string() + ".in", outPath = base.string() + ".out",
         errPath = base.string() + ".err";
    {
        std::ofstream in(inPath, std::ios::binary);
        in << input;
    }
    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        int in = ::open(inPath.c_str(), O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (!cwd.empty() && ::chdir(cwd.c_str()) != 0)
            ::_exit(127);
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
    int status = 0;
    ::waitpid(pid, &status, 0);
    CliResult r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(outPath);
    r.err = Slurp(errPath);
    std::filesystem::remove(inPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return r;
}

} // namespace cantiva::testing
