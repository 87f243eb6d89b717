#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/dictionary_compile.h"
#include "io/file_io.h"

#include <filesystem>

namespace cantiva::cli {

int CompileCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--lang", "--dict-dir"}, {"--main", "--exceptions"});
    if (args.file())
        throw UsageError("compile takes no input file");
    const dictionaries::Language language = LanguageOption(args);
    const std::filesystem::path folder = DictDirOption(args);
    bool main = args.flag("--main");
    bool exceptions = args.flag("--exceptions");
    if (!main && !exceptions)
        main = exceptions = true;
    // A missing source stops the command before anything is compiled.
    if (main)
        CheckReadable(folder /
                      dictionaries::FileName(language, dictionaries::DictFile::MainSource));
    if (exceptions)
        CheckReadable(folder /
                      dictionaries::FileName(language, dictionaries::DictFile::ExceptionsSource));
    // The record width is the longest trimmed source line (at most 32); a missing compiled file
    // is created.
    const dictionaries::CompileSettings settings;
    if (main)
        dictionaries::CompileDictionary(folder, language, dictionaries::DictionaryKind::Main,
                                        settings);
    if (exceptions)
        dictionaries::CompileDictionary(folder, language, dictionaries::DictionaryKind::Exceptions,
                                        settings);
    return exit_status::kDone;
}

} // namespace cantiva::cli
