#include "notation/divided_text.h"

#include "export/pane_text.h"

namespace cantiva::notation {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || (static_cast<unsigned char>(c) < 0x20);
}

// The code point starting at `i` (a lead byte), and its length; a broken sequence counts as one
// byte standing for itself.
char32_t CodePointAt(std::string_view s, std::size_t i, std::size_t& length) {
    const auto b = static_cast<unsigned char>(s[i]);
    length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (i + length > s.size() || b < 0xC0) {
        length = 1;
        return b;
    }
    char32_t cp = length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}

bool IsPunctuation(char32_t cp) {
    if (cp < 0x80)
        return !((cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z'));
    return (cp >= 0xA1 && cp <= 0xBF && cp != 0xAA && cp != 0xB2 && cp != 0xB3 && cp != 0xB5 &&
            cp != 0xB9 && cp != 0xBA) ||
           cp == 0xD7 || cp == 0xF7 || (cp >= 0x2010 && cp <= 0x205E) ||
           (cp >= 0x3000 && cp <= 0x303F);
}

} // namespace

bool IsPunctuationOnly(std::string_view word) {
    for (std::size_t i = 0, length = 0; i < word.size(); i += length) {
        if (!IsPunctuation(CodePointAt(word, i, length)))
            return false;
    }
    return true;
}

namespace {

DividedWord SplitWord(std::string_view word) {
    DividedWord out;
    out.punctuationOnly = IsPunctuationOnly(word);
    std::string syllable;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const bool divides = word[i] == '-' && !out.punctuationOnly && i > 0 &&
                             i + 1 < word.size() && word[i - 1] != '-' && word[i + 1] != '-';
        if (divides) {
            out.syllables.push_back(std::move(syllable));
            syllable.clear();
        } else {
            syllable += word[i];
        }
    }
    out.syllables.push_back(std::move(syllable));
    return out;
}

// A syllable split where two words are joined on one note: at "‿" (U+203F) or "_" with
// characters on both sides (attached punctuation brings blanks into a syllable).
std::vector<std::string_view> JoinedParts(std::string_view syllable) {
    static constexpr std::string_view kTie = "\u203F";
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 1; i + 1 < syllable.size(); ++i) {
        const std::size_t width = syllable.substr(i, kTie.size()) == kTie ? kTie.size()
                                  : syllable[i] == '_'                    ? 1
                                                                          : 0;
        if (width == 0 || i == start || i + width >= syllable.size() || syllable[i - 1] == ' ' ||
            syllable[i + width] == ' ')
            continue;
        parts.push_back(syllable.substr(start, i - start));
        start = i + width;
        i = start;
    }
    parts.push_back(syllable.substr(start));
    return parts;
}

Syllabic SyllabicOf(bool startsWord, bool endsWord) {
    if (startsWord)
        return endsWord ? Syllabic::Single : Syllabic::Begin;
    return endsWord ? Syllabic::End : Syllabic::Middle;
}

} // namespace

std::vector<DividedLine> ReadDividedText(std::string_view utf8) {
    std::vector<DividedLine> lines;
    for (std::string_view text : exporting::PaneLines(utf8)) {
        DividedLine& line = lines.emplace_back();
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && IsBlank(text[i]))
                ++i;
            const std::size_t start = i;
            while (i < text.size() && !IsBlank(text[i]))
                ++i;
            if (i > start)
                line.push_back(SplitWord(text.substr(start, i - start)));
        }
    }
    return lines;
}

namespace {

// Marks that open what follows them: « C'est, “ I, ¿ Qué. Straight quotes and dashes open as
// often as they close, so they stay with the word before.
bool OpensNextWord(std::string_view punctuation) {
    std::size_t length = 0;
    switch (CodePointAt(punctuation, 0, length)) {
    case U'(':
    case U'[':
    case U'{':
    case U'\u00A1': // ¡
    case U'\u00AB': // «
    case U'\u00BF': // ¿
    case U'\u2039': // ‹
    case U'\u201C': // “
    case U'\u201E': // „
        return true;
    default:
        return false;
    }
}

} // namespace

DividedLine AttachPunctuation(const DividedLine& line) {
    DividedLine out;
    std::string pending; // punctuation that opens the line or the next word, waiting for it
    for (const DividedWord& word : line) {
        if (!word.punctuationOnly) {
            out.push_back(word);
            if (!pending.empty()) {
                out.back().syllables.front().insert(0, pending + ' ');
                pending.clear();
            }
        } else if (!out.empty() && pending.empty() && !OpensNextWord(word.syllables.front())) {
            out.back().syllables.back() += ' ' + word.syllables.front();
        } else {
            pending += pending.empty() ? word.syllables.front() : ' ' + word.syllables.front();
        }
    }
    // Nothing followed: the punctuation closes the word before it, or, on a line of
    // punctuation alone, stays a word of its own; nothing is dropped.
    if (!pending.empty() && !out.empty())
        out.back().syllables.back() += ' ' + pending;
    else if (!pending.empty())
        out.push_back(DividedWord{{pending}, true});
    return out;
}

std::string_view SyllabicName(Syllabic syllabic) {
    switch (syllabic) {
    case Syllabic::Begin:
        return "begin";
    case Syllabic::Middle:
        return "middle";
    case Syllabic::End:
        return "end";
    case Syllabic::Single:
        break;
    }
    return "single";
}

std::vector<PlacedSyllable> SyllablesInOrder(std::string_view utf8) {
    return SyllablesInOrder(ReadDividedText(utf8));
}

std::vector<PlacedSyllable> SyllablesInOrder(const std::vector<DividedLine>& lines) {
    std::vector<PlacedSyllable> out;
    for (const DividedLine& line : lines) {
        for (const DividedWord& word : AttachPunctuation(line)) {
            const std::size_t n = word.syllables.size();
            for (std::size_t k = 0; k < n; ++k) {
                const std::vector<std::string_view> parts = JoinedParts(word.syllables[k]);
                for (std::size_t p = 0; p < parts.size(); ++p) {
                    const bool startsWord = k == 0 || p > 0;
                    const bool endsWord = k + 1 == n || p + 1 < parts.size();
                    const NextJoin next = p + 1 < parts.size() ? NextJoin::SameNote
                                          : k + 1 == n         ? word.next
                                                               : NextJoin::Apart;
                    out.push_back({std::string(parts[p]), SyllabicOf(startsWord, endsWord), next});
                }
            }
        }
        if (!out.empty())
            out.back().endsLine = true;
    }
    return out;
}

std::string DividedTextOf(const std::vector<PlacedSyllable>& syllables) {
    std::string out;
    for (const PlacedSyllable& s : syllables) {
        const bool continuesWord = s.syllabic == Syllabic::Middle || s.syllabic == Syllabic::End;
        if (continuesWord)
            out += '-';
        else if (!out.empty())
            out += ' ';
        out += s.text;
    }
    return out;
}

} // namespace cantiva::notation
