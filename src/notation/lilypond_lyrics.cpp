#include "notation/lilypond_lyrics.h"

#include "notation/divided_text.h"

namespace cantiva::notation {
namespace {

// What ends or changes a bare lyric word: digits start a duration, # and $ Scheme, % a comment,
// | a bar check, braces and quotes and backslashes their own tokens, _ turns into a space and ~
// into a lyric tie.
bool NeedsQuotes(std::string_view s) {
    if (s.empty() || s.front() == '-')
        return true;
    for (char c : s) {
        if ((c >= '0' && c <= '9') || c == '{' || c == '}' || c == '\\' || c == '"' || c == '#' ||
            c == '$' || c == '%' || c == '|' || c == '~' || c == '_' || c == ' ' || c == '\t')
            return true;
    }
    return false;
}

} // namespace

std::string LilyPondSyllable(std::string_view syllable) {
    if (!NeedsQuotes(syllable))
        return std::string(syllable);
    std::string out = "\"";
    for (char c : syllable) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::string LilyPondLyrics(std::string_view dividedUtf8) {
    return LilyPondLyrics(ReadDividedText(dividedUtf8));
}

std::string LilyPondLyrics(const std::vector<DividedLine>& lines) {
    std::string out = "\\lyricmode {\n";
    for (const DividedLine& line : lines) {
        const DividedLine words = AttachPunctuation(line);
        if (!words.empty())
            out += "  ";
        for (std::size_t w = 0; w < words.size(); ++w) {
            if (w > 0)
                out += words[w - 1].next == NextJoin::SameNote ? '~' : ' ';
            const std::vector<std::string>& syllables = words[w].syllables;
            for (std::size_t k = 0; k < syllables.size(); ++k) {
                if (k > 0)
                    out += " -- ";
                out += LilyPondSyllable(syllables[k]);
            }
        }
        out += '\n';
    }
    out += "}\n";
    return out;
}

} // namespace cantiva::notation
