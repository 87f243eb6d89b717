#include "notation/lyric_laying.h"

#include <gtest/gtest.h>

namespace cantiva::notation {
namespace {

std::string Declared(const std::string& encoding, const std::string& partName) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding +
           "\"?>\n<score-partwise><part-list><score-part id=\"P1\"><part-name>" + partName +
           "</part-name></score-part></part-list><part id=\"P1\"><measure><note><pitch><step>C"
           "</step><octave>4</octave></pitch></note></measure></part></score-partwise>\n";
}

// A score in an encoding the XML reader does not convert comes out UTF-8, its letters intact,
// declared so; one that cannot be read as declared is refused, never written ill-formed.
TEST(ScoreEncoding, ConvertedOnReadingOrRefused) {
    const struct {
        std::string encoding;
        std::string bytes;
        std::string utf8; // the part name read; "" when refused
        std::string message;
    } cases[] = {
        {"windows-1252",
         "Gr\xFC\xDF"
         "e \x80",
         "Grüße €", ""},
        {"ISO-8859-1", "\xE9t\xE9", "été", ""},
        {"KOI8-R", "\xE1\xC2", "Аб", ""},
        {"ISO-8859-5", "\xB0", "А", ""},
        {"Shift_JIS", "\x83\x41", "ア", ""},
        {"utf-8",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         "Grüße", ""},
        {"x-no-such-encoding", "a", "",
         "Not a MusicXML score this program can read: its encoding x-no-such-encoding is "
         "unknown"},
        {"windows-1252", "a\x81", "",
         "Not a MusicXML score: byte 105 is not windows-1252 text, as the score declares"},
        {"UTF-8",
         "Gr\xFC\xDF"
         "e",
         "",
         "Not a MusicXML score: its text is not UTF-8, as it declares; name its encoding in its "
         "XML declaration"},
    };
    for (const auto& c : cases) {
        try {
            ScoreContainer score(Declared(c.encoding, c.bytes));
            LayLyrics(score, "la", {});
            const std::string out = score.bytes(ScoreForm::Plain);
            EXPECT_TRUE(c.message.empty()) << c.encoding << ": not refused";
            EXPECT_TRUE(out.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) << out;
            EXPECT_NE(out.find("<part-name>" + c.utf8 + "</part-name>"), std::string::npos)
                << c.encoding << ": " << out;
            EXPECT_EQ(ScoreParts(ScoreContainer(out))[0].name, c.utf8);
        } catch (const ScoreError& e) {
            EXPECT_EQ(e.what(), c.message) << c.encoding;
        }
    }
}

} // namespace
} // namespace cantiva::notation
