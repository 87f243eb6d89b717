#include "text/cp1251.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva::text {
namespace {

TEST(Trim, RemovesControlBytesAndBlanksButKeepsNoBreakSpace) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {" \t\r\n", ""},
        {"  a b  ", "a b"},
        {std::string("\x01x\x1F", 3), "x"},
        {"\xA0x\xA0", "\xA0x\xA0"},
        {std::string("\0x", 2), "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Trim(c.in), c.out) << c.in;
}

TEST(CaseMapping, CoversEveryCasedLetterOfTheCodePage) {
    struct Pair {
        unsigned char upper, lower;
    } pairs[] = {
        {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xDF, 0xFF}, {0xA8, 0xB8},
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
        {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
        {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
    };
    for (auto [up, low] : pairs) {
        EXPECT_EQ(LowerChar(static_cast<char>(up)), static_cast<char>(low)) << int(up);
        EXPECT_EQ(UpperChar(static_cast<char>(low)), static_cast<char>(up)) << int(low);
    }
    for (char c : std::string("0-'\xA0\x98\xAB"))
        EXPECT_EQ(LowerChar(c), c);
}

TEST(SplitLines, EndsLinesAtCrLfCrOrLfWithoutATrailingEmptyLine) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("a"), V{"a"});
    EXPECT_EQ(SplitLines("a\r\n"), V{"a"});
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\rb\nc\r\n"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("\r\n"), V{""});
}

} // namespace
} // namespace cantiva::text
