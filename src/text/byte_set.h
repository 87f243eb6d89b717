#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace cantiva::text {

// A fixed set of single-byte characters, usable in constant expressions.
class ByteSet {
public:
    constexpr ByteSet() = default;

    static constexpr ByteSet range(unsigned char from, unsigned char to) {
        ByteSet s;
        for (unsigned c = from; c <= to; ++c)
            s.insert(static_cast<unsigned char>(c));
        return s;
    }
    static constexpr ByteSet of(std::initializer_list<unsigned char> bytes) {
        ByteSet s;
        for (unsigned char c : bytes)
            s.insert(c);
        return s;
    }
    // Every byte of a Windows-1251 literal written with \x escapes or ASCII.
    static constexpr ByteSet chars(std::string_view bytes) {
        ByteSet s;
        for (char c : bytes)
            s.insert(static_cast<unsigned char>(c));
        return s;
    }

    constexpr void insert(unsigned char c) { bits_[c >> 6] |= std::uint64_t{1} << (c & 63); }
    constexpr void erase(unsigned char c) { bits_[c >> 6] &= ~(std::uint64_t{1} << (c & 63)); }
    constexpr bool contains(unsigned char c) const { return (bits_[c >> 6] >> (c & 63)) & 1U; }
    constexpr bool contains(char c) const { return contains(static_cast<unsigned char>(c)); }

    constexpr ByteSet operator|(const ByteSet& other) const {
        ByteSet s;
        for (std::size_t i = 0; i < bits_.size(); ++i)
            s.bits_[i] = bits_[i] | other.bits_[i];
        return s;
    }
    constexpr ByteSet without(std::initializer_list<unsigned char> bytes) const {
        ByteSet s = *this;
        for (unsigned char c : bytes)
            s.erase(c);
        return s;
    }

    constexpr int size() const {
        int n = 0;
        for (unsigned c = 0; c < 256; ++c)
            n += contains(static_cast<unsigned char>(c)) ? 1 : 0;
        return n;
    }

    constexpr bool containsAll(std::string_view bytes) const {
        for (char c : bytes)
            if (!contains(c))
                return false;
        return true;
    }

private:
    std::array<std::uint64_t, 4> bits_{};
};

} // namespace cantiva::text
