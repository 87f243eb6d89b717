#pragma once

#include "cli/arguments.h"
#include "dictionaries/dictionary_state.h"
#include "dictionaries/language.h"
#include "text/utf8_codec.h"

#include <optional>
#include <string>
#include <string_view>

namespace cantiva::cli {

enum class Encoding { Utf8, Cp1251 };

Encoding EncodingOption(const Arguments& args);
dictionaries::Language LanguageOption(const Arguments& args);
std::string DictDirOption(const Arguments& args);

// The whole input: FILE, or standard input when there is none (or it is "-").
std::string ReadInput(const std::optional<std::string>& file);

// Input bytes as the core's text: UTF-8 is converted (a leading byte-order mark dropped) with
// the characters the code page cannot hold kept aside; cp1251 is taken byte for byte.
text::CodePageText DecodeInput(std::string bytes, Encoding encoding,
                               const text::CodePage& codePage = text::kWindows1251);
// Input bytes as UTF-8 for the notation formats: cp1251 is converted, UTF-8 loses a leading
// byte-order mark. UTF-8 that is not well formed is wrong usage.
std::string DecodeInputAsUtf8(std::string bytes, Encoding encoding);
std::string EncodeOutput(std::string_view bytes, const std::vector<std::string>& foreign,
                         Encoding encoding, const text::CodePage& codePage = text::kWindows1251);

// Writes all of `bytes` to standard output; throws IoError when it cannot.
void WriteStdout(std::string_view bytes);

// A message of the program's own, on standard error.
void PrintMessage(std::string_view message);

// A failure or warning of the command line itself, "cantiva-cli: " first, on standard error.
void PrintFailure(std::string_view message);

// The warning of the dictionary just loaded, if any.
void PrintLoadWarning(dictionaries::DictionaryState& state);

} // namespace cantiva::cli
