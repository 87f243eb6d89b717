#include "text/divided_run.h"

#include "text/cp1251.h"

namespace cantiva::text {
std::string_view SeparatorText(Separator separator) {
    switch (separator) {
    case Separator::Space:
        return " ";
    case Separator::Hyphen:
        return "";
    case Separator::LineBreak:
        return "\r\n";
    case Separator::NoBreakSpace:
        return "\xA0";
    }
    return "";
}

const Cut* DividedRun::joinOf(const DividedToken& token) const {
    const std::span<const Cut> own = cutsOf(token);
    return !own.empty() && JoinsNextWord(own.back().kind) ? &own.back() : nullptr;
}

void AppendDividedWord(std::string& out, const DividedRun& run, const DividedToken& token) {
    const std::string_view word = run.text(token);
    std::size_t written = 0;
    for (const Cut& cut : run.cutsOf(token)) {
        if (!WritesHyphen(cut.kind))
            continue;
        out.append(word.substr(written, cut.offset - written));
        written = cut.offset;
        out += '-';
    }
    out.append(word.substr(written));
}

std::string PaneTextOf(const DividedRun& run, std::string_view elisionSpace) {
    std::string out;
    out.reserve(run.letters.size() + run.cuts.size() + run.tokens.size() + kCrLf.size());
    for (const DividedToken& token : run.tokens) {
        AppendDividedWord(out, run, token);
        const Cut* join = elisionSpace.empty() ? nullptr : run.joinOf(token);
        out +=
            join && join->kind == CutKind::Elision ? elisionSpace : SeparatorText(token.separator);
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
