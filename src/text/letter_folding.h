#pragma once

#include <cstdint>
#include <string_view>

// How a written character that a dictionary's code page cannot hold reads for lookup. Each
// language names its folding; the word step asks it once per such character of a word.
namespace cantiva::text {

struct Fold {
    enum class Kind : std::uint8_t {
        None,    // the language cannot read it: the word stays whole
        Letters, // it reads as `letters` (lower-case dictionary letters; a ligature gives two)
        Mark,    // a mark on the letter before it, ignored for lookup (a stress or an accent)
        Compose, // a combining mark that makes the letter before it `letters` (NFD й, ё)
    };
    Kind kind = Kind::None;
    std::string_view letters;
    // A diaeresis: the vowel it marks is sounded apart from a vowel before it (na-ïve, No-ël).
    bool hiatus = false;
};

// `cp` is the character; `previous` the dictionary letter before it in the folded word, or 0.
using FoldFunction = Fold (*)(char32_t cp, char previous);

// Latin, English and American: accented vowels and ç ñ to plain letters, æ ǽ œ to ae and oe, and
// the combining accents of decomposed (NFD) text ignored.
Fold FoldLatinLetters(char32_t cp, char previous);

// Russian (Windows-1251): the combining acute or grave used as a stress mark is ignored; a
// combining diaeresis on е and a combining breve on и make ё and й.
Fold FoldRussianLetters(char32_t cp, char previous);

// German, French, Italian and Spanish (Windows-1252): a letter of the code page that the language
// lacks reads as its plain letter (é as e in German, ñ as n in French), æ and œ as ae and oe; the
// word step asks only for letters outside the language's alphabet. Any other character, and text
// in decomposed form, leaves the word whole.
Fold FoldWesternLetters(char32_t cp, char previous);

} // namespace cantiva::text
