#pragma once

#include "notation/divided_text.h"
#include "notation/score_container.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Laying a divided text onto the notes of a MusicXML score, one syllable per sung note.
namespace cantiva::notation {

struct LayRequest {
    std::string part; // a part's id; empty: the first part
    int voice = 1;    // notes without a <voice> are voice 1
    int verse = 1;    // the lyric number
    bool slurMelisma = false;
    bool replaceVerse = false;
    // Only the measures numbered from..to (0: no bound) take the verse.
    int fromMeasure = 0;
    int toMeasure = 0;
    // Lay on the notes that this verse of the score sings, with its melismas (0: none).
    int followVerse = 0;
};

// A phrase whose syllables and notes did not fit without a guess, for the user to check.
struct UnsurePhrase {
    std::string firstMeasure;
    std::string lastMeasure;
    int syllables = 0;
    int notes = 0;
    int guessedMelismas = 0;  // held on notes nothing marks as a melisma
    int guessedSyllables = 0; // given to notes a beam or another verse marks as a melisma
};

// "bars 12–13: 9 syllables, 11 notes: 2 melismas guessed".
std::string UnsurePhraseText(const UnsurePhrase& phrase);

struct LayReport {
    std::string part;
    int sungNotes = 0; // notes that take a syllable
    int laid = 0;      // syllables put on them
    // Syllables beyond the last note, none lost: the caller tells the user.
    std::vector<PlacedSyllable> leftover;
    int notesWithoutSyllable = 0;
    std::vector<UnsurePhrase> unsure;
};

struct PartSummary {
    std::string id;
    std::string name;        // from the part list, may be empty
    std::vector<int> voices; // the voice numbers its notes use, ascending
};

// The score's parts in order, for choosing where to lay. Throws ScoreError.
std::vector<PartSummary> ScoreParts(const ScoreContainer& score);

// Lays the syllables on the chosen part, voice and verse of `score`. Rests, grace notes, cue
// notes, chord notes after the first and the continuations of ties take no syllable; with
// `slurMelisma` neither do the notes after the first under a slur, and the syllable before them
// gets <extend/>. Lyrics of other verses are kept; the same verse is an error unless
// `replaceVerse`. Throws ScoreError and then leaves `score` as it was.
LayReport LayLyrics(ScoreContainer& score, std::string_view dividedUtf8, const LayRequest& request);
LayReport LayLyrics(ScoreContainer& score, const std::vector<PlacedSyllable>& syllables,
                    const LayRequest& request);

// Reads the score file, lays the lyrics and writes the result to `output` (compressed when its
// name ends in .mxl) through a temporary file. Nothing is written when anything fails: IoError
// (exporting::UserFileError when writing) or ScoreError.
LayReport LayLyricsOnFile(const std::filesystem::path& input, std::string_view dividedUtf8,
                          const LayRequest& request, const std::filesystem::path& output);
LayReport LayLyricsOnFile(const std::filesystem::path& input,
                          const std::vector<PlacedSyllable>& syllables, const LayRequest& request,
                          const std::filesystem::path& output);

// What the user is told after laying: "Laid 24 syllables on part P1, voice 1, verse 1.", then a
// line with the syllables left over (as divided text) or the notes left without one, if any.
std::string LayReportText(const LayReport& report, const LayRequest& request);

// Where the window offers to write the laid score: beside the original, "-lyrics" added to its
// stem ("hymn.mxl" -> "hymn-lyrics.mxl").
std::filesystem::path LaidScorePath(const std::filesystem::path& input);

} // namespace cantiva::notation
