#pragma once

#include "text/text_encoding.h"
#include "text/utf8_codec.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

// The boundary between a text pane (Unicode, lines ended by '\n') and the core (Windows-1251
// bytes, lines joined by CR LF). The core's codec does the character work, so the window and the
// command-line front end convert alike; a character Windows-1251 cannot hold travels as the
// placeholder byte with its original kept in `foreign`.
namespace cantiva::ui {

// The text of a pane with every character in it: line and paragraph separators as '\n', and the
// non-breaking spaces kept (QPlainTextEdit::toPlainText would turn them into blanks).
QString PaneText(const QPlainTextEdit& pane);

// The pane's lines joined by CR LF, as bytes of the code page (Windows-1251 unless a language's
// dictionaries use another) plus the characters that do not fit.
text::CodePageText PaneToCore(const QString& paneText,
                              const text::CodePage& codePage = text::kWindows1251);

// Core bytes back into pane text: CR LF, a lone CR and a lone LF each end a line; the placeholders
// take back the characters of `foreign` in order.
QString CoreToPane(std::string_view bytes, const std::vector<std::string>& foreign = {},
                   const text::CodePage& codePage = text::kWindows1251);

// Where the core byte at `coreOffset` of PaneToCore(paneText).bytes sits in `paneText` (an offset
// at or past the end gives the pane's length). Used to select a word the core pointed at.
qsizetype PanePositionOf(const QString& paneText, std::size_t coreOffset);

// A file opened into a pane: its text and the encoding it was read in.
struct PaneFile {
    QString text;
    text::TextEncoding encoding = text::TextEncoding::Utf8;
};

// The text of a file opened into a pane, read as text::DecodeTextFile says (the code page
// `preferred` is the selected language's); nothing when the file is not text. Line ends become
// '\n'; a final line break opens no new line; a byte-order mark after the file's own stays.
std::optional<PaneFile> FileBytesToPane(std::string_view fileBytes,
                                        const text::CodePage& preferred = text::kWindows1251);
// The same read in the encoding the user chose.
PaneFile FileBytesToPaneAs(std::string_view fileBytes, text::TextEncoding encoding);

} // namespace cantiva::ui

namespace cantiva::ui {

// Puts `text` (lines ended by '\n') into a pane quickly: a text pane lays out and stores every
// paragraph on its own, which makes a text of many short lines slow and large. Lines are joined
// by line separators into paragraphs of kLinesPerParagraph lines; PaneText reads them back as
// '\n', and positions stay the same.
void ShowPaneText(QPlainTextEdit& pane, QString text);

inline constexpr int kLinesPerParagraph = 64;

} // namespace cantiva::ui
