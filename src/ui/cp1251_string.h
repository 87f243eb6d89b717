#pragma once

#include "text/utf8_codec.h"

#include <QString>
#include <string>
#include <string_view>

namespace cantiva::ui {

// One line of the core's 8-bit text (a caption, an information line, an exception entry) in the
// code page of a language's dictionaries, as a QString, and back; a character the code page
// cannot hold is written as its placeholder. Texts of many lines go through pane_codec.h instead.
inline QString FromCodePage(std::string_view bytes, const text::CodePage& codePage) {
    return QString::fromStdString(text::CodePageToUtf8(bytes, {}, codePage));
}

inline std::string ToCodePage(const QString& line, const text::CodePage& codePage) {
    return text::Utf8ToCodePage(line.toStdString(), codePage).bytes;
}

} // namespace cantiva::ui
