#pragma once

#include "text/byte_set.h"

// The character sets of the core (Windows-1251 codes), each defined once.
namespace cantiva::text {

inline constexpr ByteSet kPunctuationMarks =
    ByteSet::chars("!\"'(),-.:;<>?[]") |
    ByteSet::of({0x82, 0x84, 0x85, 0x91, 0x92, 0x93, 0x94, 0x96, 0x97, 0xAB, 0xBB});

// Ё, ё and А–я.
inline constexpr ByteSet kRussianLetters = ByteSet::of({0xA8, 0xB8}) | ByteSet::range(0xC0, 0xFF);
inline constexpr ByteSet kEnglishLetters = ByteSet::range('A', 'Z') | ByteSet::range('a', 'z');
inline constexpr ByteSet kLatinLetters = kEnglishLetters.without({'W', 'w'});
// 'A' to 'z', with the six characters [ \ ] ^ _ ` between the capitals and the small letters.
inline constexpr ByteSet kAsciiLetterRange = ByteSet::range('A', 'z');

// А Е Ё И О У Ы Э Ю Я in both cases.
inline constexpr ByteSet kRussianVowels =
    ByteSet::of({0xC0, 0xC5, 0xA8, 0xC8, 0xCE, 0xD3, 0xDB, 0xDD, 0xDE, 0xDF,
                 0xE0, 0xE5, 0xB8, 0xE8, 0xEE, 0xF3, 0xFB, 0xFD, 0xFE, 0xFF});
inline constexpr ByteSet kRussianVowelsAndShortI = kRussianVowels | ByteSet::of({0xC9, 0xE9});
// Б В Г Д Ж З К Л М Н П Р С Т Ф Х Ц Ч Ш Щ Ъ Ь in both cases (not Й).
inline constexpr ByteSet kRussianConsonantsAndSigns = ByteSet::of(
    {0xC1, 0xC2, 0xC3, 0xC4, 0xC6, 0xC7, 0xCA, 0xCB, 0xCC, 0xCD, 0xCF, 0xD0, 0xD1, 0xD2, 0xD4,
     0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDC, 0xE1, 0xE2, 0xE3, 0xE4, 0xE6, 0xE7, 0xEA, 0xEB,
     0xEC, 0xED, 0xEF, 0xF0, 0xF1, 0xF2, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFC});
inline constexpr ByteSet kRussianSoftSign = ByteSet::of({0xDC, 0xFC});

inline constexpr ByteSet kEnglishConsonants =
    ByteSet::chars("BCDFGHKLMNPQRSTVWXZbcdfghklmnpqrstvwxz");
inline constexpr ByteSet kEnglishVowels = ByteSet::chars("AEIOUYaeiouy");
inline constexpr ByteSet kLatinVowels = ByteSet::chars("AEIJOUYaeijouy");

// German, French, Italian and Spanish (Windows-1252 codes): A–Z and the language's own letters,
// in both cases; their vowels, which a sung syllable always holds.
inline constexpr ByteSet kGermanOwnLetters =
    ByteSet::of({0xDF, 0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC});
inline constexpr ByteSet kFrenchOwnLetters =
    ByteSet::of({0x9C, 0xE0, 0xE2, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEE, 0xEF,
                 0xF4, 0xF9, 0xFB, 0xFC, 0xFF, 0x8C, 0xC0, 0xC2, 0xC6, 0xC7, 0xC8,
                 0xC9, 0xCA, 0xCB, 0xCE, 0xCF, 0xD4, 0xD9, 0xDB, 0xDC, 0x9F});
inline constexpr ByteSet kItalianOwnLetters =
    ByteSet::of({0xE0, 0xE8, 0xE9, 0xEC, 0xED, 0xEE, 0xF2, 0xF3, 0xF9, 0xFA,
                 0xC0, 0xC8, 0xC9, 0xCC, 0xCD, 0xCE, 0xD2, 0xD3, 0xD9, 0xDA});
inline constexpr ByteSet kSpanishOwnLetters = ByteSet::of(
    {0xE1, 0xE9, 0xED, 0xF1, 0xF3, 0xFA, 0xFC, 0xC1, 0xC9, 0xCD, 0xD1, 0xD3, 0xDA, 0xDC});
inline constexpr ByteSet kGermanLetters = kEnglishLetters | kGermanOwnLetters;
inline constexpr ByteSet kFrenchLetters = kEnglishLetters | kFrenchOwnLetters;
inline constexpr ByteSet kItalianLetters = kEnglishLetters | kItalianOwnLetters;
inline constexpr ByteSet kSpanishLetters = kEnglishLetters | kSpanishOwnLetters;

inline constexpr ByteSet kGermanVowels =
    kEnglishVowels | ByteSet::of({0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC});
inline constexpr ByteSet kFrenchVowels = kEnglishVowels | kFrenchOwnLetters.without({0xE7, 0xC7});
inline constexpr ByteSet kItalianVowels = kEnglishVowels | kItalianOwnLetters;
inline constexpr ByteSet kSpanishVowels = kEnglishVowels | kSpanishOwnLetters.without({0xF1, 0xD1});

// The characters an exception may be written with. Blank, hyphen and no-break space belong to
// both sets, so they combine with either alphabet.
inline constexpr ByteSet kEntrySeparators = ByteSet::of({' ', '-', 0xA0});
inline constexpr ByteSet kCyrillicEntryChars = kEntrySeparators | kRussianLetters;
inline constexpr ByteSet kLatinEntryChars = kEntrySeparators | kAsciiLetterRange;

} // namespace cantiva::text
