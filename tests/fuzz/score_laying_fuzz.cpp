// Lyrics laid onto hostile scores. The first byte chooses the verse, voice and options, the
// next the length of the divided text; the rest is the score. Laying ends in a ScoreError or
// gives a report that adds up, and the laid score reads back as it was written.
#include "fuzz_check.h"
#include "notation/lyric_laying.h"
#include "text/utf8_codec.h"

#include <algorithm>

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    notation::LayRequest request;
    request.verse = 1 + (data[0] & 3);
    request.voice = 1 + ((data[0] >> 2) & 1);
    request.slurMelisma = (data[0] & 8) != 0;
    request.replaceVerse = (data[0] & 16) != 0;
    const std::size_t textSize = std::min<std::size_t>(data[1], size - 2);
    const std::string_view rawText = fuzz::AsText(data + 2, textSize);
    const std::string text =
        text::IsValidUtf8(rawText) ? std::string(rawText) : text::Cp1251ToUtf8(rawText);
    const std::string_view scoreBytes = fuzz::AsText(data + 2 + textSize, size - 2 - textSize);
    try {
        notation::ScoreContainer score(scoreBytes);
        const notation::LayReport report = notation::LayLyrics(score, text, request);
        FUZZ_CHECK(report.laid >= 0);
        FUZZ_CHECK(report.notesWithoutSyllable >= 0 &&
                   report.notesWithoutSyllable <= report.sungNotes);
        const std::string laid = score.bytes(notation::ScoreForm::Plain);
        FUZZ_CHECK(notation::ScoreContainer(laid).bytes(notation::ScoreForm::Plain) == laid);
    } catch (const notation::ScoreError&) {
        // refused with its reason
    }
    return 0;
}
