#include "text/utf8_codec.h"

#include <gtest/gtest.h>

namespace cantiva::text {
namespace {

TEST(CodePage, EveryDefinedByteRoundTripsAndOthersBecomePlaceholders) {
    for (int b = 1; b < 256; ++b) {
        const char32_t cp = kWindows1251.toUnicode(static_cast<unsigned char>(b));
        if (b == 0x98) {
            EXPECT_EQ(cp, 0U);
            continue;
        }
        ASSERT_NE(cp, 0U) << b;
        EXPECT_EQ(kWindows1251.fromUnicode(cp), static_cast<unsigned char>(b)) << b;
    }
    EXPECT_FALSE(kWindows1251.fromUnicode(U'á'));
    EXPECT_FALSE(kWindows1251.fromUnicode(0xFFFD));

    const CodePageText t = Utf8ToCodePage("a\u0301б😀\xFF", kWindows1251);
    EXPECT_EQ(t.bytes, "a\x98\xE1\x98\x98");
    EXPECT_EQ(t.foreign, (std::vector<std::string>{"\u0301", "😀", "\xFF"}));
    EXPECT_EQ(CodePageToUtf8(t.bytes, t.foreign, kWindows1251), "a\u0301б😀\xFF");
}

} // namespace
} // namespace cantiva::text
