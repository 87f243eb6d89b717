#include "text/utf8_codec.h"

#include <array>

namespace cantiva::text {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void AppendByte(std::string& out, unsigned char b, const CodePage& codePage) {
    if (b < 0x80) {
        out += static_cast<char>(b);
        return;
    }
    char32_t cp = codePage.toUnicode(b);
    if (cp == 0)
        out += kReplacementCharacter;
    else
        AppendUtf8(out, cp);
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t DecodeCodePoint(std::string_view s, char32_t& cp) {
    if (s.empty())
        return 0;
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char c0 = b(0);
    if (c0 < 0x80) {
        cp = c0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if ((c0 & 0xE0) == 0xC0) {
        len = 2;
        cp = c0 & 0x1F;
        min = 0x80;
    } else if ((c0 & 0xF0) == 0xE0) {
        len = 3;
        cp = c0 & 0x0F;
        min = 0x800;
    } else if ((c0 & 0xF8) == 0xF0) {
        len = 4;
        cp = c0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < len)
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

CodePageText Utf8ToCodePage(std::string_view utf8, const CodePage& codePage) {
    CodePageText out;
    out.bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out.bytes += utf8[i++];
            continue;
        }
        char32_t cp = 0;
        std::size_t len = DecodeCodePoint(utf8.substr(i), cp);
        if (len == 0) {
            out.bytes += codePage.placeholder();
            out.foreign.emplace_back(utf8.substr(i, 1));
            ++i;
            continue;
        }
        if (auto b = codePage.fromUnicode(cp)) {
            out.bytes += static_cast<char>(*b);
        } else {
            out.bytes += codePage.placeholder();
            out.foreign.emplace_back(utf8.substr(i, len));
        }
        i += len;
    }
    return out;
}

void AppendCodePageAsUtf8(std::string& out, std::string_view bytes,
                          const std::vector<std::string>& foreign, const CodePage& codePage,
                          std::size_t& next) {
    for (char c : bytes) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x80)
            out += c;
        else if (c == codePage.placeholder() && next < foreign.size())
            out += foreign[next++];
        else
            AppendByte(out, u, codePage);
    }
}

std::string CodePageToUtf8(std::string_view bytes, const std::vector<std::string>& foreign,
                           const CodePage& codePage) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t next = 0;
    AppendCodePageAsUtf8(out, bytes, foreign, codePage, next);
    return out;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = 0;
        std::size_t len = DecodeCodePoint(s.substr(i), cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

} // namespace cantiva::text
