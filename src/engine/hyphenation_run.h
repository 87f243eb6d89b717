#pragma once

#include "dictionaries/dictionary_state.h"
#include "engine/hyphenate_word.h"
#include "text/utf8_codec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cantiva::engine {

inline constexpr std::size_t kLogTextLimit = 16384;
inline constexpr std::size_t kMaxWordLength = 32;
inline constexpr std::string_view kTooLongForLogMessage =
    "Input file is too long. Log will not be displayed";

// What a run tells its window while it works.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The text is too long for the log: an information box, the run goes on when it is closed.
    virtual void information(std::string_view message) = 0;
    virtual void progressRange(int minimum, int maximum) = 0;
    virtual void progressPosition(int position) = 0;
    // False when nothing shows the progress: the run then never counts the words first.
    virtual bool showsProgress() const { return true; }
};

enum class RunStatus {
    Done,           // resultText holds the result
    EmptyAfterTrim, // nothing to divide: beep
    IoFailure,      // ioCode; the result pane stays as it was
};

// A word longer than kMaxWordLength: left whole, where it lies in the input.
struct LongWord {
    std::size_t start = 0;
    std::size_t length = 0;
};

struct RunResult {
    RunStatus status = RunStatus::Done;
    std::string resultText;   // the result text followed by CR LF; its placeholders are the input's
    text::DividedRun divided; // with RunModel::Kept: what resultText shows, and the joins
    LogLines log;
    std::vector<LongWord> longWords; // in input order
    int ioCode = 0;
};

// The line (from 1) holding `offset` of `text`: CR LF, a lone CR and a lone LF each end a line.
std::size_t LineNumberAt(std::string_view text, std::size_t offset);

// "line 3: a word longer than 32 letters is left whole (and 2 more after it)" for the long words
// of `input`; empty when there are none. The command line and the page tell the user so.
std::string LongWordWarning(std::string_view input, const std::vector<LongWord>& words);

// Whether a run keeps its model of words and cuts (for the notation exports and the lay-on) or
// only the pane's text it writes from it.
enum class RunModel { Dropped, Kept };

// A whole run over the input pane's text (lines joined by CR LF): trims it, divides every token's
// word and joins the results with the separators of the input. With `logEnabled` it logs every
// word's matches, unless the text is longer than kLogTextLimit (the observer is told so).
RunResult RunHyphenation(std::string_view inputText, dictionaries::DictionaryState& state,
                         bool logEnabled, RunObserver* observer = nullptr,
                         RunModel model = RunModel::Dropped);

// The same over Unicode text held in the current language's code page (text::Utf8ToCodePage):
// every word is divided as its language folds it, and resultText keeps the placeholders of
// `input`, so input.foreign turns it back into Unicode with every character in place.
RunResult RunHyphenation(const text::CodePageText& input, dictionaries::DictionaryState& state,
                         bool logEnabled, RunObserver* observer = nullptr,
                         RunModel model = RunModel::Dropped);

} // namespace cantiva::engine
