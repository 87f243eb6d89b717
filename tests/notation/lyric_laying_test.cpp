#include "io/io_error.h"
#include "notation/lyric_laying.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace cantiva::notation {
namespace {

// Note contents by what a test needs of them.
const std::string kPitch = "<pitch><step>C</step><octave>4</octave></pitch><duration>1</duration>";
const std::string kNote = kPitch;
const std::string kRest = "<rest/><duration>1</duration>";
const std::string kGrace = "<grace/><pitch><step>D</step><octave>4</octave></pitch>";
const std::string kCue = "<cue/>" + kPitch;
const std::string kChord = "<chord/>" + kPitch;
const std::string kTieStart = kPitch + "<tie type=\"start\"/>";
const std::string kTieStop = kPitch + "<tie type=\"stop\"/>";
const std::string kTiedStop = kPitch + "<notations><tied type=\"stop\"/></notations>";
const std::string kSlurStart =
    kPitch + "<notations><slur type=\"start\" number=\"1\"/></notations>";
const std::string kSlurStop = kPitch + "<notations><slur type=\"stop\" number=\"1\"/></notations>";
const std::string kVoice2 = kPitch + "<voice>2</voice>";

std::string Part(const std::string& id, const std::vector<std::string>& notes) {
    std::string out = "<part id=\"" + id + "\"><measure number=\"1\">";
    for (const std::string& note : notes)
        out += "<note>" + note + "</note>";
    return out + "</measure></part>";
}

std::string Score(const std::vector<std::string>& notes, const std::string& more = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise version=\"4.0\">"
           "<part-list><score-part id=\"P1\"><part-name>Voice</part-name></score-part>"
           "</part-list>" +
           Part("P1", notes) + more + "</score-partwise>\n";
}

// Each note's lyrics as "verse:syllabic:text" (+ "~" for an extend), "|" between lyrics.
std::vector<std::string> LyricsByNote(const ScoreContainer& score, const char* part = "P1") {
    std::vector<std::string> out;
    const pugi::xml_node root = score.document().document_element();
    for (pugi::xml_node note :
         root.find_child_by_attribute("part", "id", part).child("measure").children("note")) {
        std::string lyrics;
        for (pugi::xml_node lyric : note.children("lyric")) {
            if (!lyrics.empty())
                lyrics += '|';
            lyrics += std::string(lyric.attribute("number").value()) + ":" +
                      lyric.child_value("syllabic") + ":" + lyric.child_value("text");
            if (lyric.child("extend"))
                lyrics += '~';
        }
        out.push_back(lyrics);
    }
    return out;
}

struct LayCase {
    std::string name;
    std::vector<std::string> notes;
    std::string text;
    LayRequest request;
    std::vector<std::string> lyrics;
    int leftover = 0;
    int notesWithoutSyllable = 0;
};

LayRequest Melisma() {
    LayRequest r;
    r.slurMelisma = true;
    return r;
}

LayRequest Voice(int voice) {
    LayRequest r;
    r.voice = voice;
    return r;
}

LayRequest Verse(int verse) {
    LayRequest r;
    r.verse = verse;
    return r;
}

TEST(LayLyrics, OneSyllablePerSungNote) {
    const LayCase cases[] = {
        {"syllabic values",
         {kNote, kNote, kNote, kNote, kNote, kNote},
         "Ky-ri-e e-lei son",
         {},
         {"1:begin:Ky", "1:middle:ri", "1:end:e", "1:begin:e", "1:end:lei", "1:single:son"}},
        {"rests, grace and cue notes",
         {kNote, kRest, kGrace, kNote, kCue, kNote},
         "a-men so",
         {},
         {"1:begin:a", "", "", "1:end:men", "", "1:single:so"}},
        {"chords take one syllable",
         {kNote, kChord, kChord, kNote},
         "a-men",
         {},
         {"1:begin:a", "", "", "1:end:men"}},
        {"tie continuations",
         {kTieStart, kTieStop, kNote, kTiedStop, kNote},
         "one two three",
         {},
         {"1:single:one", "", "1:single:two", "", "1:single:three"}},
        {"slurs without the melisma option",
         {kSlurStart, kNote, kSlurStop, kNote},
         "a b c d",
         {},
         {"1:single:a", "1:single:b", "1:single:c", "1:single:d"}},
        {"slurs as melismas",
         {kSlurStart, kNote, kSlurStop, kNote, kSlurStart, kSlurStop},
         "Glo-ri-a",
         Melisma(),
         {"1:begin:Glo~", "", "", "1:middle:ri", "1:end:a~", ""}},
        {"a grace note's slur is no melisma",
         {kNote, "<grace/>" + kSlurStart, kSlurStop, kNote},
         "a b c",
         Melisma(),
         {"1:single:a", "", "1:single:b", "1:single:c"}},
        {"more syllables than notes",
         {kNote, kNote},
         "al-le-lu-ia",
         {},
         {"1:begin:al", "1:middle:le"},
         2},
        {"fewer syllables than notes",
         {kNote, kNote, kNote},
         "amen",
         {},
         {"1:single:amen", "", ""},
         0,
         2},
        {"voice 2 only",
         {kNote, kVoice2, kVoice2},
         "a b",
         Voice(2),
         {"", "1:single:a", "1:single:b"}},
    };
    for (const LayCase& c : cases) {
        ScoreContainer score(Score(c.notes));
        const LayReport report = LayLyrics(score, c.text, c.request);
        EXPECT_EQ(LyricsByNote(score), c.lyrics) << c.name;
        EXPECT_EQ(report.leftover.size(), static_cast<std::size_t>(c.leftover)) << c.name;
        EXPECT_EQ(report.notesWithoutSyllable, c.notesWithoutSyllable) << c.name;
        EXPECT_EQ(report.part, "P1");
    }
}

TEST(LayLyrics, VersesBesideEachOtherAndReplacedOnRequest) {
    ScoreContainer score(Score({kNote, kNote}));
    LayLyrics(score, "one two", {});
    LayLyrics(score, "three-four", Verse(2));
    EXPECT_EQ(LyricsByNote(score),
              (std::vector<std::string>{"1:single:one|2:begin:three", "1:single:two|2:end:four"}));

    LayRequest first;
    first.replaceVerse = true;
    LayLyrics(score, "five", first);
    EXPECT_EQ(LyricsByNote(score),
              (std::vector<std::string>{"1:single:five|2:begin:three", "2:end:four"}));
}

TEST(LayLyrics, KeepsEverythingElseAsItWas) {
    const std::string before =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
        "<score-partwise version=\"4.0\">\n"
        "  <!-- kept -->\n"
        "  <part id=\"P1\">\n"
        "    <measure number=\"1\">\n"
        "      <note default-x=\"12\">\n"
        "        <pitch><step>C</step><octave>4</octave></pitch>\n"
        "        <notations><fermata/></notations>\n"
        "        <lyric number=\"2\"><text>old &amp; kept</text></lyric>\n"
        "        <play/>\n"
        "      </note>\n"
        "    </measure>\n"
        "  </part>\n"
        "</score-partwise>\n";
    std::string after = before;
    after.insert(after.find("        <lyric number=\"2\">"),
                 "        <lyric number=\"1\"><syllabic>single</syllabic><text>new</text>"
                 "</lyric>\n");
    ScoreContainer score(before);
    LayLyrics(score, "new", {});
    EXPECT_EQ(score.bytes(ScoreForm::Plain), after);

    LayLyrics(score, "3", Verse(3));
    after.insert(after.find("        <play/>"),
                 "        <lyric number=\"3\"><syllabic>single</syllabic><text>3</text>"
                 "</lyric>\n");
    EXPECT_EQ(score.bytes(ScoreForm::Plain), after);
}

TEST(LayLyrics, ChoosesThePartById) {
    ScoreContainer score(Score({kNote}, Part("P2", {kNote})));
    LayRequest request;
    request.part = "P2";
    EXPECT_EQ(LayLyrics(score, "two", request).part, "P2");
    EXPECT_EQ(LyricsByNote(score, "P1"), (std::vector<std::string>{""}));
    EXPECT_EQ(LyricsByNote(score, "P2"), (std::vector<std::string>{"1:single:two"}));

    const std::vector<PartSummary> parts = ScoreParts(score);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].name, "Voice");
    EXPECT_EQ(parts[1].id, "P2");
    EXPECT_EQ(parts[1].voices, (std::vector<int>{1}));
}

