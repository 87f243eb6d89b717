#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace cantiva::test_support {

struct CliResult {
    int status = -1;
    std::string out; // standard output, byte for byte
    std::string err; // standard error
};

// How a run differs from a plain one.
struct CliSetup {
    std::string stdoutPath;       // where standard output goes; empty: captured
    std::size_t addressSpace = 0; // the process's address-space limit in bytes; 0: none
    // A folder the process sees as /dev, in a mount namespace of its own (root only), so that
    // writing to "/dev/…" never touches the machine's devices; empty: the real /dev.
    std::string devFolder;
    // Variables set for the process alone; an empty value unsets the variable.
    std::vector<std::pair<std::string, std::string>> environment;
};

// Whether this process may give a child a mount namespace of its own (CliSetup::devFolder).
bool PrivateDevAvailable();

// A cantiva-cli process that was started and not yet waited for.
struct CliProcess {
    pid_t pid = -1;
    std::string files; // the base name of its input and output files
    bool capturedOut = true;
};

// Runs the built cantiva-cli with `args`, feeding `input` on standard input, in folder `cwd`
// (empty: the current one).
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                 const std::string& cwd = "", const CliSetup& setup = {});

// The same in two steps, so several can run at once.
CliProcess StartCli(const std::vector<std::string>& args, const std::string& input = "",
                    const std::string& cwd = "", const CliSetup& setup = {});
CliResult FinishCli(const CliProcess& process);

} // namespace cantiva::test_support
