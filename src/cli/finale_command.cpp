#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/divided_input.h"
#include "export/finale_lyrics.h"
#include "export/pane_text.h"

namespace cantiva::cli {

int FinaleCommand(const std::vector<std::string>& rawArgs) {
    Arguments args(rawArgs, {"--encoding", "--lang", "--dict-dir"}, {"--no-bind-dashes"});
    const Encoding encoding = EncodingOption(args);
    const bool bindDashes = !args.flag("--no-bind-dashes");

    std::string input = ReadInput(args.file());
    Encoding inputEncoding = encoding;
    // With --lang the input is plain text: divided here, two words on one note bound by 0xA0.
    if (auto divided = DivideInputWhenAsked(args, input, encoding)) {
        if (divided->status != exit_status::kDone)
            return divided->status;
        if (IsByteExact(encoding, text::kWindows1251)) {
            input = text::Utf8ToCp1251(divided->finaleUtf8).bytes;
        } else {
            input = divided->finaleUtf8;
            inputEncoding = Encoding::Utf8;
        }
    }
    text::Cp1251Text pane = DecodeInput(std::move(input), inputEncoding);
    // A blank pane exports nothing, as in the window.
    if (exporting::IsBlankPane(pane.bytes))
        return exit_status::kDone;
    // The conversion keeps every character in place, so the foreign ones go back where they were.
    WriteStdout(
        EncodeOutput(exporting::FinaleExportText(pane.bytes, bindDashes), pane.foreign, encoding));
    return exit_status::kDone;
}

} // namespace cantiva::cli
