#pragma once

#include "notation/verse_alignment.h"

#include <pugixml.hpp>
#include <string>
#include <vector>

// The notes of one voice of a part that may take a syllable, with what the notation says
// about each: beams, slurs, rests, durations and the lyrics of the other verses.
namespace cantiva::notation {

struct VoiceNote {
    pugi::xml_node note;
    std::string measure; // the number of its measure, as written
    NoteEvidence evidence;
    bool slurHoldsOver = false; // with slurMelisma: slurred notes after it were left out
};

struct VoiceReadingOptions {
    int voice = 1;
    std::string verse;        // the verse being laid: its own lyrics are no evidence
    bool slurMelisma = false; // no note after a slur's first takes a syllable
    int fromMeasure = 0;      // measures numbered below it take no syllable (0: no bound)
    int toMeasure = 0;        // measures numbered above it take no syllable (0: no bound)
    std::string followVerse;  // the verse whose syllables and melismas guide (empty: none)
};

// A note's voice; notes without a <voice> element are in voice 1. Unreadable numbers are 0.
int VoiceOf(pugi::xml_node note);

// A lyric without a number is verse 1.
bool IsVerse(pugi::xml_node lyric, const std::string& verse);

// The notes that may take a syllable, in order: rests, grace notes, cue notes, chord notes
// after the first and the continuations of ties take none.
std::vector<VoiceNote> ReadVoice(pugi::xml_node part, const VoiceReadingOptions& options);

} // namespace cantiva::notation
