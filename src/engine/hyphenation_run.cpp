#include "engine/hyphenation_run.h"

#include "engine/folded_word.h"
#include "engine/word_joins.h"
#include "engine/word_memo.h"
#include "engine/word_tokens.h"
#include "io/io_error.h"
#include "text/cp1251.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace cantiva::engine {
namespace {

// The token's word: trimmed, and without the final non-breaking space of its kind.
std::string_view WordOf(const WordToken& token, std::size_t& offsetInToken) {
    std::string_view full = token.text;
    std::string_view word = text::TrimView(full);
    if (token.separator == SeparatorKind::NoBreakSpace && !word.empty() && word.back() == '\xA0')
        word.remove_suffix(1);
    offsetInToken = word.empty() ? 0 : static_cast<std::size_t>(word.data() - full.data());
    return word;
}

// The words of a text whose placeholders stand for `foreign` characters, in order: each word is
// written with the characters its placeholders hold.
class ForeignWords {
public:
    ForeignWords(const std::vector<std::string>& foreign, char placeholder)
        : foreign_(foreign), placeholder_(placeholder) {}

    void divide(WordSink& sink, std::string_view word, const WordContext& context, LogLines* log) {
        // Every placeholder lies inside a word: trimming and separators never take one.
        const auto held =
            static_cast<std::size_t>(std::count(word.begin(), word.end(), placeholder_));
        const std::size_t first = std::min(next_, foreign_.size());
        const std::size_t count = std::min(held, foreign_.size() - first);
        DivideWrittenWord(sink, word, std::span<const std::string>(foreign_).subspan(first, count),
                          context, log);
        next_ += held;
    }

    // A word written as it is: its placeholders are passed over.
    void skip(std::string_view word) {
        next_ += static_cast<std::size_t>(std::count(word.begin(), word.end(), placeholder_));
    }

private:
    const std::vector<std::string>& foreign_;
    char placeholder_;
    std::size_t next_ = 0;
};

// Divides the words of a run, taking a word met before from the memo. A logged run writes every
// word's patterns, so it divides each word afresh; so is a word holding foreign characters, whose
// placeholders the memo cannot tell apart (without foreign characters a placeholder byte is a
// letter like any other).
class WordDivider {
public:
    WordDivider(const WordContext& context, const std::vector<std::string>& foreign, LogLines* log,
                std::size_t textBytes)
        : context_(context), language_(dictionaries::LanguageInfoOf(context.language)),
          foreign_(foreign), foreignWords_(foreign, language_.codePage->placeholder()), log_(log) {
        if (!log)
            memo_.emplace(textBytes);
    }

    void divide(WordSink& sink, std::string_view word) {
        const bool memorable =
            memo_ && (foreign_.empty() ||
                      word.find(language_.codePage->placeholder()) == std::string_view::npos);
        if (memorable && memo_->recall(sink, word))
            return;
        const std::size_t lettersFrom = sink.letters.size();
        const std::size_t cutsFrom = sink.cuts.size();
        if (foreign_.empty() && !language_.foldsCodePageLetters)
            DivideWord(sink, word, context_, log_);
        else
            foreignWords_.divide(sink, word, context_, log_);
        if (memorable)
            memo_->keep(word, sink, lettersFrom, cutsFrom);
    }

    // A word left whole.
    void skip(std::string_view word) { foreignWords_.skip(word); }

private:
    const WordContext& context_;
    const dictionaries::LanguageInfo& language_;
    const std::vector<std::string>& foreign_;
    ForeignWords foreignWords_;
    LogLines* log_;
    std::optional<WordMemo> memo_;
};

// The tokens of a run as they are divided into the model, each written into the pane's text as
// soon as it is whole. Without `keep` the model holds one token at a time, the last word until
// the next one begins: the pane is all that is wanted, but an elision still shows in it. Without
// `keep` in a language without joins between words, the words are divided straight into the pane
// and their cuts become hyphens there.
class RunBuilder {
public:
    RunBuilder(text::DividedRun& run, std::string& pane, const dictionaries::LanguageInfo& language,
               bool keep)
        : run_(run), pane_(pane), language_(language), keep_(keep),
          direct_(!keep && language.wordJoin == dictionaries::WordJoin::None) {}

