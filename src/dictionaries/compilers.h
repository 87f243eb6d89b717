#pragma once

#include "dictionaries/dict_record.h"
#include "dictionaries/language.h"

#include <string_view>
#include <vector>

// Turning dictionary sources into compiled records. These are pure: the state decides the width
// and does the file handling.
namespace cantiva::dictionaries {

inline constexpr int kMaxRecordWidth = 32;

// The length of the longest trimmed line of a source.
int LongestTrimmedLine(std::string_view source);

// Main dictionary: every line as it stands, cut at 32, then padded or cut to `width`; the key
// keeps the language's letters, the blank, '.' and '%'.
std::vector<DictRecord> CompileMainSource(std::string_view source, Language language, int width);

// Exceptions: every line trimmed and lower-cased, cut at 32, padded to `width`; the key keeps
// the letters (Cyrillic and codes 65..122; for a Windows-1252 language, its own letters too) and
// the blank.
std::vector<DictRecord> CompileExceptionSource(std::string_view source, int width,
                                               Language language = Language::Russian);

} // namespace cantiva::dictionaries
