#pragma once

#include <string>
#include <string_view>
#include <vector>

// A divided text (UTF-8, words split into syllables by hyphens) read as the notation exports
// see it: lines of words of syllables.
namespace cantiva::notation {

// How a syllable meets the next one under the notes.
enum class NextJoin {
    Apart,           // on notes of their own
    SameNote,        // on one note, an elision: "le‿â", LilyPond's "le~â"
    SameNoteIfShort, // on one note only where the melody has too few notes (synalepha)
};

struct DividedWord {
    std::vector<std::string> syllables;
    // Nothing but punctuation (a dash, an asterisk): no syllable of its own under a note.
    bool punctuationOnly = false;
    NextJoin next = NextJoin::Apart; // how its last syllable meets the next word's first
};

// Whether the UTF-8 word is made of punctuation only.
bool IsPunctuationOnly(std::string_view word);

using DividedLine = std::vector<DividedWord>;

// The text's lines (split at CR LF, CR or LF; no further line after a final break), each split
// into words at blanks. A hyphen divides a word only between two other characters, so a leading,
// trailing or doubled hyphen stays in the syllable's text.
std::vector<DividedLine> ReadDividedText(std::string_view utf8);

// The line with each punctuation-only word joined to the last syllable of the word before it
// (after a space), or to the first syllable of the next word when it opens the line or is an
// opening mark (« “ „ ¿ ¡ and brackets), so that punctuation never takes a note of its own.
DividedLine AttachPunctuation(const DividedLine& line);

enum class Syllabic { Single, Begin, Middle, End };

// The MusicXML name of the syllable's place in its word: "single", "begin", "middle", "end".
std::string_view SyllabicName(Syllabic syllabic);

struct PlacedSyllable {
    std::string text;
    Syllabic syllabic = Syllabic::Single;
    NextJoin next = NextJoin::Apart;
    bool endsLine = false; // the last syllable of a line of the text
};

// Every syllable of the text in order, punctuation attached, with its place in its word. Two
// words joined by "‿" or "_" (no blank between) are sung on one note: the syllable before the
// joint is marked SameNote.
std::vector<PlacedSyllable> SyllablesInOrder(std::string_view utf8);
// The same over lines of words, each word's join going to its last syllable.
std::vector<PlacedSyllable> SyllablesInOrder(const std::vector<DividedLine>& lines);

// The syllables written back as a divided text: hyphens inside words, spaces between them; a
// first syllable that continues a word opens with a hyphen.
std::string DividedTextOf(const std::vector<PlacedSyllable>& syllables);

} // namespace cantiva::notation