    // A token's word is about to be divided: the word before it on the line learns how it meets
    // this one first, its join being its last cut.
    WordSink begin(std::string_view word) {
        if (direct_) {
            run_.cuts.clear();
            token_.textStart = static_cast<std::uint32_t>(pane_.size());
            return WordSink{pane_, run_.cuts, pane_.size()};
        }
        if (!word.empty())
            joinPrevious(word);
        if (!keep_ && !word.empty()) { // an empty token keeps the word before it, as the model does
            run_.letters.clear();
            run_.cuts.clear();
            run_.tokens.clear();
            previous_.reset();
        }
        token_ = {};
        token_.textStart = static_cast<std::uint32_t>(run_.letters.size());
        token_.cutStart = static_cast<std::uint32_t>(run_.cuts.size());
        return WordSink{run_.letters, run_.cuts, run_.letters.size()};
    }

    // The token's word is divided: its own hyphen becomes a cut.
    void end(SeparatorKind separator) {
        if (direct_) {
            text::InsertHyphens(pane_, token_.textStart, run_.cuts);
            pane_ += text::SeparatorText(separator);
            return;
        }
        token_.separator = separator;
        token_.textLength = static_cast<std::uint16_t>(run_.letters.size() - token_.textStart);
        if (separator == SeparatorKind::Hyphen && token_.textLength > 0 &&
            run_.letters.back() == '-') {
            run_.letters.pop_back();
            --token_.textLength;
            run_.cuts.push_back({token_.textLength, text::CutKind::OwnHyphen});
        }
        token_.cutCount = static_cast<std::uint8_t>(run_.cuts.size() - token_.cutStart);
        text::AppendDividedWord(pane_, run_, token_);
        if (token_.textLength > 0) {
            previous_ = run_.tokens.size();
            previousPaneEnd_ = pane_.size();
        }
        pane_ += text::SeparatorText(separator);
        if (separator != SeparatorKind::Space) // a word goes on, or the line ends
            previous_.reset();
        run_.tokens.push_back(token_);
    }

    // A word too long to divide, written as it is. One longer than a token can hold goes in
    // pieces that nothing separates.
    void whole(std::string_view word, SeparatorKind separator) {
        constexpr std::size_t kPiece = std::numeric_limits<std::uint16_t>::max();
        for (; word.size() > kPiece; word.remove_prefix(kPiece)) {
            begin(word.substr(0, kPiece)).letters.append(word.substr(0, kPiece));
            end(SeparatorKind::Hyphen);
        }
        begin(word).letters.append(word);
        end(separator);
    }

private:
    void joinPrevious(std::string_view next) {
        if (!previous_ || language_.wordJoin == dictionaries::WordJoin::None)
            return;
        text::DividedToken& previous = run_.tokens[*previous_];
        previous_.reset();
        if (auto kind = JoinBetween(run_.text(previous), previous.cutCount > 0, next, language_)) {
            if (*kind == text::CutKind::Elision)
                keepElidedSyllable(previous);
            run_.cuts.push_back({previous.textLength, *kind});
            ++previous.cutCount;
        }
    }

    // The pane cannot show a join, and the elided e is not sung on a note of its own: its
    // syllable stays with the word there ("belle â-me"), as singers' scores write it. The model
    // keeps the cut for the outputs that write the join (bel -- le~â -- me).
    void keepElidedSyllable(const text::DividedToken& previous) {
        const std::span<const text::Cut> cuts = run_.cutsOf(previous);
        if (cuts.empty() || !text::WritesHyphen(cuts.back().kind))
            return;
        // The word's last syllable ends where the word was written; blanks may follow it.
        const std::size_t tail = previous.textLength - cuts.back().offset;
        if (previousPaneEnd_ > tail && pane_[previousPaneEnd_ - tail - 1] == '-')
            pane_.erase(previousPaneEnd_ - tail - 1, 1);
    }

