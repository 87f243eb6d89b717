#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/shipped_updates.h"

#include <iostream>

namespace cantiva::cli {

int UpdateCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--shipped", "--dict-dir"}, {});
    if (args.file())
        throw UsageError("update takes no input file");
    const auto shipped = args.value("--shipped");
    if (!shipped)
        throw UsageError("update needs --shipped DIR");
    const std::string folder = DictDirOption(args);
    const auto report = dictionaries::UpdateFromShipped(*shipped, folder);
    for (const auto& pair : report.installed)
        std::cout << "installed " << pair.sourceName() << '\n';
    for (const auto& pair : report.updated)
        std::cout << "updated " << pair.sourceName() << '\n';
    const std::string notice = dictionaries::NewerShippedNotice(report, folder);
    if (!notice.empty())
        std::cerr << notice << '\n';
    const std::string refused = dictionaries::RefusedShippedNotice(report);
    if (!refused.empty()) {
        PrintFailure(refused);
        return exit_status::kStopped;
    }
    return exit_status::kDone;
}

int TakeShippedCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--lang", "--dict-dir"}, {});
    if (args.file())
        throw UsageError("take-shipped takes no input file");
    const auto result = dictionaries::TakeNewerShipped(DictDirOption(args), LanguageOption(args));
    if (!result.mainTaken && !result.exceptionsTaken)
        std::cout << "No newer shipped dictionary is waiting.\n";
    if (result.mainTaken)
        std::cout << "Main dictionary replaced by the shipped one.\n";
    if (result.exceptionsTaken)
        std::cout << "Exceptions: the shipped list with " << result.ownExceptions
                  << " of your own entries.\n";
    return exit_status::kDone;
}

} // namespace cantiva::cli
