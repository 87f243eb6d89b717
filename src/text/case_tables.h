#pragma once

#include <array>

namespace cantiva::text {

// The lower and upper case of an 8-bit code page, built from its pairs of capital and small
// letter; every byte not paired is its own case. A–Z pair with a–z in every code page.
struct CaseTables {
    std::array<char, 256> lower{};
    std::array<char, 256> upper{};

    constexpr CaseTables() {
        for (int c = 0; c < 256; ++c) {
            lower[c] = static_cast<char>(c);
            upper[c] = static_cast<char>(c);
        }
        for (int c = 'A'; c <= 'Z'; ++c)
            pair(c, c + 32);
    }

    constexpr void pair(int capital, int small) {
        lower[capital] = static_cast<char>(small);
        upper[small] = static_cast<char>(capital);
    }
};

} // namespace cantiva::text
