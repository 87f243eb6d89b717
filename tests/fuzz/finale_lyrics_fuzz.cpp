// The Finale lyrics over arbitrary pane text: every line keeps its length and changes only
// blanks into non-breaking spaces.
#include "export/finale_lyrics.h"
#include "export/pane_text.h"
#include "fuzz_check.h"

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool bindDashes = (data[0] & 1) != 0;
    const std::string_view pane = fuzz::AsText(data + 1, size - 1);
    std::string expected;
    for (std::string_view line : exporting::PaneLines(pane)) {
        const std::string converted = exporting::ConvertFinaleLine(line, bindDashes);
        FUZZ_CHECK(converted.size() == line.size());
        for (std::size_t i = 0; i < line.size(); ++i)
            FUZZ_CHECK(converted[i] == line[i] || (line[i] == ' ' && converted[i] == '\xA0'));
        expected += converted;
        expected += "\r\n";
    }
    FUZZ_CHECK(exporting::FinaleExportText(pane, bindDashes) == expected);
    return 0;
}
