#include "export/finale_lyrics.h"

#include "export/pane_text.h"
#include "text/character_sets.h"
#include "text/cp1251.h"

namespace cantiva::exporting {
namespace {

constexpr char kSpace = ' ';
constexpr char kEnDash = '\x96';
constexpr char kEmDash = '\x97';

bool IsPreposition(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 0xE2: // в
    case 0xEA: // к
    case 0xF1: // с
    case 0xC2: // В
    case 0xCA: // К
    case 0xD1: // С
        return true;
    default:
        return false;
    }
}

bool IsOneLetterParticle(char c) {
    return c == '\xE1' /* б */ || c == '\xE6' /* ж */;
}

// Whether the space at `j` binds its neighbour; `s[j]` is a space.
bool BindsSpaceAt(std::string_view s, std::size_t j, bool bindDashes) {
    const std::size_t n = s.size();
    auto at = [&](std::size_t i) { return i < n ? s[i] : '\0'; };

    // A lone preposition stays with the following word.
    if (j >= 1 && IsPreposition(s[j - 1]) && (j == 1 || s[j - 2] == kSpace))
        return true;
    // A lone б or ж stays with the preceding word.
    if (IsOneLetterParticle(at(j + 1)) &&
        (j + 2 == n || at(j + 2) == kSpace || text::kPunctuationMarks.contains(at(j + 2))))
        return true;
    // ль between spaces stays with the preceding word.
    if (at(j + 1) == '\xEB' && at(j + 2) == '\xFC' && at(j + 3) == kSpace)
        return true;
    return bindDashes && (at(j + 1) == kEnDash || at(j + 1) == kEmDash) && at(j + 2) == kSpace;
}

} // namespace

std::string ConvertFinaleLine(std::string_view line, bool bindDashes) {
    std::string out(line);
    for (std::size_t j = 0; j < line.size(); ++j) {
        if (line[j] == kSpace && BindsSpaceAt(line, j, bindDashes))
            out[j] = text::kNoBreakSpace;
    }
    return out;
}

std::string FinaleExportText(std::string_view paneText, bool bindDashes) {
    std::string out;
    out.reserve(paneText.size() + 2);
    for (std::string_view line : PaneLines(paneText)) {
        out += ConvertFinaleLine(line, bindDashes);
        out += text::kCrLf;
    }
    return out;
}

} // namespace cantiva::exporting
