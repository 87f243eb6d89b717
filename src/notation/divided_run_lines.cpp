#include "notation/divided_run_lines.h"

#include "text/utf8_codec.h"

namespace cantiva::notation {
namespace {

NextJoin NextJoinOf(text::CutKind kind) {
    return kind == text::CutKind::Elision     ? NextJoin::SameNote
           : kind == text::CutKind::Synalepha ? NextJoin::SameNoteIfShort
                                              : NextJoin::Apart;
}

// The words of a line, gathered token by token.
class LineWriter {
public:
    LineWriter(const text::DividedRun& run, const text::CodePage& codePage)
        : run_(run), codePage_(codePage) {}

    void token(const text::DividedToken& token) {
        const std::string_view text = run_.text(token);
        std::size_t written = 0;
        for (const text::Cut& cut : run_.cutsOf(token)) {
            append(text.substr(written, cut.offset - written));
            written = cut.offset;
            if (cut.kind == text::CutKind::OwnHyphen)
                ownHyphen();
            else if (text::JoinsNextWord(cut.kind))
                next_ = NextJoinOf(cut.kind);
            else
                divide();
        }
        append(text.substr(written));
        // A no-break space holds two words together, as the pane read back does.
        if (token.separator == text::Separator::NoBreakSpace)
            append("\xA0");
        else if (token.separator != text::Separator::Hyphen)
            endWord();
        if (token.separator == text::Separator::LineBreak)
            lines_.emplace_back();
    }

    std::vector<DividedLine> finish() {
        endWord();
        return std::move(lines_);
    }

private:
    void append(std::string_view bytes) {
        if (bytes.empty())
            return;
        // A hyphen of the word's own divides only between two characters that are no hyphens.
        if (pendingHyphen_) {
            pendingHyphen_ = false;
            if (bytes.front() != '-')
                divide();
            else
                syllable_ += '-';
        }
        text::AppendCodePageAsUtf8(syllable_, bytes, run_.foreign, codePage_, nextForeign_);
    }

    void ownHyphen() {
        if (pendingHyphen_) { // a doubled hyphen stays in the text
            syllable_ += "--";
            pendingHyphen_ = false;
        } else if (syllable_.empty() || syllable_.back() == '-') {
            syllable_ += '-';
        } else {
            pendingHyphen_ = true;
        }
    }

    void divide() {
        syllables_.push_back(std::move(syllable_));
        syllable_.clear();
    }

    void endWord() {
        if (pendingHyphen_) {
            syllable_ += '-';
            pendingHyphen_ = false;
        }
        if (!syllable_.empty() || !syllables_.empty()) {
            divide();
            DividedWord word{std::move(syllables_), false, next_};
            std::string whole;
            for (const std::string& s : word.syllables)
                whole += s;
            word.punctuationOnly = IsPunctuationOnly(whole);
            if (word.punctuationOnly)
                word.syllables = {whole};
            lines_.back().push_back(std::move(word));
        }
        syllables_.clear();
        next_ = NextJoin::Apart;
    }

    const text::DividedRun& run_;
    const text::CodePage& codePage_;
    std::vector<DividedLine> lines_{1};
    std::vector<std::string> syllables_;
    std::string syllable_;
    bool pendingHyphen_ = false;
    NextJoin next_ = NextJoin::Apart;
    std::size_t nextForeign_ = 0;
};

} // namespace

std::vector<DividedLine> DividedLinesOf(const text::DividedRun& run,
                                        const text::CodePage& codePage) {
    LineWriter writer(run, codePage);
    for (const text::DividedToken& token : run.tokens)
        writer.token(token);
    return writer.finish();
}

} // namespace cantiva::notation
