#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/divided_input.h"
#include "notation/lyric_laying.h"

#include <charconv>

namespace cantiva::cli {
namespace {

// The option's number from 1, or `absent` when it is not given.
int PositiveOption(const Arguments& args, const std::string& name, int absent = 1) {
    const std::optional<std::string> value = args.value(name);
    if (!value)
        return absent;
    int number = 0;
    const char* end = value->data() + value->size();
    auto [ptr, ec] = std::from_chars(value->data(), end, number);
    if (ec != std::errc() || ptr != end || number < 1)
        throw UsageError(name + " must be a number from 1");
    return number;
}

std::string RequiredOption(const Arguments& args, const std::string& name) {
    const std::optional<std::string> value = args.value(name);
    if (!value || value->empty())
        throw UsageError("lay needs " + name);
    return *value;
}

} // namespace

int LayCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs,
                   {"--score", "--out", "--part", "--voice", "--verse", "--encoding",
                    "--from-measure", "--to-measure", "--follow-verse", "--lang", "--dict-dir"},
                   {"--slur-melisma", "--replace"});
    const std::string input = RequiredOption(args, "--score");
    const std::string output = RequiredOption(args, "--out");
    notation::LayRequest request;
    request.part = args.valueOr("--part", "");
    request.voice = PositiveOption(args, "--voice");
    request.verse = PositiveOption(args, "--verse");
    request.slurMelisma = args.flag("--slur-melisma");
    request.replaceVerse = args.flag("--replace");
    request.fromMeasure = PositiveOption(args, "--from-measure", 0);
    request.toMeasure = PositiveOption(args, "--to-measure", 0);
    request.followVerse = PositiveOption(args, "--follow-verse", 0);
    std::string bytes = ReadInput(args.file());
    // With --lang the input is plain text: the engine divides it and its joins go to the notes.
    if (auto divided = DivideInputWhenAsked(args, bytes, EncodingOption(args))) {
        if (divided->status != exit_status::kDone)
            return divided->status;
        const notation::LayReport report = notation::LayLyricsOnFile(
            input, notation::SyllablesInOrder(divided->lines), request, output);
        PrintMessage(notation::LayReportText(report, request));
        return exit_status::kDone;
    }
    const std::string text = DecodeInputAsUtf8(std::move(bytes), EncodingOption(args));

    const notation::LayReport report = notation::LayLyricsOnFile(input, text, request, output);
    PrintMessage(notation::LayReportText(report, request));
    return exit_status::kDone;
}

} // namespace cantiva::cli
