#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/dictionary_info.h"
#include "dictionaries/dictionary_state.h"

namespace cantiva::cli {

int InfoCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--lang", "--dict-dir", "--encoding"}, {"--exceptions"});
    if (args.file())
        throw UsageError("info takes no input file");
    const Encoding encoding = EncodingOption(args);
    dictionaries::DictionaryState state(DictDirOption(args));
    state.openLanguage(LanguageOption(args));
    PrintLoadWarning(state);
    dictionaries::DictionaryInfo info = dictionaries::GetDictionaryInfo(
        state, args.flag("--exceptions") ? dictionaries::DictionaryKind::Exceptions
                                         : dictionaries::DictionaryKind::Main);
    std::string out;
    for (const std::string& line : info.lines) {
        out += line;
        out += '\n';
    }
    WriteStdout(EncodeOutput(out, {}, encoding,
                             *dictionaries::LanguageInfoOf(state.currentLanguage()).codePage));
    return exit_status::kDone;
}

} // namespace cantiva::cli
