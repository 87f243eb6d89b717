#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace cantiva::text {

// An 8-bit code page whose lower half is ASCII: the code point of every byte of the upper half
// (0 where the byte is undefined) and one undefined byte that stands in for every character the
// code page cannot hold, so such characters travel through the core unchanged and in place.
class CodePage {
public:
    using UpperHalf = std::array<char32_t, 128>;

    constexpr CodePage(std::string_view name, const UpperHalf& upper, unsigned char placeholder)
        : name_(name), upper_(upper), placeholder_(placeholder) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < upper.size(); ++i)
            if (upper[i] != 0)
                byCodePoint_[n++] = {upper[i], static_cast<unsigned char>(0x80 + i)};
        count_ = n;
        std::sort(byCodePoint_.begin(), byCodePoint_.begin() + static_cast<std::ptrdiff_t>(n));
    }

    constexpr std::string_view name() const { return name_; }
    constexpr char placeholder() const { return static_cast<char>(placeholder_); }

    // The code point of a byte; 0 for an undefined byte.
    constexpr char32_t toUnicode(unsigned char b) const {
        return b < 0x80 ? b : upper_[static_cast<std::size_t>(b - 0x80)];
    }

    // The byte of a code point, if the code page holds it.
    constexpr std::optional<unsigned char> fromUnicode(char32_t cp) const {
        if (cp < 0x80)
            return static_cast<unsigned char>(cp);
        auto end = byCodePoint_.begin() + static_cast<std::ptrdiff_t>(count_);
        auto it =
            std::lower_bound(byCodePoint_.begin(), end, std::pair<char32_t, unsigned char>{cp, 0});
        if (it != end && it->first == cp)
            return it->second;
        return std::nullopt;
    }

private:
    std::string_view name_;
    UpperHalf upper_;
    unsigned char placeholder_;
    std::array<std::pair<char32_t, unsigned char>, 128> byCodePoint_{};
    std::size_t count_ = 0;
};

// Russian, English, Latin and American dictionaries, and the files written for the user.
inline constexpr CodePage kWindows1251{
    "Windows-1251",
    {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
        0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
        0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
        0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
        0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411,
        0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
        0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
        0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432,
        0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D,
        0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448,
        0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
    },
    0x98};

} // namespace cantiva::text
