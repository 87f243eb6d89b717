#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A divided text as data: its tokens in order, each a word with its cuts, and what ends it. Every
// output (the result pane, the notation exports, the lay-on) is written from this.
namespace cantiva::text {

// What ends a token of the input, and what the result writes there.
enum class Separator : std::uint8_t {
    Space = 0,        // a blank, or the end of the text: one blank follows the word
    Hyphen = 1,       // the word's own "-": the word goes on in the next token
    LineBreak = 2,    // CR, or a lone LF: CR LF follows
    NoBreakSpace = 3, // 0xA0: one non-breaking space follows
};

enum class CutKind : std::uint8_t {
    Pattern,   // an odd pattern weight
    Exception, // a hyphen of the word's exception
    OwnHyphen, // the word's own hyphen, at its end (Separator::Hyphen)
    // At the end of the word: its last syllable and the next word's first are sung on one note.
    Elision,   // always (French mute e before a vowel)
    Synalepha, // only where the melody has fewer notes than syllables (Italian, Spanish)
};

// Cuts of these kinds write a hyphen in the result pane; the joins show only where an output can
// carry them.
constexpr bool WritesHyphen(CutKind kind) {
    return kind == CutKind::Pattern || kind == CutKind::Exception || kind == CutKind::OwnHyphen;
}

constexpr bool JoinsNextWord(CutKind kind) {
    return kind == CutKind::Elision || kind == CutKind::Synalepha;
}

struct Cut {
    std::uint16_t offset; // a hyphen goes before this byte of the token's text
    CutKind kind;
};

// A word is at most a few dozen bytes: its length, its cuts' offsets and count are small.
struct DividedToken {
    std::uint32_t textStart = 0; // in DividedRun::letters
    std::uint32_t cutStart = 0;  // in DividedRun::cuts, in offset order
    std::uint16_t textLength = 0;
    std::uint8_t cutCount = 0;
    Separator separator = Separator::Space;
};

struct DividedRun {
    // Every token's word as the result writes it (its case restored), without the cut hyphens,
    // in the code page of the run; its placeholders stand for `foreign` in order.
    std::string letters;
    std::vector<Cut> cuts;
    std::vector<DividedToken> tokens;
    std::vector<std::string> foreign;

    std::string_view text(const DividedToken& token) const {
        return std::string_view(letters).substr(token.textStart, token.textLength);
    }
    std::span<const Cut> cutsOf(const DividedToken& token) const {
        return std::span<const Cut>(cuts).subspan(token.cutStart, token.cutCount);
    }
    // Whether the token's word ends with a join to the next word, and which.
    const Cut* joinOf(const DividedToken& token) const;
};

// What the result writes for a separator: " ", nothing, CR LF or 0xA0. Inline: it runs for every
// token of the text.
constexpr std::string_view SeparatorText(Separator separator) {
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

// The token's word with a hyphen at every cut that writes one, as the result pane shows it; with
// `lastHyphenHidden`, but for the last (an elided syllable kept with its word: "belle").
void AppendDividedWord(std::string& out, const DividedRun& run, const DividedToken& token,
                       bool lastHyphenHidden = false);

// The same in place, for a word written at `wordStart` to the end of `text`, its cuts' offsets
// counted from there.
void InsertHyphens(std::string& text, std::size_t wordStart, std::span<const Cut> cuts);

// The result pane's text: every token's divided word followed by what its separator writes
// (nothing for a hyphen: the word kept it), then trimmed, then CR LF. A word whose final mute e
// is elided keeps that syllable ("belle âme"); with `elisionSpace`, it is divided and the blank
// after it is written so instead (Finale's no-break space: "bel-le â-me" on one note).
std::string PaneTextOf(const DividedRun& run, std::string_view elisionSpace = {});

} // namespace cantiva::text
