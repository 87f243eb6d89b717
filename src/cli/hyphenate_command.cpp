#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/dictionary_state.h"
#include "engine/run.h"
#include "text/file_io.h"
#include "text/io_error.h"

namespace cantiva::cli {
namespace {

// Tells that the log is given up, when a log was asked for.
class MessageObserver : public engine::RunObserver {
public:
    explicit MessageObserver(bool logRequested) : logRequested_(logRequested) {}
    void information(std::string_view message) override {
        if (logRequested_)
            PrintMessage(message);
    }
    void progressRange(int, int) override {}
    void progressPosition(int) override {}

private:
    bool logRequested_;
};

std::string ToLf(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            continue;
        out += s[i];
    }
    return out;
}

} // namespace

int HyphenateCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--lang", "--dict-dir", "--encoding", "--log"}, {"--lf"});
    const Encoding encoding = EncodingOption(args);
    const dictionaries::Language language = LanguageOption(args);
    const std::optional<std::string> logFile = args.value("--log");

    dictionaries::DictionaryState state(DictDirOption(args));
    state.openLanguage(language);
    state.logAllowed = logFile.has_value();

    text::Cp1251Text input = DecodeInput(ReadInput(args.file()), encoding);
    MessageObserver observer(logFile.has_value());
    engine::RunResult run =
        engine::RunHyphenation(input.bytes, state, logFile.has_value(), &observer);

    if (logFile) {
        std::string lines;
        for (const std::string& line : run.log) {
            lines += line;
            lines += '\n';
        }
        WriteFileAtomically(*logFile, EncodeOutput(lines, {}, encoding));
    }

    switch (run.status) {
    case engine::RunStatus::Done: {
        if (encoding == Encoding::Utf8)
            run.paneText = EncodeOutput(run.paneText, input.foreign, encoding);
        WriteStdout(args.flag("--lf") ? ToLf(run.paneText) : run.paneText);
        return exit_status::kDone;
    }
    case engine::RunStatus::EmptyAfterTrim:
        return exit_status::kDone;
    case engine::RunStatus::WordTooLong:
        PrintMessage(engine::kWordTooLongMessage);
        return exit_status::kStopped;
    case engine::RunStatus::IoFailure:
        PrintMessage(IoErrorMessage(run.ioCode));
        return exit_status::kStopped;
    }
    return exit_status::kStopped;
}

} // namespace cantiva::cli
