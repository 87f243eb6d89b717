#pragma once

#include "cli/arguments.h"
#include "dictionaries/dictionary_state.h"
#include "dictionaries/language.h"
#include "engine/hyphenation_run.h"
#include "text/utf8_codec.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cantiva::cli {

// How the text on input and output is encoded. Auto reads what a file's bytes say
// (text::DecodeTextFile) and writes UTF-8; a code page named for the language's own dictionary
// code page is taken byte for byte both ways, another is converted on input and written as UTF-8.
enum class Encoding { Auto, Utf8, Cp1251, Cp1252 };

// --encoding: auto, utf-8, cp1251 or cp1252; `fallback` when it is not given.
Encoding EncodingOption(const Arguments& args, std::string_view fallback = "utf-8");
dictionaries::Language LanguageOption(const Arguments& args);
// --dict-dir; without it the current folder, or the user's dictionary folder (brought up to date
// with the shipped dictionaries first) when the current folder holds no dictionary.
std::string DictDirOption(const Arguments& args);

// Whether text in `encoding` is the bytes of `codePage` itself.
bool IsByteExact(Encoding encoding, const text::CodePage& codePage);

// Input that is not text: with Auto, bytes holding a NUL without a UTF-16 byte-order mark.
class NotTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole input: FILE, or standard input when there is none (or it is "-").
std::string ReadInput(const std::optional<std::string>& file);

// Input bytes as the core's text: Unicode is converted (a leading byte-order mark dropped) with
// the characters the code page cannot hold kept aside; the code page's own bytes are taken as
// they are. `inputName` names the input in a NotTextError.
text::CodePageText DecodeInput(std::string bytes, Encoding encoding,
                               const text::CodePage& codePage = text::kWindows1251,
                               std::string_view inputName = "standard input");
// Input bytes as UTF-8 for the notation formats: cp1251 is converted, UTF-8 loses a leading
// byte-order mark. UTF-8 that is not well formed is wrong usage.
std::string DecodeInputAsUtf8(std::string bytes, Encoding encoding);
std::string EncodeOutput(std::string bytes, const std::vector<std::string>& foreign,
                         Encoding encoding, const text::CodePage& codePage = text::kWindows1251);

// Writes all of `bytes` to standard output; throws IoError when it cannot.
void WriteStdout(std::string_view bytes);

// A message of the program's own, on standard error.
void PrintMessage(std::string_view message);

// A failure or warning of the command line itself, "cantiva-cli: " first, on standard error.
void PrintFailure(std::string_view message);

// One warning for the words a run left whole, naming the line of the first.
void PrintLongWordWarning(std::string_view input, const std::vector<engine::LongWord>& words);

// The warning of the dictionary just loaded, if any.
void PrintLoadWarning(dictionaries::DictionaryState& state);

} // namespace cantiva::cli
