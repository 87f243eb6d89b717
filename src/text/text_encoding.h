#pragma once

#include "text/code_page.h"

#include <optional>
#include <string>
#include <string_view>

// How a text file's bytes become Unicode. The window and the command line read files alike here.
namespace cantiva::text {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1251, Windows1252 };

// "UTF-8", "UTF-16", "Windows-1251", "Windows-1252": what the user is told.
std::string_view EncodingName(TextEncoding encoding);

struct DecodedText {
    std::string utf8; // without a byte-order mark
    TextEncoding encoding;
};

// A file's bytes as Unicode, the encoding found from the bytes themselves: UTF-8 with its
// byte-order mark or without, UTF-16 by its byte-order mark; else the code page `preferred`
// (the selected language's), or the other of the two when the text does not fit it: a byte the
// code page leaves undefined, or words that read as another alphabet's (Russian letters are all
// in the upper half, western words mix them with ASCII letters). Nothing when the bytes hold a
// NUL and are not UTF-16: not a text file.
std::optional<DecodedText> DecodeTextFile(std::string_view bytes, const CodePage& preferred);

// The bytes read as `encoding`, whatever they look like (the user chose it). A byte-order mark
// of that encoding is dropped; a byte or unit that cannot be decoded becomes U+FFFD.
DecodedText DecodeTextAs(std::string_view bytes, TextEncoding encoding);

} // namespace cantiva::text
