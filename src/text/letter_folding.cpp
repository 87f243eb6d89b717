#include "text/letter_folding.h"

namespace cantiva::text {
namespace {

constexpr Fold Letters(std::string_view letters, bool hiatus = false) {
    return {Fold::Kind::Letters, letters, hiatus};
}

// ä ë ï ö ü ÿ in both cases.
bool HasDiaeresis(char32_t cp) {
    switch (cp | 0x20) {
    case 0xE4:
    case 0xEB:
    case 0xEF:
    case 0xF6:
    case 0xFC:
        return true;
    default:
        return cp == 0x00FF || cp == 0x0178;
    }
}

bool IsCombiningAccent(char32_t cp) {
    switch (cp) {
    case 0x0300: // grave
    case 0x0301: // acute
    case 0x0302: // circumflex
    case 0x0303: // tilde
    case 0x0304: // macron
    case 0x0306: // breve
    case 0x0308: // diaeresis
    case 0x0327: // cedilla
        return true;
    default:
        return false;
    }
}

// The plain letter of a precomposed Latin-1 letter (U+00C0..U+00FF), lower-case; 0 if none.
char Latin1Plain(char32_t cp) {
    // À..ÿ; 0 where the character is not an accented vowel, ç or ñ (Ð × Ø Þ ß ð ÷ ø þ, æ apart).
    static constexpr char kPlain[] = "aaaaaa\0ceeeeiiii\0nooooo\0\0uuuuy\0\0"
                                     "aaaaaa\0ceeeeiiii\0nooooo\0\0uuuuy\0y";
    static_assert(sizeof kPlain == 65);
    if (cp < 0xC0 || cp > 0xFF)
        return 0;
    return kPlain[cp - 0xC0];
}

} // namespace

Fold FoldLatinLetters(char32_t cp, char /*previous*/) {
    if (IsCombiningAccent(cp))
        return {Fold::Kind::Mark, {}, cp == 0x0308};
    switch (cp) {
    case 0x00C6: // Æ
    case 0x00E6: // æ
    case 0x01E2: // Ǣ
    case 0x01E3: // ǣ
    case 0x01FC: // Ǽ
    case 0x01FD: // ǽ
        return Letters("ae");
    case 0x0152: // Œ
    case 0x0153: // œ
        return Letters("oe");
    case 0x0178: // Ÿ
        return Letters("y", true);
    case 0x0232: // Ȳ
    case 0x0233: // ȳ
        return Letters("y");
    default:
        break;
    }
    if (char plain = Latin1Plain(cp)) {
        static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
        return Letters(kLetters.substr(static_cast<std::size_t>(plain - 'a'), 1), HasDiaeresis(cp));
    }
    // Macrons and breves of Latin Extended-A, capital and small in turn: Ā ā Ă ă …
    struct Range {
        char32_t first;
        char letter;
    };
    constexpr Range kMacronsAndBreves[] = {
        {0x0100, 'a'}, {0x0112, 'e'}, {0x012A, 'i'}, {0x014C, 'o'}, {0x016A, 'u'}};
    for (auto [first, letter] : kMacronsAndBreves) {
        if (cp >= first && cp < first + 4) {
            static constexpr std::string_view kVowels = "aeiou";
            return Letters(kVowels.substr(kVowels.find(letter), 1));
        }
    }
    return {};
}

Fold FoldWesternLetters(char32_t cp, char /*previous*/) {
    switch (cp) {
    case 0x00C6: // Æ
    case 0x00E6: // æ
        return Letters("ae");
    case 0x0152: // Œ
    case 0x0153: // œ
        return Letters("oe");
    case 0x0160: // Š
    case 0x0161: // š
        return Letters("s");
    case 0x017D: // Ž
    case 0x017E: // ž
        return Letters("z");
    case 0x0178: // Ÿ
        return Letters("y");
    default:
        break;
    }
    if (char plain = Latin1Plain(cp)) {
        static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
        return Letters(kLetters.substr(static_cast<std::size_t>(plain - 'a'), 1));
    }
    return {};
}

Fold FoldRussianLetters(char32_t cp, char previous) {
    switch (cp) {
    case 0x0300:
    case 0x0301:
        return {Fold::Kind::Mark, {}};
    case 0x0306:
        if (previous == '\xE8')
            return {Fold::Kind::Compose, "\xE9"};
        if (previous == '\xC8')
            return {Fold::Kind::Compose, "\xC9"};
        return {};
    case 0x0308:
        if (previous == '\xE5')
            return {Fold::Kind::Compose, "\xB8"};
        if (previous == '\xC5')
            return {Fold::Kind::Compose, "\xA8"};
        return {};
    default:
        return {};
    }
}

} // namespace cantiva::text
