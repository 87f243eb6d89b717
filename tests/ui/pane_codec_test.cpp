#include "support/cp1251.h"
#include "ui/pane_codec.h"

#include <gtest/gtest.h>

namespace cantiva::ui {
namespace {

using test_support::W;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(PaneCodec, PaneLinesAreJoinedByCrLf) {
    struct Case {
        const char* pane;
        std::string core;
    };
    const Case cases[] = {
        {"", ""},
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"}, // an existing CR LF is not doubled
        {"\n\n", "\r\n\r\n"},
        {"Мама\nok", W("Мама") + "\r\nok"},
    };
    for (const Case& c : cases) {
        text::Cp1251Text core = PaneToCore(Q(c.pane));
        EXPECT_EQ(core.bytes, c.core) << c.pane;
        EXPECT_TRUE(core.foreign.empty()) << c.pane;
    }
}

TEST(PaneCodec, ForeignCharactersTravelAsPlaceholdersAndComeBackInPlace) {
    // A Greek letter, a CJK character and a character outside the BMP (a surrogate pair).
    const QString pane = Q("α мир\n漢😀ё");
    text::Cp1251Text core = PaneToCore(pane);
    EXPECT_EQ(core.bytes, "\x98 " + W("мир") + "\r\n\x98\x98" + W("ё"));
    ASSERT_EQ(core.foreign.size(), 3u);
    EXPECT_EQ(CoreToPane(core.bytes, core.foreign), pane);
}

// A U+FEFF the user typed or opened is text: it survives the round trip, even at the start.
TEST(PaneCodec, ALeadingByteOrderMarkCharacterIsKept) {
    const QString mark(QChar(0xFEFF)); // built by hand: QString::fromUtf8 would drop it
    for (const QString& pane : {mark + Q("мама"), mark + mark + Q("x\n") + mark}) {
        text::Cp1251Text core = PaneToCore(pane);
        EXPECT_EQ(CoreToPane(core.bytes, core.foreign), pane);
    }
    EXPECT_EQ(FileBytesToPane("\xEF\xBB\xBF\xEF\xBB\xBFok"),
              mark + Q("ok")); // the file's mark goes
}

TEST(PaneCodec, CoreLineEndsBecomePaneLineEnds) {
    EXPECT_EQ(CoreToPane("a\r\nb\rc\nd\r\n"), Q("a\nb\nc\nd\n"));
}

TEST(PaneCodec, CoreOffsetsMapToPanePositions) {
    // Pane "ab\n😀cd": core bytes a b CR LF <ph> c d.
    const QString pane = Q("ab\n😀cd");
    struct Case {
        std::size_t offset;
        qsizetype position;
    };
    const Case cases[] = {
        {0, 0},   {1, 1}, {2, 2}, {3, 2}, // CR and LF both stand for the one '\n'
        {4, 3},                           // the surrogate pair starts at 3
        {5, 5},                           // 'c' after the two units of the pair
        {6, 6},   {7, 7},                 // end, and past the end, give the length
        {100, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PanePositionOf(pane, c.offset), c.position) << "offset " << c.offset;

    const QString crlf = Q("x\r\ny");
    EXPECT_EQ(PanePositionOf(crlf, 3), 3); // "x\r\ny" is the same four bytes in the core
}

TEST(PaneCodec, FilesAreReadAsUtf8WhenTheyLookLikeIt) {
    struct Case {
        std::string bytes;
        const char* pane;
    };
    const Case cases[] = {
        {W("Мама\r\nмыла"), "Мама\nмыла"}, // Windows-1251
        {"\xD0\x9C\xD0\xB0\r\n", "Ма"},    // UTF-8 without a mark; last break dropped
        {"\xEF\xBB\xBFok\n\n", "ok\n"},    // mark dropped, one break dropped
        {"\xEF\xBB\xBF\xCE\xB1", "α"},     // UTF-8 of a non-Cyrillic letter
        {"plain ascii", "plain ascii"},    {"\xC0\xE1", "Аб"}, // not valid UTF-8, so Windows-1251
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileBytesToPane(c.bytes), Q(c.pane)) << c.pane;
}

} // namespace
} // namespace cantiva::ui
