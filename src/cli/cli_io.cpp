#include "cli/cli_io.h"

#include "io/file_io.h"
#include "io/io_error.h"

#include <iostream>
#include <iterator>
#include <unistd.h>

namespace cantiva::cli {

Encoding EncodingOption(const Arguments& args) {
    std::string e = args.valueOr("--encoding", "utf-8");
    if (e == "utf-8")
        return Encoding::Utf8;
    if (e == "cp1251")
        return Encoding::Cp1251;
    throw UsageError("unknown encoding " + e);
}

dictionaries::Language LanguageOption(const Arguments& args) {
    std::string name = args.valueOr("--lang", "ru");
    if (auto l = dictionaries::LanguageFromCliName(name))
        return *l;
    throw UsageError("unknown language " + name);
}

std::string DictDirOption(const Arguments& args) {
    return args.valueOr("--dict-dir", ".");
}

std::string ReadInput(const std::optional<std::string>& file) {
    if (file && *file != "-")
        return ReadWholeFile(*file);
    return ReadAll(STDIN_FILENO);
}

text::CodePageText DecodeInput(std::string bytes, Encoding encoding,
                               const text::CodePage& codePage) {
    if (encoding == Encoding::Cp1251)
        return {std::move(bytes), {}};
    std::string_view utf8 = bytes;
    if (utf8.starts_with(text::kUtf8Bom))
        utf8.remove_prefix(text::kUtf8Bom.size());
    return text::Utf8ToCodePage(utf8, codePage);
}

std::string DecodeInputAsUtf8(std::string bytes, Encoding encoding) {
    if (encoding == Encoding::Cp1251)
        return text::Cp1251ToUtf8(bytes);
    if (std::string_view(bytes).starts_with(text::kUtf8Bom))
        bytes.erase(0, text::kUtf8Bom.size());
    if (!text::IsValidUtf8(bytes))
        throw UsageError("the input is not UTF-8; name its encoding with --encoding cp1251");
    return bytes;
}

std::string EncodeOutput(std::string_view bytes, const std::vector<std::string>& foreign,
                         Encoding encoding, const text::CodePage& codePage) {
    if (encoding == Encoding::Cp1251)
        return std::string(bytes);
    return text::CodePageToUtf8(bytes, foreign, codePage);
}

void WriteStdout(std::string_view bytes) {
    WriteAll(STDOUT_FILENO, bytes, "standard output");
}

void PrintMessage(std::string_view message) {
    std::cerr << message << '\n';
}

void PrintFailure(std::string_view message) {
    std::cerr << "cantiva-cli: " << message << '\n';
}

void PrintLoadWarning(dictionaries::DictionaryState& state) {
    if (std::optional<std::string> warning = state.takeLoadWarning())
        PrintFailure(*warning);
}

} // namespace cantiva::cli
