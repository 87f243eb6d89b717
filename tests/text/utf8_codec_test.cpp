#include "text/utf8_codec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva::text {
namespace {

TEST(Utf8Codec, RoundTripsEveryDefinedByte) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        if (c != 0x98)
            all += static_cast<char>(c);
    std::string utf8 = Cp1251ToUtf8(all);
    Cp1251Text back = Utf8ToCp1251(utf8);
    EXPECT_EQ(back.bytes, all);
    EXPECT_TRUE(back.foreign.empty());
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9"), "АяЁё№");
}

TEST(Utf8Codec, CarriesForeignCharactersAndInvalidBytesInPlace) {
    std::string input = "a\xE2\x82\xAC b\xF0\x9F\x8E\xB5 \xD1\x8F \xFF!"; // € is 0x88; 🎵 is not
    Cp1251Text t = Utf8ToCp1251(input);
    EXPECT_EQ(t.bytes, "a\x88 b\x98 \xFF \x98!");
    ASSERT_EQ(t.foreign.size(), 2u);
    EXPECT_EQ(Cp1251ToUtf8(t.bytes, t.foreign), input);
}

TEST(Utf8Codec, RefusesIllFormedUtf8) {
    EXPECT_TRUE(IsValidUtf8("мама"));
    EXPECT_FALSE(IsValidUtf8("\xEC\xE0\xEC\xE0")); // мама in Windows-1251
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
}

} // namespace
} // namespace cantiva::text
