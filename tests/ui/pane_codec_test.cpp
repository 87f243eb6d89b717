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
    EXPECT_EQ(FileBytesToPane("\xEF\xBB\xBF\xEF\xBB\xBFok")->text,
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

TEST(PaneCodec, FilesAreReadInTheEncodingTheirBytesShow) {
    using text::TextEncoding;
    struct Case {
        std::string bytes;
        const text::CodePage* preferred;
        const char* pane;
        TextEncoding encoding;
    };
    const text::CodePage* western = &text::kWindows1252;
    const Case cases[] = {
        {W("Мама\r\nмыла"), &text::kWindows1251, "Мама\nмыла", TextEncoding::Windows1251},
        {"\xD0\x9C\xD0\xB0\r\n", western, "Ма", TextEncoding::Utf8}, // last break dropped
        {"\xEF\xBB\xBFok\n\n", western, "ok\n", TextEncoding::Utf8}, // mark, one break dropped
        {"\xEF\xBB\xBF\xCE\xB1", western, "α", TextEncoding::Utf8},
        {"plain ascii", western, "plain ascii", TextEncoding::Utf8},
        {"\xC0\xE1", &text::kWindows1251, "Аб", TextEncoding::Windows1251},
        {std::string("\xFF\xFEM\0\xE4\0\r\0\n\0", 10), western, "Mä",
         TextEncoding::Utf16LittleEndian},
        {std::string("\xFE\xFF\0M\x04\x30", 6), western, "Mа", TextEncoding::Utf16BigEndian},
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), western, "😀", TextEncoding::Utf16LittleEndian},
        {std::string("\xFF\xFE\x00\xD8x", 5), western, "\uFFFD\uFFFD",
         TextEncoding::Utf16LittleEndian},
        // Windows-1252 stays Windows-1252 under a Cyrillic code page, and the other way round.
        {"R\xF6slein Pr\xEAte \xE9"
         "crire",
         &text::kWindows1251, "Röslein Prête écrire", TextEncoding::Windows1252},
        {"R\xF6slein", western, "Röslein", TextEncoding::Windows1252},
        {W("Мама мыла раму"), western, "Мама мыла раму", TextEncoding::Windows1251},
        {"caf\xE9 \x98", &text::kWindows1251, "café ˜",
         TextEncoding::Windows1252}, // 0x98: none in 1251
    };
    for (const Case& c : cases) {
        const std::optional<PaneFile> file = FileBytesToPane(c.bytes, *c.preferred);
        ASSERT_TRUE(file.has_value()) << c.pane;
        EXPECT_EQ(file->text, Q(c.pane));
        EXPECT_EQ(text::EncodingName(file->encoding), text::EncodingName(c.encoding)) << c.pane;
    }
    // NUL bytes without a UTF-16 mark: not a text file.
    EXPECT_FALSE(FileBytesToPane(std::string("PK\x03\x04\0\0", 6)).has_value());
    // Chosen by the user, the bytes are read so whatever they look like.
    EXPECT_EQ(FileBytesToPaneAs("R\xF6slein", text::TextEncoding::Windows1251).text, Q("Rцslein"));
}

} // namespace
} // namespace cantiva::ui
