#pragma once

#include <cstddef>
#include <vector>

// Which sung notes of a voice start the syllables of a verse: one alignment of the whole verse,
// so that one wrong guess stays where it was made instead of shifting every later syllable.
namespace cantiva::notation {

// What the notation says about one note that may take a syllable.
struct NoteEvidence {
    bool continuesBeam = false; // under a beam that began on an earlier note
    bool underSlur = false;     // a slur began on an earlier note and is still open
    bool afterRest = false; // a rest, a breath mark or a fermata (or the voice's start) before it
    bool flagged = false;   // an eighth or shorter with no beam: in vocal beaming, its own syllable
    double lengthRatio = 1.0;  // its duration over the previous note's
    bool repeatsPitch = false; // the pitch of the sung note before it
    // Another verse of the score puts a syllable here (+1), sings it as a melisma (-1), or has
    // nothing to say (0); `followed` makes that verse the guide.
    int otherVerse = 0;
};

// What the text says about one syllable (a chain of syllables sung on one note counts as one).
struct SyllableShape {
    bool startsWord = true;
    // May share the next syllable's note when the melody is short of notes (a synalepha).
    bool mayShareNext = false;
    // The text pauses before it: the syllable before ends a line or a clause (",", ".", …).
    bool afterPause = false;
};

struct VerseAlignment {
    // For each syllable, the index of the note it starts on, ascending; syllables that found no
    // note are left off the end (`noteOf.size()` is then smaller than the syllable count).
    std::vector<std::size_t> noteOf;
    // Syllables that share the note of the syllable before them: a synalepha taken, or the
    // next syllable of the same word where the melody has one note for both.
    std::vector<bool> sharesNote;
    // The last note the verse sings (its last syllable's melisma ends there); the notes after it
    // are left without the verse.
    std::size_t lastNote = 0;
};

struct AlignmentOptions {
    bool everySlurIsMelisma = false; // the old rule: no note after a slur's first takes a syllable
    bool followOtherVerse = false;   // `otherVerse` is the verse to follow, not a hint
};

VerseAlignment AlignVerse(const std::vector<NoteEvidence>& notes,
                          const std::vector<SyllableShape>& syllables,
                          const AlignmentOptions& options = {});

} // namespace cantiva::notation
