#pragma once

#include "text/code_page.h"
#include "text/letter_folding.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cantiva::dictionaries {

enum class Language : std::uint8_t { Russian = 0, English = 1, Latin = 2, American = 3 };

inline constexpr std::array<Language, 4> kAllLanguages = {Language::Russian, Language::English,
                                                          Language::Latin, Language::American};

constexpr int IndexOf(Language l) {
    return static_cast<int>(l);
}

// The constants of one dictionary language. The language, not the core, decides how its text is
// read: `codePage` is the code page of its dictionaries (and of the core text a run divides), and
// `fold` reads a written character that the code page cannot hold as dictionary letters.
struct LanguageInfo {
    std::string_view baseName;      // "RHYPHEN"
    std::string_view languageName;  // caption name, with one trailing blank: "Russian "
    std::string_view promptName;    // rebuild question name, blank on both sides: " Russian "
    std::string_view indexAlphabet; // the index letters in section order (Windows-1251)
    int letterCount;                // L: 32, 26, 25, 26
    std::string_view cliName;       // ru, en, la, us
    const text::CodePage* codePage; // Windows-1251 for all four
    text::FoldFunction fold;
};

const LanguageInfo& LanguageInfoOf(Language l);

// The index of the closing entry of the letter index table: L + 1.
inline int ClosingEntry(Language l) {
    return LanguageInfoOf(l).letterCount + 1;
}

// The two dictionaries of a language: the patterns and the exceptions.
enum class DictionaryKind { Main, Exceptions };

// File names: base name plus ".TXT", ".PT", ".XCP", ".XCD" or ".pt0".
enum class DictFile { MainSource, MainCompiled, ExceptionsSource, ExceptionsCompiled, Temporary };
std::string FileName(Language l, DictFile f);

// Parses the command-line name of a language (ru, en, la, us).
std::optional<Language> LanguageFromCliName(std::string_view name);

// "Cantiva [Russian syllabification]"
std::string WindowCaption(Language l);

inline constexpr std::string_view kRefusedLanguageMessage = "Not available in this version";

} // namespace cantiva::dictionaries
