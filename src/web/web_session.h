#pragma once

#include "dictionaries/dictionary_state.h"
#include "notation/divided_text.h"

#include <string>
#include <string_view>
#include <vector>

// What the page asks of the core: one language's dictionaries open at a time, the last divided
// text kept for the exports, scores laid in memory. Texts come and go as UTF-8; every rule is
// the core's, and every answer is the one the command line gives for the same input.
namespace cantiva::web {

struct DivideOutcome {
    bool ok = false;
    std::string text;    // the divided text, lines ended by CR LF, as `cantiva-cli hyphenate`
    std::string message; // why nothing was divided, or a warning beside the text; often empty
};

struct ExportOutcome {
    bool ok = false;
    std::string bytes; // the file's bytes; empty for a blank text
    std::string message;
};

struct LayOutcome {
    bool ok = false;
    std::string bytes;  // the laid score, compressed when the score was
    std::string report; // "Laid 24 syllables on part P1, voice 1, verse 1." and the unsure bars
};

struct LayChoice {
    std::string part; // empty: the first part
    int voice = 1;
    int verse = 1;
    bool slurMelisma = false;
    bool replaceVerse = false;
};

// The text of a file opened into the page, as the window reads one: UTF-8 when it is UTF-8 (its
// byte-order mark dropped), else Windows-1251.
std::string TextOfFile(std::string_view bytes);

// The name offered for the laid score: "hymn.mxl" -> "hymn-lyrics.mxl".
std::string LaidScoreName(const std::string& scoreName);

class WebSession {
public:
    explicit WebSession(std::string dictionaryFolder);

    // Divides `paneText` (lines ended by LF, CR LF or CR) in the language of the command line's
    // name ("ru", "en", …) and keeps the result for the exports.
    DivideOutcome divide(const std::string& language, const std::string& paneText);

    // The exports of the last divided text, as `cantiva-cli finale|score|lilypond|gabc --lang`.
    ExportOutcome finale(bool bindDashes) const;
    ExportOutcome scoreMacro() const;
    ExportOutcome lilyPond() const;
    ExportOutcome gabc() const;

    // "P1 Soprano: voices 1 2" per part of the score, or the error text as the only line.
    std::vector<std::string> scoreParts(const std::string& fileName, const std::string& bytes);
    // The last divided text laid on the score, as `cantiva-cli lay --lang`.
    LayOutcome lay(const std::string& fileName, const std::string& bytes, const LayChoice& choice);

    // The user's exceptions (an ".XCP" source) for `language`, used until the page closes.
    std::string useExceptions(const std::string& language, const std::string& source);

private:
    void open(dictionaries::Language language);

    std::string folder_;
    dictionaries::DictionaryState state_;
    bool opened_ = false;
    bool divided_ = false;
    dictionaries::Language language_ = dictionaries::Language::Russian;
    std::vector<notation::DividedLine> lines_;
    std::string paneUtf8_;   // the result pane's text
    std::string finaleUtf8_; // the same with a no-break space between words on one note
};

} // namespace cantiva::web
