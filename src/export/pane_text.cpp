#include "export/pane_text.h"

#include "text/cp1251.h"

namespace cantiva::exporting {

bool IsBlankPane(std::string_view paneText) {
    return text::TrimView(paneText).empty();
}

std::vector<std::string_view> PaneLines(std::string_view paneText) {
    return text::SplitLines(paneText);
}

} // namespace cantiva::exporting
