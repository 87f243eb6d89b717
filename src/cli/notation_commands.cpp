#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/divided_input.h"
#include "export/pane_text.h"
#include "notation/gabc_score.h"
#include "notation/lilypond_lyrics.h"

namespace cantiva::cli {
namespace {

using LinesExport = std::string (*)(const std::vector<notation::DividedLine>&);

// LilyPond and Gregorio read UTF-8 only, so the output is UTF-8 whatever the input was. With
// --lang the input is plain text, divided here.
int NotationExport(const std::vector<std::string>& rawArgs,
                   std::string (*exportText)(std::string_view), LinesExport exportLines) {
    Arguments args(rawArgs, {"--encoding", "--lang", "--dict-dir"}, {});
    std::string input = ReadInput(args.file());
    if (auto divided = DivideInputWhenAsked(args, input, EncodingOption(args))) {
        if (divided->status == exit_status::kDone && !exporting::IsBlankPane(divided->paneUtf8))
            WriteStdout(exportLines(divided->lines));
        return divided->status;
    }
    const std::string text = DecodeInputAsUtf8(std::move(input), EncodingOption(args));
    // A blank pane exports nothing, as in the window.
    if (exporting::IsBlankPane(text))
        return exit_status::kDone;
    WriteStdout(exportText(text));
    return exit_status::kDone;
}

} // namespace

int LilyPondCommand(const std::vector<std::string>& args) {
    return NotationExport(args, notation::LilyPondLyrics, notation::LilyPondLyrics);
}

int GabcCommand(const std::vector<std::string>& args) {
    return NotationExport(args, notation::GabcScore, notation::GabcScore);
}

} // namespace cantiva::cli
