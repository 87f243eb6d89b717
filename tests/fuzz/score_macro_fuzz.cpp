// The SCORE macro over arbitrary pane text and every choice of the dialog: no crash, and one
// macro line per pane line in input mode.
#include "export/pane_text.h"
#include "export/score_macro.h"
#include "fuzz_check.h"

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    exporting::ScoreMacroOptions options;
    options.mode = (data[0] & 1) != 0 ? exporting::ScoreMode::Output : exporting::ScoreMode::Input;
    options.hyphen = (data[0] >> 1) % 2;
    options.font = (data[0] >> 2) % static_cast<int>(exporting::kScoreFontItems.size());
    options.staff = data[1] % (exporting::kScoreStaffCount + 1);
    const std::string_view pane = fuzz::AsText(data + 2, size - 2);
    const std::string macro = exporting::BuildScoreMacro(pane, options);
    if (!exporting::PaneLines(pane).empty())
        FUZZ_CHECK(!macro.empty());
    return 0;
}
