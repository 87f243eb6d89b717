#include "cli/cli_io.h"
#include "cli/commands.h"

namespace cantiva::cli {

int InfoCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--lang", "--dict-dir"}, {"--exceptions"});
    throw UsageError("info is not available yet");
}

} // namespace cantiva::cli
