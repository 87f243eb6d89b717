#include "notation/vowel_meetings.h"

#include <gtest/gtest.h>

namespace cantiva::notation {
namespace {

// Each word boundary of the text as a character: '~' a vowel meeting marked, '_' on one note,
// ' ' apart; lines are separated by '|'.
std::string Meetings(std::string_view divided) {
    std::vector<DividedLine> lines = ReadDividedText(divided);
    MarkVowelMeetings(lines);
    std::string out;
    for (const DividedLine& line : lines) {
        if (&line != &lines.front())
            out += '|';
        for (std::size_t k = 0; k + 1 < line.size(); ++k)
            out += line[k].next == NextJoin::SameNoteIfShort ? '~'
                   : line[k].next == NextJoin::SameNote      ? '_'
                                                             : ' ';
    }
    return out;
}

TEST(MarkVowelMeetings, WhereAWordEndingInAVowelMeetsOneStartingWithAVowel) {
    struct Case {
        const char* text;
        const char* meetings;
    } cases[] = {
        {"che io", "~"},
        {"qual piu-ma al ven-to", " ~ "},
        {"la o-bra", "~"},
        {"vi-e en ro-se", "~ "},
        {"bel-le hé-ros", "~"},           // h before a vowel: the aligner decides
        {"O-ra È vo-stra", "~ "},         // capitals and accented vowels
        {"la, o-bra", " "},               // punctuation between the words
        {"vie-ne\nal-ba", "|"},           // a line end
        {"ven-to bel-lo", " "},           // a consonant meets
        {"gran a-mor", " "},              // the first ends in one
        {"la hber-ge", " "},              // h before a consonant
        {"dol-ce_a-mo-re e-ter-no", "~"}, // a written join inside a word does not hide the end
        {"ma-ma \xD0\xB0\xD0\xB9", " "},  // Cyrillic letters are not vowels here
    };
    for (const Case& c : cases)
        EXPECT_EQ(Meetings(c.text), c.meetings) << c.text;
}

} // namespace
} // namespace cantiva::notation
