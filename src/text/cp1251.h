#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What every part of the core shares about Windows-1251 text: one byte is one character.
namespace cantiva::text {

inline constexpr char kCarriageReturn = '\x0D';
inline constexpr char kLineFeed = '\x0A';
inline constexpr char kNoBreakSpace = '\xA0';
inline constexpr std::string_view kCrLf = "\r\n";

// Bytes of value 0x20 or less are what "trim" removes; the non-breaking space 0xA0 is kept.
constexpr bool IsTrimmable(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);

// The lines of a text file: a line ends at CR LF, CR or LF; a final line break opens no new line,
// and an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view s);

// The whole Windows-1251 case mapping (Latin, Russian, Ё/ё and the other Cyrillic letters).
namespace detail {
extern const std::array<char, 256> kLowerTable;
extern const std::array<char, 256> kUpperTable;
} // namespace detail

inline char LowerChar(char c) {
    return detail::kLowerTable[static_cast<unsigned char>(c)];
}
inline char UpperChar(char c) {
    return detail::kUpperTable[static_cast<unsigned char>(c)];
}

} // namespace cantiva::text
