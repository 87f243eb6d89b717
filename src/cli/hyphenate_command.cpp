#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/dictionary_state.h"
#include "engine/hyphenation_run.h"
#include "io/file_io.h"
#include "io/io_error.h"

namespace cantiva::cli {
namespace {

// Tells that the log is given up, when a log was asked for.
class LogNoticeObserver : public engine::RunObserver {
public:
    explicit LogNoticeObserver(bool logRequested) : logRequested_(logRequested) {}
    void information(std::string_view message) override {
        if (logRequested_)
            PrintMessage(message);
    }
    void progressRange(int, int) override {}
    void progressPosition(int) override {}
    bool showsProgress() const override { return false; }

private:
    bool logRequested_;
};

std::string CrLfToLf(std::string_view s) {
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
    const Encoding encoding = EncodingOption(args, "auto");
    const dictionaries::Language language = LanguageOption(args);
    const std::optional<std::string> logFile = args.value("--log");

    dictionaries::DictionaryState state(DictDirOption(args));
    state.openLanguage(language);
    PrintLoadWarning(state);

    const text::CodePage& codePage = *dictionaries::LanguageInfoOf(language).codePage;
    const std::string inputName =
        args.file() && *args.file() != "-" ? *args.file() : "standard input";
    text::CodePageText input = DecodeInput(ReadInput(args.file()), encoding, codePage, inputName);
    LogNoticeObserver observer(logFile.has_value());
    engine::RunResult run = engine::RunHyphenation(input, state, logFile.has_value(), &observer);

    PrintLongWordWarning(input.bytes, run.longWords);
    // The input is not needed any more: a large text is held twice at most (result and output).
    std::string().swap(input.bytes);

    int status = exit_status::kStopped;
    switch (run.status) {
    case engine::RunStatus::Done:
        run.resultText = EncodeOutput(std::move(run.resultText), input.foreign, encoding, codePage);
        if (args.flag("--lf"))
            run.resultText = CrLfToLf(run.resultText);
        WriteStdout(run.resultText);
        status = exit_status::kDone;
        break;
    case engine::RunStatus::EmptyAfterTrim:
        status = exit_status::kDone;
        break;
    case engine::RunStatus::IoFailure:
        // Only the exceptions lookup reads a file during the run.
        PrintFailure(DescribeIoError(
            IoError(run.ioCode, state.pathOf(dictionaries::DictFile::ExceptionsCompiled))));
        break;
    }

    // The log comes after the result: a log that cannot be written costs the log alone.
    if (logFile) {
        std::string lines;
        for (const std::string& line : run.log) {
            lines += line;
            lines += '\n';
        }
        try {
            ReplaceFile(*logFile, EncodeOutput(lines, {}, encoding, codePage));
        } catch (const IoError& e) {
            PrintFailure(DescribeIoError(e));
            return exit_status::kStopped;
        }
    }
    return status;
}

} // namespace cantiva::cli
