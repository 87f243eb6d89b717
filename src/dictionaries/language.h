#pragma once

#include "text/byte_set.h"
#include "text/case_map.h"
#include "text/code_page.h"
#include "text/letter_folding.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cantiva::dictionaries {

enum class Language : std::uint8_t {
    Russian = 0,
    English = 1,
    Latin = 2,
    American = 3,
    German = 4,
    French = 5,
    Italian = 6,
    Spanish = 7,
};

inline constexpr std::array<Language, 8> kAllLanguages = {
    Language::Russian, Language::English, Language::Latin,   Language::American,
    Language::German,  Language::French,  Language::Italian, Language::Spanish};

// The languages without which the program does not start; a missing file of any other language
// only makes that language unavailable.
inline constexpr std::array<Language, 4> kRequiredLanguages = {Language::Russian, Language::English,
                                                               Language::Latin, Language::American};

constexpr int IndexOf(Language l) {
    return static_cast<int>(l);
}

// Which breaks the word step undoes: one that leaves a single letter alone at an end of the word
// (the rules of the first four languages), or any that leaves a part without a vowel, or both
// (English and Russian: no syllable is sung without a vowel, Lu-bin and при-зри, not Lu-b-in,
// при-з-ри).
enum class JoinRule : std::uint8_t { LoneLetter, Vowelless, LoneLetterAndVowelless };

// The lone-letter join: a final break X-Y stays when X is in finalKeptBefore and Y in
// finalKeptLone; an initial break X-Y goes when X is in initialJoinedLone and Y in
// initialJoinedNext. Under JoinRule::LoneLetterAndVowelless a part without a vowel that ends in
// one of vowellessJoinsBack joins the part before it instead of the one after (Russian ь, ъ:
// the sign belongs to the consonant it follows, купль-шы and not куп-льшы).
struct LoneLetterJoin {
    text::ByteSet finalKeptBefore;
    text::ByteSet finalKeptLone;
    text::ByteSet initialJoinedLone;
    text::ByteSet initialJoinedNext;
    text::ByteSet vowellessJoinsBack;
};

// What a word's last syllable does before a word that starts with a vowel.
enum class WordJoin : std::uint8_t {
    None,
    MuteE,     // a final e after a consonant is sung on one note with the next word's vowel
    Synalepha, // a final vowel may share a note with the next word's first vowel
};

// The constants of one dictionary language. The language, not the core, decides how its text is
// read: `codePage` is the code page of its dictionaries (and of the core text a run divides), and
// `fold` reads a written character that the code page cannot hold as dictionary letters.
struct LanguageInfo {
    std::string_view baseName;      // "RHYPHEN"
    std::string_view languageName;  // caption name, with one trailing blank: "Russian "
    std::string_view promptName;    // rebuild question name, blank on both sides: " Russian "
    std::string_view indexAlphabet; // the index letters in section order (in `codePage`)
    int letterCount;                // L: 32, 26, 25, 26, 30, 42, 36, 33
    std::string_view cliName;       // ru, en, la, us, de, fr, it, es
    const text::CodePage* codePage; // Windows-1251, or Windows-1252 from German on
    text::FoldFunction fold;
    const text::CaseMap* caseMap; // the case mapping of `codePage`
    text::ByteSet letters;        // the letters a word of the language is made of, both cases
    JoinRule joinRule;
    text::ByteSet vowels; // both cases; the vowelless join reads them
    // Letters of the code page outside `letters` fold as `fold` reads them (é in German).
    bool foldsCodePageLetters;
    LoneLetterJoin loneLetter;                 // read under JoinRule::LoneLetter
    std::span<const std::string_view> clitics; // endings left out of the patterns ("'s")
    // The consonant an apostrophe between two vowels stands for (English o'er, e'er: v); 0 when
    // the language writes no such elision.
    char elidedBetweenVowels;
    // Contractions sung as a syllable of their own after a consonant (English n't, 'll:
    // must-n't, it-'ll), written with ' for either apostrophe.
    std::span<const std::string_view> syllabicEndings;
    // A letter the patterns match as another (ё as е); both 0 when none.
    char matchedFrom;
    char matchedAs;
    // Lower-case letters between which a diaeresis opens a syllable of its own.
    text::ByteSet hiatusVowels;
    WordJoin wordJoin;
    // Words whose h is aspirated: no join before them (la haine).
    std::span<const std::string_view> aspiratedH;
    // The characters a compiled record's key keeps: of a pattern (with " .%" besides), of an
    // exception (with the blank).
    text::ByteSet patternKeyLetters;
    text::ByteSet exceptionKeyLetters;
    bool required;   // the program does not start without it
    bool scoreMacro; // the SCORE macro's fonts hold its letters
};

extern const std::array<LanguageInfo, kAllLanguages.size()> kLanguageInfos;

// Inline: the word step reads it for every word.
inline const LanguageInfo& LanguageInfoOf(Language l) {
    return kLanguageInfos[static_cast<std::size_t>(IndexOf(l))];
}

inline bool IsRequired(Language l) {
    return LanguageInfoOf(l).required;
}

// The index of the closing entry of the letter index table: L + 1.
inline int ClosingEntry(Language l) {
    return LanguageInfoOf(l).letterCount + 1;
}

// The two dictionaries of a language: the patterns and the exceptions.
enum class DictionaryKind { Main, Exceptions };

// File names: base name plus ".TXT", ".PT", ".XCP", ".XCD" or ".pt0".
enum class DictFile { MainSource, MainCompiled, ExceptionsSource, ExceptionsCompiled, Temporary };
std::string FileName(Language l, DictFile f);

// Parses the command-line name of a language (ru, en, la, us, de, fr, it, es).
std::optional<Language> LanguageFromCliName(std::string_view name);

// "Cantiva [Russian syllabification]"
std::string WindowCaption(Language l);

} // namespace cantiva::dictionaries
