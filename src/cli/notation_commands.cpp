#include "cli/cli_io.h"
#include "cli/commands.h"
#include "export/pane_text.h"
#include "notation/gabc_score.h"
#include "notation/lilypond_lyrics.h"

namespace cantiva::cli {
namespace {

// LilyPond and Gregorio read UTF-8 only, so the output is UTF-8 whatever the input was.
int NotationExport(const std::vector<std::string>& rawArgs,
                   std::string (*exportText)(std::string_view)) {
    Arguments args(rawArgs, {"--encoding"}, {});
    const std::string text = DecodeInputAsUtf8(ReadInput(args.file()), EncodingOption(args));
    // A blank pane exports nothing, as in the window.
    if (exporting::IsBlankPane(text))
        return exit_status::kDone;
    WriteStdout(exportText(text));
    return exit_status::kDone;
}

} // namespace

int LilyPondCommand(const std::vector<std::string>& args) {
    return NotationExport(args, notation::LilyPondLyrics);
}

int GabcCommand(const std::vector<std::string>& args) {
    return NotationExport(args, notation::GabcScore);
}

} // namespace cantiva::cli
