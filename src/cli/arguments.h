#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace cantiva::cli {

// Wrong usage of the command line: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options of one command: "--name value" options, "--flag" switches and at most one FILE.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
              const std::set<std::string>& flags);

    std::optional<std::string> value(const std::string& name) const;
    std::string valueOr(const std::string& name, const std::string& fallback) const;
    bool flag(const std::string& name) const { return flags_.count(name) != 0; }
    const std::optional<std::string>& file() const { return file_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::optional<std::string> file_;
};

} // namespace cantiva::cli
