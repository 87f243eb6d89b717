#include "dictionaries/language.h"

#include "text/character_sets.h"

namespace cantiva::dictionaries {
namespace {

// а..я (224..255) without ё.
constexpr std::string_view kRussianAlphabet =
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF";

// a..z, then the language's own letters in Windows-1252 code order.
constexpr std::string_view kGermanAlphabet = "abcdefghijklmnopqrstuvwxyz\xDF\xE4\xF6\xFC";
constexpr std::string_view kFrenchAlphabet =
    "abcdefghijklmnopqrstuvwxyz\x9C\xE0\xE2\xE6\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC\xFF";
constexpr std::string_view kItalianAlphabet =
    "abcdefghijklmnopqrstuvwxyz\xE0\xE8\xE9\xEC\xED\xEE\xF2\xF3\xF9\xFA";
constexpr std::string_view kSpanishAlphabet =
    "abcdefghijklmnopqrstuvwxyz\xE1\xE9\xED\xF1\xF3\xFA\xFC";

constexpr LoneLetterJoin kRussianLoneLetter = {
    text::kRussianVowelsAndShortI | text::kRussianSoftSign, text::kRussianVowels,
    text::kRussianConsonantsAndSigns,
    text::kRussianConsonantsAndSigns | text::kRussianVowelsAndShortI,
    text::kRussianSoftSign | text::ByteSet::of({0xDA, 0xFA})}; // ь ъ
constexpr LoneLetterJoin kLatinScriptLoneLetter = {text::kEnglishVowels | text::kEnglishConsonants,
                                                   text::kEnglishVowels,
                                                   text::kEnglishConsonants,
                                                   text::kEnglishConsonants | text::kLatinVowels,
                                                   {}};

constexpr std::array<std::string_view, 3> kEnglishClitics = {"'re", "'ll", "'s"};
constexpr std::array<std::string_view, 2> kEnglishSyllabicEndings = {"n't", "'ll"};

// Common words with an aspirated h, some plurals and forms, in Windows-1252: no elision before
// them. The list is short on purpose; a word missing here is elided as if its h were mute.
constexpr std::array<std::string_view, 60> kFrenchAspiratedH = {
    "hache",    "haches",    "haie",       "haies",       "haine",    "haines",    "hair",
    "ha\xEFr",  "hais",      "hait",       "hale",        "halle",    "halles",    "halte",
    "haltes",   "hameau",    "hameaux",    "hanche",      "hanches",  "harde",     "hardi",
    "hardie",   "hardis",    "hareng",     "harpe",       "harpes",   "hasard",    "hasards",
    "h\xE2te",  "haut",      "haute",      "hautes",      "hauts",    "hauteur",   "hauteurs",
    "havre",    "h\xE9raut", "h\xE9rauts", "h\xE9risson", "h\xE9ron", "h\xE9rons", "h\xE9ros",
    "h\xEAtre", "h\xEAtres", "heurt",      "heurte",      "hibou",    "hiboux",    "hideux",
    "hideuse",  "honte",     "hontes",     "horde",       "hordes",   "hors",      "houle",
    "huit",     "hurle",     "hurler",     "hutte"};

constexpr text::ByteSet kHiatusVowels = text::ByteSet::chars("aeiouy");

// Russian is told by its alphabet: comparing the fold functions' addresses is no constant
// expression where the sanitizers instrument them.
constexpr LanguageInfo Windows1251Language(std::string_view base, std::string_view name,
                                           std::string_view prompt, std::string_view alphabet,
                                           int count, std::string_view cli, text::FoldFunction fold,
                                           const text::ByteSet& letters,
                                           const text::ByteSet& vowels,
                                           const LoneLetterJoin& loneLetter, JoinRule joinRule,
                                           std::span<const std::string_view> clitics,
                                           const text::ByteSet& patternKeyLetters) {
    return {base,
            name,
            prompt,
            alphabet,
            count,
            cli,
            &text::kWindows1251,
            fold,
            &text::kWindows1251Case,
            letters,
            joinRule,
            vowels,
            false,
            loneLetter,
            clitics,
            cli == "en" || cli == "us" ? 'v' : '\0',
            cli == "en" || cli == "us" ? std::span<const std::string_view>(kEnglishSyllabicEndings)
                                       : std::span<const std::string_view>{},
            alphabet == kRussianAlphabet ? '\xB8' : '\0', // ё is matched as е
            alphabet == kRussianAlphabet ? '\xE5' : '\0',
            kHiatusVowels,
            WordJoin::None,
            {},
            patternKeyLetters,
            text::kRussianLetters | text::kAsciiLetterRange,
            true,
            alphabet == kRussianAlphabet};
}

constexpr LanguageInfo Windows1252Language(std::string_view base, std::string_view name,
                                           std::string_view prompt, std::string_view alphabet,
                                           std::string_view cli, const text::ByteSet& letters,
                                           const text::ByteSet& ownLetters,
                                           const text::ByteSet& vowels, WordJoin wordJoin,
                                           std::span<const std::string_view> aspiratedH = {}) {
    return {base,
            name,
            prompt,
            alphabet,
            static_cast<int>(alphabet.size()),
            cli,
            &text::kWindows1252,
            text::FoldWesternLetters,
            &text::kWindows1252Case,
            letters,
            JoinRule::Vowelless,
            vowels,
            true,
            {},
            {},
            '\0',
            {},
            '\0',
            '\0',
            kHiatusVowels,
            wordJoin,
            aspiratedH,
            text::kAsciiLetterRange | ownLetters,
            text::kAsciiLetterRange | letters,
            false,
            false};
}

} // namespace

constexpr std::array<LanguageInfo, kAllLanguages.size()> kLanguageInfos = {{
    Windows1251Language("RHYPHEN", "Russian ", " Russian ", kRussianAlphabet, 32, "ru",
                        text::FoldRussianLetters, text::kRussianLetters, text::kRussianVowels,
                        kRussianLoneLetter, JoinRule::LoneLetterAndVowelless, {},
                        text::kRussianLetters),
    Windows1251Language("EHYPHEN", "English ", " English ", "abcdefghijklmnopqrstuvwxyz", 26, "en",
                        text::FoldLatinLetters, text::kEnglishLetters, text::kEnglishVowels,
                        kLatinScriptLoneLetter, JoinRule::LoneLetterAndVowelless, kEnglishClitics,
                        text::kAsciiLetterRange),
    Windows1251Language("LHYPHEN", "Latin ", " Latin ", "abcdefghijklmnopqrstuvxyz", 25, "la",
                        text::FoldLatinLetters, text::kLatinLetters, text::kLatinVowels,
                        kLatinScriptLoneLetter, JoinRule::LoneLetter, {}, text::kLatinLetters),
    Windows1251Language("UHYPHEN", "American ", " American ", "abcdefghijklmnopqrstuvwxyz", 26,
                        "us", text::FoldLatinLetters, text::kEnglishLetters, text::kEnglishVowels,
                        kLatinScriptLoneLetter, JoinRule::LoneLetterAndVowelless, kEnglishClitics,
                        text::kAsciiLetterRange),
    Windows1252Language("GHYPHEN", "German ", " German ", kGermanAlphabet, "de",
                        text::kGermanLetters, text::kGermanOwnLetters, text::kGermanVowels,
                        WordJoin::None),
    Windows1252Language("FHYPHEN", "French ", " French ", kFrenchAlphabet, "fr",
                        text::kFrenchLetters, text::kFrenchOwnLetters, text::kFrenchVowels,
                        WordJoin::MuteE, kFrenchAspiratedH),
    Windows1252Language("IHYPHEN", "Italian ", " Italian ", kItalianAlphabet, "it",
                        text::kItalianLetters, text::kItalianOwnLetters, text::kItalianVowels,
                        WordJoin::Synalepha),
    Windows1252Language("SHYPHEN", "Spanish ", " Spanish ", kSpanishAlphabet, "es",
                        text::kSpanishLetters, text::kSpanishOwnLetters, text::kSpanishVowels,
                        WordJoin::Synalepha),
}};

std::string FileName(Language l, DictFile f) {
    std::string name(LanguageInfoOf(l).baseName);
    switch (f) {
    case DictFile::MainSource:
        return name + ".TXT";
    case DictFile::MainCompiled:
        return name + ".PT";
    case DictFile::ExceptionsSource:
        return name + ".XCP";
    case DictFile::ExceptionsCompiled:
        return name + ".XCD";
    case DictFile::Temporary:
        return name + ".pt0";
    }
    return name;
}

std::optional<Language> LanguageFromCliName(std::string_view name) {
    for (Language l : kAllLanguages)
        if (LanguageInfoOf(l).cliName == name)
            return l;
    return std::nullopt;
}

std::string WindowCaption(Language l) {
    return "Cantiva [" + std::string(LanguageInfoOf(l).languageName) + "syllabification]";
}

} // namespace cantiva::dictionaries
