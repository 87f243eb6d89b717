#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/divided_input.h"
#include "export/pane_text.h"
#include "export/score_macro.h"
#include "export/score_unwritable.h"

#include <array>
#include <charconv>

namespace cantiva::cli {
namespace {

// A list position given as a decimal number within 0..last.
int PositionOption(const Arguments& args, const std::string& name, int fallback, int last) {
    std::optional<std::string> value = args.value(name);
    if (!value)
        return fallback;
    int position = -1;
    const char* end = value->data() + value->size();
    auto [ptr, ec] = std::from_chars(value->data(), end, position);
    if (ec != std::errc() || ptr != end || position < 0 || position > last)
        throw UsageError(name + " must be a number from 0 to " + std::to_string(last));
    return position;
}

// One of the words of `names`, whose position is the result.
template <std::size_t N>
int ChoiceOption(const Arguments& args, const std::string& name,
                 const std::array<std::string_view, N>& names, int fallback) {
    std::optional<std::string> value = args.value(name);
    if (!value)
        return fallback;
    for (std::size_t i = 0; i < N; ++i) {
        if (*value == names[i])
            return static_cast<int>(i);
    }
    throw UsageError("unknown value " + *value + " for " + name);
}

} // namespace

int ScoreCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(
        rawArgs,
        {"--mode", "--hyphen", "--font", "--staff", "--vpos", "--encoding", "--lang", "--dict-dir"},
        {});
    const Encoding encoding = EncodingOption(args);

    exporting::ScoreMacroOptions options;
    constexpr std::array<std::string_view, 2> kModes = {"input", "output"};
    constexpr std::array<std::string_view, 2> kHyphens = {"dash", "extender"};
    options.mode = static_cast<exporting::ScoreMode>(
        ChoiceOption(args, "--mode", kModes, static_cast<int>(options.mode)));
    options.hyphen = ChoiceOption(args, "--hyphen", kHyphens, options.hyphen);
    options.font = PositionOption(args, "--font", options.font,
                                  static_cast<int>(exporting::kScoreFontItems.size()) - 1);
    options.staff = PositionOption(args, "--staff", options.staff, exporting::kScoreStaffCount);
    text::CodePageText verticalPosition;
    if (std::optional<std::string> value = args.value("--vpos")) {
        // The value goes into one line of the macro's header.
        if (value->find_first_of("\r\n") != std::string::npos)
            throw UsageError("--vpos must be one line");
        verticalPosition = DecodeInput(*value, encoding);
        options.verticalPosition = verticalPosition.bytes;
    }

    std::string input = ReadInput(args.file());
    Encoding inputEncoding = encoding;
    if (!dictionaries::LanguageInfoOf(LanguageOption(args)).scoreMacro) {
        PrintMessage(exporting::kScoreMacroLanguageMessage);
        return exit_status::kStopped;
    }
    // With --lang the input is plain text, divided here.
    if (auto divided = DivideInputWhenAsked(args, input, encoding)) {
        if (divided->status != exit_status::kDone)
            return divided->status;
        if (IsByteExact(encoding, text::kWindows1251)) {
            input = text::Utf8ToCp1251(divided->paneUtf8).bytes;
        } else {
            input = divided->paneUtf8;
            inputEncoding = Encoding::Utf8;
        }
    }
    text::Cp1251Text pane = DecodeInput(std::move(input), inputEncoding);
    // A blank pane exports nothing, as in the window.
    if (exporting::IsBlankPane(pane.bytes))
        return exit_status::kDone;
    // Nothing is written that would lose a character; the message names them.
    const std::vector<std::string> unwritable =
        exporting::ScoreUnwritableCharacters({&pane.foreign, &verticalPosition.foreign});
    if (!unwritable.empty()) {
        PrintMessage(exporting::ScoreUnwritableMessage(unwritable) + " Nothing was written.");
        return exit_status::kStopped;
    }
    WriteStdout(EncodeOutput(exporting::BuildScoreMacro(pane.bytes, options), {}, encoding));
    return exit_status::kDone;
}

} // namespace cantiva::cli
