#include "engine/hyphenation_run.h"

#include "engine/folded_word.h"
#include "engine/word_tokens.h"
#include "io/io_error.h"
#include "text/cp1251.h"

#include <algorithm>

namespace cantiva::engine {
namespace {

std::string_view SeparatorText(SeparatorKind kind) {
    switch (kind) {
    case SeparatorKind::Space:
        return " ";
    case SeparatorKind::Hyphen:
        return "";
    case SeparatorKind::LineBreak:
        return "\r\n";
    case SeparatorKind::NoBreakSpace:
        return "\xA0";
    }
    return "";
}

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

    void append(std::string& out, std::string_view word, const WordContext& context,
                LogLines* log) {
        // Every placeholder lies inside a word: trimming and separators never take one.
        const auto held =
            static_cast<std::size_t>(std::count(word.begin(), word.end(), placeholder_));
        const std::size_t first = std::min(next_, foreign_.size());
        const std::size_t count = std::min(held, foreign_.size() - first);
        AppendWrittenWord(out, word, std::span<const std::string>(foreign_).subspan(first, count),
                          context, log);
        next_ += held;
    }

private:
    const std::vector<std::string>& foreign_;
    char placeholder_;
    std::size_t next_ = 0;
};

// Trimmed in place: the result text can be as large as the input, so it is not copied.
void TrimInPlace(std::string& text) {
    const std::string_view trimmed = text::TrimView(text);
    const auto head = static_cast<std::size_t>(trimmed.data() - text.data());
    text.resize(head + trimmed.size());
    text.erase(0, head);
}

// Room for the hyphens a result gains: about one for every four bytes of text.
constexpr std::size_t kBytesPerHyphen = 4;

// Before the first word: whether this run may log, and the progress range, one step a token.
void StartRun(std::string_view trimmed, dictionaries::DictionaryState& state, bool logEnabled,
              RunObserver* observer) {
    const bool tooLong = trimmed.size() > kLogTextLimit;
    if (tooLong || !logEnabled)
        state.logAllowed = false;
    if (tooLong && observer)
        observer->information(kTooLongForLogMessage);
    if (observer && observer->showsProgress())
        observer->progressRange(0, static_cast<int>(CountTokens(trimmed)) - 1);
}

// A run over `inputText`; with `foreign`, its placeholders stand for those characters in order and
// each word holding one is folded by its language.
RunResult Run(std::string_view inputText, const std::vector<std::string>& foreign,
              dictionaries::DictionaryState& state, bool logEnabled, RunObserver* observer) {
    RunResult result;
    std::string_view trimmed = text::TrimView(inputText);
    if (trimmed.empty()) {
        result.status = RunStatus::EmptyAfterTrim;
        return result;
    }
    const std::size_t leadingTrim = static_cast<std::size_t>(trimmed.data() - inputText.data());

    StartRun(trimmed, state, logEnabled, observer);

    const WordContext context = WordContext::From(state);
    LogLines* log = state.logAllowed ? &result.log : nullptr;
    std::string text;
    text.reserve(trimmed.size() + trimmed.size() / kBytesPerHyphen + text::kCrLf.size());
    const dictionaries::LanguageInfo& language = dictionaries::LanguageInfoOf(context.language);
    ForeignWords foreignWords(foreign, language.codePage->placeholder());
    int tokenIndex = 0;
    bool stopped = false;
    try {
        ForEachToken(trimmed, [&](const WordToken& token) {
            if (stopped)
                return;
            std::size_t offset = 0;
            std::string_view word = WordOf(token, offset);
            if (word.size() > kMaxWordLength) {
                result.status = RunStatus::WordTooLong;
                result.wordStart = leadingTrim + token.start + offset;
                result.wordLength = word.size();
                stopped = true;
                return;
            }
            if (foreign.empty() && !language.foldsCodePageLetters)
                AppendHyphenatedWord(text, word, context, log);
            else
                foreignWords.append(text, word, context, log);
            text += SeparatorText(token.separator);
            if (observer)
                observer->progressPosition(tokenIndex);
            ++tokenIndex;
        });
    } catch (const IoError& e) {
        result.status = RunStatus::IoFailure;
        result.ioCode = e.code();
        return result;
    }
    if (stopped)
        return result;

    TrimInPlace(text);
    text += text::kCrLf;
    result.resultText = std::move(text);
    state.logAllowed = true;
    return result;
}

} // namespace

RunResult RunHyphenation(std::string_view inputText, dictionaries::DictionaryState& state,
                         bool logEnabled, RunObserver* observer) {
    return Run(inputText, {}, state, logEnabled, observer);
}

RunResult RunHyphenation(const text::CodePageText& input, dictionaries::DictionaryState& state,
                         bool logEnabled, RunObserver* observer) {
    return Run(input.bytes, input.foreign, state, logEnabled, observer);
}

} // namespace cantiva::engine
