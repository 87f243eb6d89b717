#include "notation/divided_text.h"
#include "notation/gabc_score.h"
#include "notation/lilypond_lyrics.h"

#include <gtest/gtest.h>

namespace cantiva::notation {
namespace {

std::vector<std::string> Placed(std::string_view text) {
    std::vector<std::string> out;
    // "~" marks a syllable sung on one note with the next, "/" the end of a line.
    for (const PlacedSyllable& s : SyllablesInOrder(text))
        out.push_back(std::string(SyllabicName(s.syllabic)) + ":" + s.text +
                      (s.next == NextJoin::SameNote ? "~" : "") + (s.endsLine ? "/" : ""));
    return out;
}

TEST(DividedText, SyllablesTakeTheirPlaceInTheWord) {
    const struct {
        std::string text;
        std::vector<std::string> placed;
    } cases[] = {
        {"Ký-ri-e, e-lé-i-son.",
         {"begin:Ký", "middle:ri", "end:e,", "begin:e", "middle:lé", "middle:i", "end:son./"}},
        {"glo-ri-a\r\nin ex-cel-sis\n",
         {"begin:glo", "middle:ri", "end:a/", "single:in", "begin:ex", "middle:cel", "end:sis/"}},
        // Punctuation standing alone goes with a neighbour, never under a note of its own.
        {"Lord — a-men", {"single:Lord —", "begin:a", "end:men/"}},
        {"* Ky-ri-e *", {"begin:* Ky", "middle:ri", "end:e */"}},
        {"— …", {"single:— …/"}},
        // An opening mark goes with the word after it, at a line's end with the word before.
        {"Jour, « C'est » !", {"single:Jour,", "single:« C'est » !/"}},
        {"dit : “ Viens ( a-mi", {"single:dit :", "single:“ Viens", "begin:( a", "end:mi/"}},
        {"¿ Qué ? ¡ Ay", {"single:¿ Qué ?", "single:¡ Ay/"}},
        {"a-mi «", {"begin:a", "end:mi «/"}},
        // Only a hyphen between two other characters divides.
        {"-ing x- a--b -", {"single:-ing", "single:x-", "single:a--b -/"}},
        // Words joined by a tie are sung on one note; a tie at a word's edge is text.
        {"pren-dre\u203Fun jour", {"begin:pren", "end:dre~", "single:un", "single:jour/"}},
        {"bel-le_\u00E2-me", {"begin:bel", "end:le~", "begin:\u00E2", "end:me/"}},
        {"in\u203Fthe\u203Fend", {"single:in~", "single:the~", "single:end/"}},
        {"_a b_ \u203F c\u203F", {"single:_a", "single:b_ \u203F", "single:c\u203F/"}},
        {"  \t\r\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Placed(c.text), c.placed) << c.text;
}

TEST(DividedText, LeftoverSyllablesReadBackAsDividedText) {
    std::vector<PlacedSyllable> syllables = SyllablesInOrder("glo-ri-a in ex-cel-sis");
    EXPECT_EQ(DividedTextOf(syllables), "glo-ri-a in ex-cel-sis");
    syllables.erase(syllables.begin(), syllables.begin() + 1);
    EXPECT_EQ(DividedTextOf(syllables), "-ri-a in ex-cel-sis");
}

TEST(LilyPondLyrics, QuotesWhatTheLyricReaderWouldMisread) {
    const struct {
        std::string syllable;
        std::string written;
    } cases[] = {
        {"son.", "son."},
        {"Ký", "Ký"},
        {"don't", "don't"},
        {"e,", "e,"},
        {"Ма", "Ма"},
        {"a-b", "a-b"},
        {"1st", "\"1st\""},
        {"v2", "\"v2\""},
        {"{a}", "\"{a}\""},
        {"a\\b", "\"a\\\\b\""},
        {"say\"", "\"say\\\"\""},
        {"-ing", "\"-ing\""},
        {"_x", "\"_x\""},
        {"a_b", "\"a_b\""},
        {"a~b", "\"a~b\""},
        {"#t", "\"#t\""},
        {"$x", "\"$x\""},
        {"50%", "\"50%\""},
        {"|", "\"|\""},
        {"Lord —", "\"Lord —\""},
        {"", "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LilyPondSyllable(c.syllable), c.written) << c.syllable;
}

TEST(LilyPondLyrics, WritesOneBlockLineForEachTextLine) {
    const struct {
        std::string text;
        std::string block;
    } cases[] = {
        {"Ký-ri-e, e-lé-i-son.\r\nChri-ste — e-lé-i-son.\r\n",
         "\\lyricmode {\n  Ký -- ri -- e, e -- lé -- i -- son.\n"
         "  Chri -- \"ste —\" e -- lé -- i -- son.\n}\n"},
        {"Verse 1:\n\nA-men", "\\lyricmode {\n  Verse \"1:\"\n\n  A -- men\n}\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LilyPondLyrics(c.text), c.block) << c.text;
}

TEST(GabcScore, WritesHeaderSyllableGroupsAndLineEnds) {
    const struct {
        std::string text;
        std::string gabc;
    } cases[] = {
        {"Ký-ri-e, e-lé-i-son.\r\nChri-ste e-lé-i-son.\r\n",
         "name: Kýrie, eléison;\n%%\n(c4)\nKý()ri()e,() e()lé()i()son.() (::)\n"
         "Chri()ste() e()lé()i()son.() (::)\n"},
        // Empty lines give no line of their own; a lone asterisk keeps its own group.
        {"\nAl-le-lú-ia. * Al-le-lú-ia.\n\n",
         "name: Allelúia. Allelúia;\n%%\n(c4)\nAl()le()lú()ia.() *() Al()le()lú()ia.() (::)\n"},
        // Markup characters are escaped; a semicolon would end the header line.
        {"a(b) {c} [d] <e> 5% x~y $z; q|r",
         "name: a(b) {c} [d] <e> 5%;\n%%\n(c4)\n"
         "a$(b$)() ${c$}() $[d$]() $<e>() 5$%() x$~y() $$z;() q$|r() (::)\n"},
        {"В ле-су ро-ди-лась ё-лоч-ка,\nВ ле-су о-на рос-ла.",
         "name: В лесу родилась ёлочка;\n%%\n(c4)\nВ() ле()су() ро()ди()лась() ё()лоч()ка,() (::)\n"
         "В() ле()су() о()на() рос()ла.() (::)\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GabcScore(c.text), c.gabc) << c.text;
}

TEST(GabcScore, NameTakesAtMostFiveWords) {
    EXPECT_EQ(GabcName("one two three four five six seven"), "one two three four five");
    EXPECT_EQ(GabcName(" \n — \n"), "Untitled");
}

} // namespace
} // namespace cantiva::notation
