#pragma once

#include <string>
#include <vector>

// One function per command of cantiva-cli; each returns the exit status.
namespace cantiva::cli {

namespace exit_status {
inline constexpr int kDone = 0;
inline constexpr int kStopped = 1; // a word too long, an input/output error
inline constexpr int kUsage = 2;
inline constexpr int kMissingDictionary = 3;
} // namespace exit_status

int HyphenateCommand(const std::vector<std::string>& args);
int CompileCommand(const std::vector<std::string>& args);
int InfoCommand(const std::vector<std::string>& args);
int ScoreCommand(const std::vector<std::string>& args);
int FinaleCommand(const std::vector<std::string>& args);
int UpdateCommand(const std::vector<std::string>& args);
int TakeShippedCommand(const std::vector<std::string>& args);
int LilyPondCommand(const std::vector<std::string>& args);
int GabcCommand(const std::vector<std::string>& args);
int LayCommand(const std::vector<std::string>& args);

} // namespace cantiva::cli
