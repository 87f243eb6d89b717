#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cantiva::text {

// Windows-1251 leaves 0x98 undefined; it stands in for every character the code page cannot hold,
// so that such characters travel through the core unchanged and in place.
inline constexpr char kForeignPlaceholder = '\x98';

struct Cp1251Text {
    std::string bytes;
    // What each placeholder of `bytes` stands for, in order: UTF-8 of the character, or the raw
    // byte of input that was not valid UTF-8.
    std::vector<std::string> foreign;
};

Cp1251Text Utf8ToCp1251(std::string_view utf8);

// Puts the foreign characters back in order; placeholders beyond the list become U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes, const std::vector<std::string>& foreign = {});

// UTF-8 of one Windows-1251 byte (0x98 gives U+FFFD).
std::string_view Cp1251CharToUtf8(unsigned char c);

// True when `s` is well-formed UTF-8.
bool IsValidUtf8(std::string_view s);

// True when `s` opens with a UTF-8 byte-order mark, or holds non-ASCII bytes that form valid UTF-8.
bool LooksLikeUtf8(std::string_view s);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace cantiva::text