    text::DividedRun& run_;
    std::string& pane_;
    const dictionaries::LanguageInfo& language_;
    bool keep_;
    bool direct_;
    text::DividedToken token_;
    std::optional<std::size_t> previous_; // the last word of the line, when nothing came after it
    std::size_t previousPaneEnd_ = 0;     // where that word ends in the pane
};

// Trimmed in place: the result text can be as large as the input, so it is not copied.
void TrimInPlace(std::string& text) {
    const std::string_view trimmed = text::TrimView(text);
    const auto head = static_cast<std::size_t>(trimmed.data() - text.data());
    text.resize(head + trimmed.size());
    text.erase(0, head);
}

// Before the first word: whether this run logs, and the progress range, one step a token.
bool StartRun(std::string_view trimmed, bool logEnabled, RunObserver* observer) {
    const bool tooLong = trimmed.size() > kLogTextLimit;
    if (tooLong && logEnabled && observer)
        observer->information(kTooLongForLogMessage);
    if (observer && observer->showsProgress())
        observer->progressRange(0, static_cast<int>(CountTokens(trimmed)) - 1);
    return logEnabled && !tooLong;
}

// A run over `inputText`; with `foreign`, its placeholders stand for those characters in order and
// each word holding one is folded by its language.
// Room for a run: about one cut for every four bytes of text, one token for six.
constexpr std::size_t kBytesPerCut = 4;
constexpr std::size_t kBytesPerToken = 6;

// Room for the pane's text, and for the model when the run keeps it.
void Reserve(RunResult& result, std::size_t textSize, RunModel model) {
    result.resultText.reserve(textSize + textSize / kBytesPerCut + text::kCrLf.size());
    if (model != RunModel::Kept)
        return;
    result.divided.letters.reserve(textSize);
    result.divided.cuts.reserve(textSize / kBytesPerCut);
    result.divided.tokens.reserve(textSize / kBytesPerToken);
}

// A run that stopped gives no text.
RunResult& Unfinished(RunResult& result) {
    result.divided = {};
    result.resultText.clear();
    return result;
}

// A run over `inputText`; with `foreign`, its placeholders stand for those characters in order and
// each word holding one is folded by its language.
RunResult Run(std::string_view inputText, const std::vector<std::string>& foreign,
              dictionaries::DictionaryState& state, bool logEnabled, RunObserver* observer,
              RunModel model) {
    RunResult result;
    std::string_view trimmed = text::TrimView(inputText);
    if (trimmed.empty()) {
        result.status = RunStatus::EmptyAfterTrim;
        return result;
    }
    const std::size_t leadingTrim = static_cast<std::size_t>(trimmed.data() - inputText.data());

    const bool logging = StartRun(trimmed, logEnabled, observer);

    const WordContext context = WordContext::From(state);
    LogLines* log = logging ? &result.log : nullptr;
    Reserve(result, trimmed.size(), model);
    text::DividedRun& run = result.divided;
    std::string& pane = result.resultText;
    const dictionaries::LanguageInfo& language = dictionaries::LanguageInfoOf(context.language);
    WordDivider words(context, foreign, log, trimmed.size());
    RunBuilder builder(run, pane, language, model == RunModel::Kept);
    int tokenIndex = 0;
    try {
        ForEachToken(trimmed, [&](const WordToken& token) {
            std::size_t offset = 0;
            std::string_view word = WordOf(token, offset);
            if (word.size() > kMaxWordLength) {
                result.longWords.push_back({leadingTrim + token.start + offset, word.size()});
                words.skip(word);
                builder.whole(word, token.separator);
            } else {
                WordSink sink = builder.begin(word);
                words.divide(sink, word);
                builder.end(token.separator);
            }
            if (observer)
                observer->progressPosition(tokenIndex);
            ++tokenIndex;
        });
    } catch (const IoError& e) {
        result.status = RunStatus::IoFailure;
        result.ioCode = e.code();
        return Unfinished(result);
    }
    if (model == RunModel::Kept)
        run.foreign = foreign;
    TrimInPlace(pane);
    pane += text::kCrLf;
    return result;
}

} // namespace

std::size_t LineNumberAt(std::string_view text, std::size_t offset) {
    std::size_t line = 1;
    const std::size_t end = std::min(offset, text.size());
    for (std::size_t i = 0; i < end; ++i)
        if (text[i] == '\n' ? i == 0 || text[i - 1] != '\r' : text[i] == '\r')
            ++line;
    return line;
}

std::string LongWordWarning(std::string_view input, const std::vector<LongWord>& words) {
    if (words.empty())
        return {};
    std::string message = "line " + std::to_string(LineNumberAt(input, words[0].start)) +
                          ": a word longer than " + std::to_string(kMaxWordLength) +
                          " letters is left whole";
    if (words.size() > 1)
        message += " (and " + std::to_string(words.size() - 1) + " more after it)";
    return message;
}

RunResult RunHyphenation(std::string_view inputText, dictionaries::DictionaryState& state,
                         bool logEnabled, RunObserver* observer, RunModel model) {
    return Run(inputText, {}, state, logEnabled, observer, model);
}

RunResult RunHyphenation(const text::CodePageText& input, dictionaries::DictionaryState& state,
                         bool logEnabled, RunObserver* observer, RunModel model) {
    return Run(input.bytes, input.foreign, state, logEnabled, observer, model);
}

} // namespace cantiva::engine