TEST(LayLyrics, BadInputIsRefusedWithItsReason) {
    LayRequest missingPart;
    missingPart.part = "P9";
    ScoreContainer withLyrics(Score({kNote}));
    LayLyrics(withLyrics, "old", {});
    const std::string taken = withLyrics.bytes(ScoreForm::Plain);

    using Kind = ScoreError::Kind;
    const struct {
        std::string bytes;
        std::string text;
        LayRequest request;
        Kind kind;
        std::string message;
    } cases[] = {
        {"hello", "a", {}, Kind::NotMusicXml, "Not a MusicXML score: "},
        {"<html><body/></html>",
         "a",
         {},
         Kind::NotMusicXml,
         "Not a MusicXML score: its root element is <html>, not <score-partwise>"},
        {"<score-timewise/>", "a", {}, Kind::NotMusicXml, "Not a MusicXML score: the score is "},
        {std::string("PK\x03\x04", 4) + "broken",
         "a",
         {},
         Kind::BrokenArchive,
         "The compressed score is damaged ("},
        {Score({kNote}), "a", missingPart, Kind::MissingPart,
         "The score has no part P9 (its parts: P1)"},
        {Score({kNote, kVoice2}), "a", Voice(3), Kind::MissingVoice,
         "Part P1 has no voice 3 (its voices: 1, 2)"},
        {taken, "new", {}, Kind::VerseTaken, "Verse 1 of part P1, voice 1 already has lyrics"},
        {Score({kNote}), " \t\n", {}, Kind::NoLyrics, "There are no lyrics to lay"},
    };
    for (const auto& c : cases) {
        try {
            ScoreContainer score(c.bytes);
            LayLyrics(score, c.text, c.request);
            ADD_FAILURE() << c.message;
        } catch (const ScoreError& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.message;
            EXPECT_TRUE(std::string_view(e.what()).starts_with(c.message)) << e.what();
        }
    }
}

