#pragma once

#include "text/utf8_codec.h"

#include <string>
#include <string_view>

namespace cantiva::test_support {

// Tests write Russian as UTF-8 literals; the core works on Windows-1251 bytes.
inline std::string W(std::string_view utf8) {
    return text::Utf8ToCp1251(utf8).bytes;
}

// Back to UTF-8, so a failing comparison prints readable text.
inline std::string U(std::string_view cp1251) {
    return text::Cp1251ToUtf8(cp1251);
}

} // namespace cantiva::test_support
