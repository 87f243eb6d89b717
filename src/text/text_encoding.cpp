#include "text/text_encoding.h"

#include "text/utf8_codec.h"

namespace cantiva::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kUtf16LittleEndianBom = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianBom = "\xFE\xFF";

std::string FromCodePage(std::string_view bytes, const CodePage& codePage) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const char32_t cp = codePage.toUnicode(static_cast<unsigned char>(c));
        AppendUtf8(out, cp == 0 && c != '\0' ? kReplacement : cp);
    }
    return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        const bool high = u >= 0xD800 && u < 0xDC00;
        if (high && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else {
            AppendUtf8(out, u >= 0xD800 && u < 0xE000 ? kReplacement : u);
        }
    }
    if (i < bytes.size()) // an odd last byte
        AppendUtf8(out, kReplacement);
    return out;
}

std::string FromUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t cp = 0;
        const std::size_t length = DecodeCodePoint(bytes, cp);
        AppendUtf8(out, length == 0 ? kReplacement : cp);
        bytes.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

bool HasUndefinedByte(std::string_view bytes, const CodePage& codePage) {
    for (char c : bytes)
        if (codePage.toUnicode(static_cast<unsigned char>(c)) == 0 && c != '\0')
            return true;
    return false;
}

bool IsAsciiLetter(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// How far the words of an 8-bit text lean to Russian: the words of two upper-half letters or more
// and no ASCII letter (as Windows-1251 Russian is written) less the words mixing the two (as
// western words with accents are). 0 when neither kind is there.
int CyrillicLean(std::string_view bytes) {
    int cyrillic = 0;
    int western = 0;
    std::size_t upper = 0;
    bool ascii = false;
    auto endWord = [&] {
        if (upper > 0 && ascii)
            ++western;
        else if (upper >= 2)
            ++cyrillic;
        upper = 0;
        ascii = false;
    };
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (IsAsciiLetter(b))
            ascii = true;
        else if (b >= 0xC0 || b == 0xA8 || b == 0xB8) // the letters of either code page's top
            ++upper;
        else
            endWord();
    }
    endWord();
    return cyrillic - western;
}

const CodePage& CodePageFor(std::string_view bytes, const CodePage& preferred) {
    const CodePage& other = preferred.name() == kWindows1251.name() ? kWindows1252 : kWindows1251;
    if (HasUndefinedByte(bytes, preferred))
        return other;
    const int lean = CyrillicLean(bytes);
    if (preferred.name() == kWindows1251.name())
        return lean < 0 ? other : preferred;
    return lean > 0 ? other : preferred;
}

} // namespace

std::string_view EncodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        return "UTF-16";
    case TextEncoding::Windows1251:
        return kWindows1251.name();
    case TextEncoding::Windows1252:
        return kWindows1252.name();
    }
    return "UTF-8";
}

std::optional<DecodedText> DecodeTextFile(std::string_view bytes, const CodePage& preferred) {
    if (bytes.starts_with(kUtf8Bom))
        return DecodeTextAs(bytes, TextEncoding::Utf8);
    if (bytes.starts_with(kUtf16LittleEndianBom))
        return DecodeTextAs(bytes, TextEncoding::Utf16LittleEndian);
    if (bytes.starts_with(kUtf16BigEndianBom))
        return DecodeTextAs(bytes, TextEncoding::Utf16BigEndian);
    if (bytes.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (IsValidUtf8(bytes))
        return DecodedText{std::string(bytes), TextEncoding::Utf8};
    const CodePage& codePage = CodePageFor(bytes, preferred);
    return DecodeTextAs(bytes, codePage.name() == kWindows1251.name() ? TextEncoding::Windows1251
                                                                      : TextEncoding::Windows1252);
}

DecodedText DecodeTextAs(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return {FromUtf8(bytes), encoding};
    case TextEncoding::Utf16LittleEndian:
        if (bytes.starts_with(kUtf16LittleEndianBom))
            bytes.remove_prefix(2);
        return {FromUtf16(bytes, false), encoding};
    case TextEncoding::Utf16BigEndian:
        if (bytes.starts_with(kUtf16BigEndianBom))
            bytes.remove_prefix(2);
        return {FromUtf16(bytes, true), encoding};
    case TextEncoding::Windows1251:
        return {FromCodePage(bytes, kWindows1251), encoding};
    case TextEncoding::Windows1252:
        return {FromCodePage(bytes, kWindows1252), encoding};
    }
    return {FromUtf8(bytes), TextEncoding::Utf8};
}

} // namespace cantiva::text
