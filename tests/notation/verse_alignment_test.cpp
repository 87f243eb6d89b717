#include "notation/verse_alignment.h"

#include <gtest/gtest.h>
#include <string>

namespace cantiva::notation {
namespace {

// Notes written one letter each: n plain, b continues a beam, s under a slur, r after a rest,
// f a flagged short note, p under a slur on the pitch before; + and - a guide verse's syllable
// and melisma on a plain note.
std::vector<NoteEvidence> Notes(const std::string& letters) {
    std::vector<NoteEvidence> notes;
    for (char c : letters) {
        NoteEvidence e;
        e.continuesBeam = c == 'b';
        e.underSlur = c == 's' || c == 'p';
        e.repeatsPitch = c == 'p';
        e.afterRest = c == 'r' || notes.empty();
        e.flagged = c == 'f';
        e.otherVerse = c == '+' ? 1 : c == '-' ? -1 : 0;
        notes.push_back(e);
    }
    return notes;
}

// Syllables written as a divided text: "la la-la"; "la_" may share the next one's note; "la,"
// makes a pause before the next one.
std::vector<SyllableShape> Syllables(const std::string& text) {
    std::vector<SyllableShape> out;
    bool wordStart = true;
    bool pause = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '-') {
            wordStart = c == ' ';
        } else if (c == '_') {
            out.back().mayShareNext = true;
        } else if (c == ',') {
            pause = true;
        } else if (i == 0 || text[i - 1] == ' ' || text[i - 1] == '-') {
            out.push_back({wordStart, false, pause});
            pause = false;
        }
    }
    return out;
}

TEST(AlignVerse, ReadsTheNotationForMelismas) {
    const struct {
        const char* name;
        std::string notes;
        std::string text;
        AlignmentOptions options;
        std::vector<std::size_t> noteOf;
    } cases[] = {
        {"a beam holds one syllable", "nbnn", "la la la", {}, {0, 2, 3}},
        {"beams the text needs are an instrument's", "nbnb", "la la la la", {}, {0, 1, 2, 3}},
        {"a slur over notes the text needs is a phrase mark", "nssn", "a b c d", {}, {0, 1, 2, 3}},
        {"a slur the text leaves free is a melisma", "nssn", "glo-ri", {}, {0, 3}},
        {"a slurred note on the pitch before is sung again", "nsspn", "glo-ri-a", {}, {0, 3, 4}},
        {"a word does not run across a rest", "nnnrn", "la la la-la", {}, {0, 1, 3, 4}},
        {"the text's pause falls on the rest", "nnnnrnn", "a b c, d e", {}, {0, 1, 2, 4, 5}},
        {"a verse shorter than the voice ends early", "nnnnnn", "one two three", {}, {0, 1, 2}},
        {"a followed verse's melismas", "+-++", "a b c", {false, true}, {0, 2, 3}},
    };
    for (const auto& c : cases) {
        const VerseAlignment a = AlignVerse(Notes(c.notes), Syllables(c.text), c.options);
        EXPECT_EQ(a.noteOf, c.noteOf) << c.name;
    }
}

TEST(AlignVerse, ShortOfNotesSharesOrLeavesOver) {
    // A synalepha candidate shares a note before any syllable is left over.
    VerseAlignment a = AlignVerse(Notes("nn"), Syllables("che_ io mi"));
    EXPECT_EQ(a.noteOf, (std::vector<std::size_t>{0, 0, 1}));
    EXPECT_EQ(a.sharesNote, (std::vector<bool>{false, true, false}));
    // A word divided once more than the phrase has notes for is sung with two on one note,
    // rather than the next phrase starting inside a word.
    a = AlignVerse(Notes("nrnn"), Syllables("com-me a-mi la"));
    EXPECT_EQ(a.noteOf, (std::vector<std::size_t>{0, 0, 1, 2, 3}));
    EXPECT_EQ(a.sharesNote, (std::vector<bool>{false, true, false, false, false}));
    // At the end, the syllables beyond the last note are left over, none lost from the middle.
    a = AlignVerse(Notes("nn"), Syllables("al-le-lu-ia"));
    EXPECT_EQ(a.noteOf, (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(AlignVerse({}, Syllables("a")).noteOf.empty());
    EXPECT_TRUE(AlignVerse(Notes("n"), {}).noteOf.empty());
}

TEST(AlignVerse, OneEarlyMistakeStaysLocal) {
    // The first phrase has a note more than its syllables and nothing says where the melisma
    // is: the next phrase still starts on the note after the rest.
    const VerseAlignment a = AlignVerse(Notes("nnnnrnn"), Syllables("a b-c d-e"));
    EXPECT_EQ(a.noteOf, (std::vector<std::size_t>{0, 1, 2, 4, 5}));
}

} // namespace
} // namespace cantiva::notation
