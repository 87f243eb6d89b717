#pragma once

#include "dictionaries/language.h"

#include <string>
#include <string_view>

namespace cantiva::dictionaries {

// An exception is written in one alphabet: Cyrillic or Latin letters, with blanks, hyphens and
// no-break spaces between them (Windows-1251).
bool IsCyrillicEntry(std::string_view entry);
bool IsLatinEntry(std::string_view entry);
bool HasDoubleHyphen(std::string_view entry);

enum class ExceptionEntryCheck {
    Valid,
    Empty,   // nothing but blanks and control characters
    Invalid, // mixed or foreign characters, "--", or a syllable without a vowel
};

// Checks an entry as typed (Windows-1251); its surrounding blanks do not count.
ExceptionEntryCheck CheckExceptionEntry(std::string_view entry);

// The same for an entry of `language`, in its code page: a Windows-1252 language takes A–Z and its
// own letters.
ExceptionEntryCheck CheckExceptionEntry(std::string_view entry, Language language);

// Why an entry of `language` is Invalid, as the user is told ("a syllable has no vowel", "letters
// outside Russian", "two hyphens in a row"); empty when it is not.
std::string ExceptionEntryRefusal(std::string_view entry, Language language);

} // namespace cantiva::dictionaries
