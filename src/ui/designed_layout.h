#pragma once

class QWidget;

namespace cantiva::ui {

// The dialogs' positions and widths are designed for an 11-pixel "MS Sans Serif"; the dialogs show
// the desktop's font instead. Where that font is wider, this stretches the window and its controls
// horizontally by the one factor that lets every caption, radio button, check box and drop-down
// list show its whole text, keeping the design's proportions; with the designed font nothing
// changes.
void WidenToFitTexts(QWidget& window);

} // namespace cantiva::ui
