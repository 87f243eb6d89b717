#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/compile_lock.h"
#include "dictionaries/compilers.h"
#include "io/file_io.h"

#include <algorithm>
#include <filesystem>

namespace cantiva::cli {
namespace {

using dictionaries::DictFile;

// Compiles one source of the folder at the width of its longest trimmed line (at most 32) and
// puts the compiled file in place through a fresh temporary of the ".pt0" kind, taking turns with
// other compiles of the folder.
void CompileOne(const std::filesystem::path& folder, dictionaries::Language language, bool main) {
    dictionaries::CompileLock lock(folder);
    const DictFile sourceKind = main ? DictFile::MainSource : DictFile::ExceptionsSource;
    const DictFile targetKind = main ? DictFile::MainCompiled : DictFile::ExceptionsCompiled;
    std::string source = ReadWholeFile(folder / dictionaries::FileName(language, sourceKind));
    int width = std::min(dictionaries::LongestTrimmedLine(source), dictionaries::kMaxRecordWidth);
    auto records = main ? dictionaries::CompileMainSource(source, language, width)
                        : dictionaries::CompileExceptionSource(source, width);
    ReplaceOptions options;
    options.temporaryKind = dictionaries::FileName(language, DictFile::Temporary);
    ReplaceFile(folder / dictionaries::FileName(language, targetKind),
                dictionaries::EncodeRecords(records), options);
}

} // namespace

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
    if (main)
        CompileOne(folder, language, true);
    if (exceptions)
        CompileOne(folder, language, false);
    return exit_status::kDone;
}

} // namespace cantiva::cli