TEST(LayLyrics, CompressedScoresInAndOut) {
    ScoreContainer plain(Score({kNote, kNote}));
    LayLyrics(plain, "a-men", {});
    const std::string compressed = plain.bytes(ScoreForm::Compressed);
    ASSERT_TRUE(compressed.starts_with("PK\x03\x04"));
    // The mimetype entry comes first, stored, so its text is readable at a fixed place.
    EXPECT_EQ(compressed.substr(30, 8), "mimetype");
    EXPECT_EQ(compressed.substr(38, 34), "application/vnd.recordare.musicxml");

    ScoreContainer reread(compressed);
    EXPECT_EQ(LyricsByNote(reread), (std::vector<std::string>{"1:begin:a", "1:end:men"}));
    LayLyrics(reread, "b c", Verse(2));
    ScoreContainer again(reread.bytes(ScoreForm::Compressed));
    EXPECT_EQ(LyricsByNote(again),
              (std::vector<std::string>{"1:begin:a|2:single:b", "1:end:men|2:single:c"}));
    EXPECT_EQ(again.bytes(ScoreForm::Plain), reread.bytes(ScoreForm::Plain));
}

// A score of one part whose measures are numbered from 1, each with the notes given.
std::string Measures(const std::vector<std::vector<std::string>>& measures) {
    std::string part = "<part id=\"P1\">";
    for (std::size_t m = 0; m < measures.size(); ++m) {
        part += "<measure number=\"" + std::to_string(m + 1) + "\">";
        for (const std::string& note : measures[m])
            part += "<note>" + note + "</note>";
        part += "</measure>";
    }
    return "<score-partwise version=\"4.0\"><part-list><score-part id=\"P1\"/></part-list>" + part +
           "</part></score-partwise>";
}

// Each sung note's lyric of `verse` as its children's names and texts, in every measure.
std::vector<std::string> VerseByNote(const ScoreContainer& score, const std::string& verse = "1") {
    std::vector<std::string> out;
    for (pugi::xml_node measure :
         score.document().document_element().child("part").children("measure")) {
        for (pugi::xml_node note : measure.children("note")) {
            if (note.child("rest"))
                continue;
            std::string text;
            for (pugi::xml_node lyric : note.children("lyric")) {
                if (std::string_view(lyric.attribute("number").value()) != verse)
                    continue;
                for (pugi::xml_node part : lyric.children())
                    text += text.empty() ? "" : " ", text += part.name(),
                        text += *part.child_value() ? std::string("=") + part.child_value() : "";
            }
            out.push_back(text);
        }
    }
    return out;
}

