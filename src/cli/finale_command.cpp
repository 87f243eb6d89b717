#include "cli/cli_io.h"
#include "cli/commands.h"
#include "export/finale_lyrics.h"
#include "export/pane_text.h"

namespace cantiva::cli {

int FinaleCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--encoding"}, {"--no-bind-dashes"});
    const Encoding encoding = EncodingOption(args);
    const bool bindDashes = !args.flag("--no-bind-dashes");

    text::Cp1251Text pane = DecodeInput(ReadInput(args.file()), encoding);
    // A blank pane exports nothing, as in the window.
    if (exporting::IsBlankPane(pane.bytes))
        return exit_status::kDone;
    // The conversion keeps every character in place, so the foreign ones go back where they were.
    WriteStdout(
        EncodeOutput(exporting::FinaleExportText(pane.bytes, bindDashes), pane.foreign, encoding));
    return exit_status::kDone;
}

} // namespace cantiva::cli
