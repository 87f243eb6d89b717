#include "text/utf8_codec.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace cantiva::text {
namespace {

// Unicode code points of 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F. 0 marks the undefined 0x98.
constexpr std::array<char32_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t CodePointOf(unsigned char c) {
    if (c < 0x80)
        return c;
    if (c >= 0xC0)
        return 0x0410 + (c - 0xC0);
    return kHighHalf[c - 0x80];
}

std::string EncodeUtf8(char32_t cp) {
    std::string out;
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
    return out;
}

struct Tables {
    std::array<std::string, 256> toUtf8;
    std::unordered_map<char32_t, unsigned char> fromUnicode;
};

const Tables& GetTables() {
    static const Tables tables = [] {
        Tables t;
        for (int c = 0; c < 256; ++c) {
            char32_t cp = CodePointOf(static_cast<unsigned char>(c));
            if (c == 0x98) {
                t.toUtf8[c] = "\xEF\xBF\xBD";
                continue;
            }
            t.toUtf8[c] = EncodeUtf8(cp);
            if (c >= 0x80)
                t.fromUnicode.emplace(cp, static_cast<unsigned char>(c));
        }
        return t;
    }();
    return tables;
}

// Length of the well-formed UTF-8 sequence at the start of `s` and its code point; 0 if none.
std::size_t DecodeOne(std::string_view s, char32_t& cp) {
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

} // namespace

Cp1251Text Utf8ToCp1251(std::string_view utf8) {
    const Tables& t = GetTables();
    Cp1251Text out;
    out.bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        std::size_t len = DecodeOne(utf8.substr(i), cp);
        if (len == 0) {
            out.bytes += kForeignPlaceholder;
            out.foreign.emplace_back(utf8.substr(i, 1));
            ++i;
            continue;
        }
        if (cp < 0x80) {
            out.bytes += static_cast<char>(cp);
        } else if (cp >= 0x0410 && cp <= 0x044F) {
            out.bytes += static_cast<char>(0xC0 + (cp - 0x0410));
        } else if (auto it = t.fromUnicode.find(cp); it != t.fromUnicode.end()) {
            out.bytes += static_cast<char>(it->second);
        } else {
            out.bytes += kForeignPlaceholder;
            out.foreign.emplace_back(utf8.substr(i, len));
        }
        i += len;
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view bytes, const std::vector<std::string>& foreign) {
    const Tables& t = GetTables();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t next = 0;
    for (char c : bytes) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x80)
            out += c;
        else if (c == kForeignPlaceholder && next < foreign.size())
            out += foreign[next++];
        else
            out += t.toUtf8[u];
    }
    return out;
}

std::string_view Cp1251CharToUtf8(unsigned char c) {
    return GetTables().toUtf8[c];
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = 0;
        std::size_t len = DecodeOne(s.substr(i), cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

bool LooksLikeUtf8(std::string_view s) {
    if (s.starts_with(kUtf8Bom))
        return true;
    bool nonAscii = false;
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    return nonAscii && IsValidUtf8(s);
}

} // namespace cantiva::text
