#include "notation/gabc_score.h"

#include "notation/divided_text.h"

namespace cantiva::notation {
namespace {

constexpr int kNameWords = 5;

// Gregorio's text reader treats these as markup (note groups, styles, centring, translations,
// comments, lyric ties) and "$" as its escape.
bool IsGabcMarkup(char c) {
    switch (c) {
    case '$':
    case '(':
    case ')':
    case '{':
    case '}':
    case '[':
    case ']':
    case '<':
    case '%':
    case '~':
    case '|':
        return true;
    default:
        return false;
    }
}

std::string JoinSyllables(const DividedWord& word) {
    std::string out;
    for (const std::string& s : word.syllables)
        out += s;
    return out;
}

} // namespace

std::string GabcName(std::string_view dividedUtf8) {
    return GabcName(ReadDividedText(dividedUtf8));
}

std::string GabcName(const std::vector<DividedLine>& lines) {
    for (const DividedLine& line : lines) {
        std::string name;
        int taken = 0;
        for (const DividedWord& word : line) {
            if (word.punctuationOnly)
                continue;
            if (taken++ == kNameWords)
                break;
            if (!name.empty())
                name += ' ';
            name += JoinSyllables(word);
        }
        std::erase(name, ';');
        while (!name.empty() && std::string_view(",.:!?").find(name.back()) != std::string::npos)
            name.pop_back();
        if (!name.empty())
            return name;
    }
    return "Untitled";
}

std::string GabcText(std::string_view syllable) {
    std::string out;
    for (char c : syllable) {
        if (IsGabcMarkup(c))
            out += '$';
        out += c;
    }
    return out;
}

std::string GabcScore(std::string_view dividedUtf8) {
    return GabcScore(ReadDividedText(dividedUtf8));
}

std::string GabcScore(const std::vector<DividedLine>& lines) {
    std::string out = "name: " + GabcName(lines) + ";\n%%\n(c4)";
    for (const DividedLine& line : lines) {
        if (line.empty())
            continue;
        out += '\n';
        for (const DividedWord& word : line) {
            for (std::size_t k = 0; k < word.syllables.size(); ++k) {
                out += GabcText(word.syllables[k]);
                if (k + 1 == word.syllables.size() && word.next == NextJoin::SameNote)
                    break;
                out += "()";
            }
            out += word.next == NextJoin::SameNote ? "\u203F" : " ";
        }
        out += "(::)";
    }
    out += '\n';
    return out;
}

} // namespace cantiva::notation
