#pragma once

#include <string>
#include <vector>

namespace cantiva::testing {

struct CliResult {
    int status = -1;
    std::string out; // standard output, byte for byte
    std::string err; // standard error
};

// Runs the built cantiva-cli with `args`, feeding `input` on standard input, in folder `cwd`
// (empty: the current one).
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                 const std::string& cwd = "");

} // namespace cantiva::testing