const std::string kBeamBegin = kPitch + "<beam number=\"1\">begin</beam>";
const std::string kBeamEnd = kPitch + "<beam number=\"1\">end</beam>";

std::string SungVerse1(const std::string& text) {
    return kPitch + "<lyric number=\"1\"><syllabic>single</syllabic><text>" + text +
           "</text></lyric>";
}

TEST(LayLyrics, PlacesTheVerseAsTheNotationAndRequestSay) {
    LayRequest bars2to3;
    bars2to3.fromMeasure = 2;
    bars2to3.toMeasure = 3;
    LayRequest followFirst = Verse(2);
    followFirst.followVerse = 1;
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> measures;
        std::string text;
        LayRequest request;
        std::vector<std::string> lyrics;
        std::string verse = "1";
    } cases[] = {
        {"a beam holds one syllable",
         {{kBeamBegin, kBeamEnd, kNote}},
         "la la",
         {},
         {"syllabic=single text=la extend", "", "syllabic=single text=la"}},
        {"measure bounds",
         {{kNote, kNote}, {kNote, kNote}, {kNote}},
         "a-men so",
         bars2to3,
         {"", "", "syllabic=begin text=a", "syllabic=end text=men", "syllabic=single text=so"}},
        {"a verse follows another's melismas",
         {{SungVerse1("one"), SungVerse1("two"), kNote, SungVerse1("three")}},
         "un deux trois",
         followFirst,
         {"syllabic=single text=un", "syllabic=single text=deux extend", "",
          "syllabic=single text=trois"},
         "2"},
        {"two syllables of a word on one note, not a shift across the rest",
         {{kNote, kRest, kNote, kNote, kNote}},
         "com-me a-mi la",
         {},
         {"syllabic=single text=comme", "syllabic=begin text=a", "syllabic=end text=mi",
          "syllabic=single text=la"}},
        {"words elided onto one note",
         {{kNote, kNote, kNote}},
         "bel-le\u203F\u00E2-me",
         {},
         {"syllabic=begin text=bel", "syllabic=end text=le elision syllabic=begin text=\u00E2",
          "syllabic=end text=me"}},
    };
    for (const auto& c : cases) {
        ScoreContainer score(Measures(c.measures));
        LayLyrics(score, c.text, c.request);
        EXPECT_EQ(VerseByNote(score, c.verse), c.lyrics) << c.name;
    }
}

TEST(LayLyrics, ReportsThePhrasesLaidWithAGuess) {
    // The first phrase has one note more than its syllables and nothing marks the melisma.
    ScoreContainer score(Measures({{kNote, kNote}, {kNote, kNote, kRest, kNote}, {kNote}}));
    const LayReport report = LayLyrics(score, "a b-c d-e", {});
    ASSERT_EQ(report.unsure.size(), 1U);
    EXPECT_EQ(LayReportText(report, {}),
              "Laid 5 syllables on part P1, voice 1, verse 1.\n"
              "Check 1 phrase laid with a guess:\n"
              "  bars 1\u20132: 3 syllables, 4 notes: 1 melisma guessed");
    EXPECT_EQ(VerseByNote(score)[4], "syllabic=begin text=d");
}

TEST(LayLyricsOnFile, WritesTheChosenFormAndNothingOnFailure) {
    test_support::TempFolder folder;
    folder.write("hymn.musicxml", Score({kNote}));
    EXPECT_EQ(LaidScorePath(folder / "hymn.musicxml"), folder / "hymn-lyrics.musicxml");

    LayLyricsOnFile(folder / "hymn.musicxml", "a", {}, folder / "hymn.mxl");
    EXPECT_TRUE(folder.read("hymn.mxl").starts_with("PK"));
    LayLyricsOnFile(folder / "hymn.mxl", "b", Verse(2), folder / "out.xml");
    EXPECT_NE(folder.read("out.xml").find("<text>b</text>"), std::string::npos);

    EXPECT_THROW(LayLyricsOnFile(folder / "hymn.mxl", "c", {}, folder / "taken.xml"), ScoreError);
    EXPECT_THROW(LayLyricsOnFile(folder / "none.xml", "c", {}, folder / "none-out.xml"),
                 cantiva::IoError);
    EXPECT_FALSE(folder.exists("taken.xml"));
    EXPECT_FALSE(folder.exists("none-out.xml"));
}

} // namespace
} // namespace cantiva::notation
