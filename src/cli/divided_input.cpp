#include "cli/divided_input.h"

#include "cli/commands.h"
#include "engine/hyphenation_run.h"
#include "io/io_error.h"
#include "notation/divided_run_lines.h"

namespace cantiva::cli {

std::optional<DividedInput> DivideInputWhenAsked(const Arguments& args, std::string bytes,
                                                 Encoding encoding) {
    if (!args.value("--lang"))
        return std::nullopt;
    const dictionaries::Language language = LanguageOption(args);
    dictionaries::DictionaryState state(DictDirOption(args));
    state.openLanguage(language);
    PrintLoadWarning(state);
    const text::CodePage& codePage = *dictionaries::LanguageInfoOf(language).codePage;
    const text::CodePageText input = DecodeInput(std::move(bytes), encoding, codePage);
    const engine::RunResult run =
        engine::RunHyphenation(input, state, false, nullptr, engine::RunModel::Kept);
    PrintLongWordWarning(input.bytes, run.longWords);

    DividedInput divided;
    divided.language = language;
    switch (run.status) {
    case engine::RunStatus::Done:
        divided.lines = notation::DividedLinesOf(run.divided, codePage);
        divided.paneUtf8 = text::CodePageToUtf8(run.resultText, input.foreign, codePage);
        divided.finaleUtf8 =
            text::CodePageToUtf8(text::PaneTextOf(run.divided, "\xA0"), input.foreign, codePage);
        break;
    case engine::RunStatus::EmptyAfterTrim:
        break;
    case engine::RunStatus::IoFailure:
        PrintFailure(DescribeIoError(
            IoError(run.ioCode, state.pathOf(dictionaries::DictFile::ExceptionsCompiled))));
        divided.status = exit_status::kStopped;
        break;
    }
    return divided;
}

} // namespace cantiva::cli
