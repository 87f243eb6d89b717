#pragma once

#include "text/utf8_codec.h"

#include <QString>
#include <string>
#include <string_view>

namespace cantiva::ui {

// One line of the core's Windows-1251 text (a caption, an information line, an exception entry)
// as a QString, and back; a character Windows-1251 cannot hold is written as its placeholder.
// Texts of many lines go through pane_codec.h instead.
inline QString FromCp1251(std::string_view cp1251) {
    return QString::fromStdString(text::Cp1251ToUtf8(cp1251));
}

inline std::string ToCp1251(const QString& line) {
    return text::Utf8ToCp1251(line.toStdString()).bytes;
}

// The same in the code page of a language's dictionaries.
inline QString FromCodePage(std::string_view bytes, const text::CodePage& codePage) {
    return QString::fromStdString(text::CodePageToUtf8(bytes, {}, codePage));
}

inline std::string ToCodePage(const QString& line, const text::CodePage& codePage) {
    return text::Utf8ToCodePage(line.toStdString(), codePage).bytes;
}

} // namespace cantiva::ui
