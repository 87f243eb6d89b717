#include "text/divided_run.h"

#include "text/cp1251.h"

#include <algorithm>

namespace cantiva::text {
const Cut* DividedRun::joinOf(const DividedToken& token) const {
    const std::span<const Cut> own = cutsOf(token);
    return !own.empty() && JoinsNextWord(own.back().kind) ? &own.back() : nullptr;
}

// Written byte by byte into room made once: this runs for every word of the text, and the words
// are short.
void AppendDividedWord(std::string& out, const DividedRun& run, const DividedToken& token,
                       bool lastHyphenHidden) {
    const char* letter = run.letters.data() + token.textStart;
    const char* const end = letter + token.textLength;
    const std::size_t at = out.size();
    out.resize(at + token.textLength + token.cutCount);
    char* to = out.data() + at;
    const std::span<const Cut> cuts = run.cutsOf(token);
    const Cut* hidden = nullptr;
    for (const Cut& cut : cuts) {
        if (lastHyphenHidden && WritesHyphen(cut.kind))
            hidden = &cut;
    }
    for (const Cut& cut : cuts) {
        if (!WritesHyphen(cut.kind) || &cut == hidden)
            continue;
        for (const char* stop = run.letters.data() + token.textStart + cut.offset; letter < stop;)
            *to++ = *letter++;
        *to++ = '-';
    }
    while (letter < end)
        *to++ = *letter++;
    out.resize(static_cast<std::size_t>(to - out.data()));
}

void InsertHyphens(std::string& text, std::size_t wordStart, std::span<const Cut> cuts) {
    if (cuts.empty())
        return;
    const auto hyphens = static_cast<std::size_t>(
        std::count_if(cuts.begin(), cuts.end(), [](const Cut& c) { return WritesHyphen(c.kind); }));
    if (hyphens == 0)
        return;
    const std::size_t size = text.size();
    text.resize(size + hyphens);
    char* const word = text.data() + wordStart;
    const char* from = text.data() + size;
    char* to = text.data() + text.size();
    // From the last cut back, each letter moves once, past the hyphens still to come before it.
    for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
        if (!WritesHyphen(cut->kind))
            continue;
        const char* const at = word + cut->offset;
        while (from > at)
            *--to = *--from;
        *--to = '-';
    }
}

std::string PaneTextOf(const DividedRun& run, std::string_view elisionSpace) {
    std::string out;
    out.reserve(run.letters.size() + run.cuts.size() + run.tokens.size() + kCrLf.size());
    for (const DividedToken& token : run.tokens) {
        const Cut* join = run.joinOf(token);
        const bool elided = join && join->kind == CutKind::Elision;
        // Without a way to write the join, the elided syllable stays with its word.
        AppendDividedWord(out, run, token, elided && elisionSpace.empty());
        out += elided && !elisionSpace.empty() ? elisionSpace : SeparatorText(token.separator);
    }
    // Trimmed in place: the text can be as large as the input, so it is not copied.
    const std::string_view trimmed = TrimView(out);
    const auto head = static_cast<std::size_t>(trimmed.data() - out.data());
    out.resize(head + trimmed.size());
    out.erase(0, head);
    out += kCrLf;
    return out;
}

} // namespace cantiva::text
