#pragma once

#include "text/code_page.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Unicode text (UTF-8) to and from the core's 8-bit text. Every front end converts here, so the
// window and the command line read and write alike.
namespace cantiva::text {

inline constexpr char kForeignPlaceholder = kWindows1251.placeholder();

// Text in an 8-bit code page. Each placeholder byte of `bytes` stands for the next entry of
// `foreign`: the UTF-8 of a character the code page cannot hold, or one byte of input that was not
// valid UTF-8. Whatever keeps the placeholders in order keeps every character.
struct CodePageText {
    std::string bytes;
    std::vector<std::string> foreign;
};
using Cp1251Text = CodePageText;

CodePageText Utf8ToCodePage(std::string_view utf8, const CodePage& codePage);

// Puts the foreign characters back in order; placeholders beyond the list become U+FFFD.
std::string CodePageToUtf8(std::string_view bytes, const std::vector<std::string>& foreign,
                           const CodePage& codePage);
// The same for a piece of such a text, appended: its placeholders take foreign[next] on.
void AppendCodePageAsUtf8(std::string& out, std::string_view bytes,
                          const std::vector<std::string>& foreign, const CodePage& codePage,
                          std::size_t& next);

inline CodePageText Utf8ToCp1251(std::string_view utf8) {
    return Utf8ToCodePage(utf8, kWindows1251);
}
inline std::string Cp1251ToUtf8(std::string_view bytes,
                                const std::vector<std::string>& foreign = {}) {
    return CodePageToUtf8(bytes, foreign, kWindows1251);
}

// Length of the well-formed UTF-8 sequence at the start of `s` and its code point; 0 if none.
std::size_t DecodeCodePoint(std::string_view s, char32_t& cp);

void AppendUtf8(std::string& out, char32_t cp);

// True when `s` is well-formed UTF-8.
bool IsValidUtf8(std::string_view s);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace cantiva::text
