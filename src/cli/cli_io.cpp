#include "cli/cli_io.h"

#include "dictionaries/dictionary_folders.h"
#include "dictionaries/shipped_updates.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "text/text_encoding.h"

#include <filesystem>
#include <iostream>
#include <iterator>
#include <unistd.h>

namespace cantiva::cli {

Encoding EncodingOption(const Arguments& args, std::string_view fallback) {
    std::string e = args.valueOr("--encoding", std::string(fallback));
    if (e == "auto")
        return Encoding::Auto;
    if (e == "utf-8")
        return Encoding::Utf8;
    if (e == "cp1251")
        return Encoding::Cp1251;
    if (e == "cp1252")
        return Encoding::Cp1252;
    throw UsageError("unknown encoding " + e);
}

bool IsByteExact(Encoding encoding, const text::CodePage& codePage) {
    return (encoding == Encoding::Cp1251 && codePage.name() == text::kWindows1251.name()) ||
           (encoding == Encoding::Cp1252 && codePage.name() == text::kWindows1252.name());
}

dictionaries::Language LanguageOption(const Arguments& args) {
    std::string name = args.valueOr("--lang", "ru");
    if (auto l = dictionaries::LanguageFromCliName(name))
        return *l;
    throw UsageError("unknown language " + name);
}

std::string DictDirOption(const Arguments& args) {
    if (std::optional<std::string> named = args.value("--dict-dir"))
        return *named;
    if (dictionaries::HoldsDictionaries("."))
        return ".";
    const std::filesystem::path user = dictionaries::UserDictionaryFolder();
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (const auto shipped = dictionaries::ShippedDictionaryFolder(program.parent_path(),
                                                                   CANTIVA_SHIPPED_RELATIVE)) {
        try {
            const auto report = dictionaries::UpdateFromShipped(*shipped, user);
            const std::string newer = dictionaries::NewerShippedNotice(report, user);
            if (!newer.empty())
                PrintMessage(newer);
        } catch (const IoError& e) {
            // The folder is used with what it holds; a missing file is told when it is needed.
            PrintFailure(DescribeIoError(e));
        }
    }
    return user.string();
}

std::string ReadInput(const std::optional<std::string>& file) {
    if (file && *file != "-")
        return ReadWholeFile(*file);
    return ReadAll(STDIN_FILENO);
}

text::CodePageText DecodeInput(std::string bytes, Encoding encoding, const text::CodePage& codePage,
                               std::string_view inputName) {
    if (IsByteExact(encoding, codePage))
        return {std::move(bytes), {}};
    switch (encoding) {
    case Encoding::Auto: {
        const std::optional<text::DecodedText> decoded = text::DecodeTextFile(bytes, codePage);
        if (!decoded)
            throw NotTextError(std::string(inputName) +
                               " is not a text file: it holds NUL bytes and is not UTF-16");
        return text::Utf8ToCodePage(decoded->utf8, codePage);
    }
    case Encoding::Cp1251:
        return text::Utf8ToCodePage(text::DecodeTextAs(bytes, text::TextEncoding::Windows1251).utf8,
                                    codePage);
    case Encoding::Cp1252:
        return text::Utf8ToCodePage(text::DecodeTextAs(bytes, text::TextEncoding::Windows1252).utf8,
                                    codePage);
    case Encoding::Utf8:
        break;
    }
    std::string_view utf8 = bytes;
    if (utf8.starts_with(text::kUtf8Bom))
        utf8.remove_prefix(text::kUtf8Bom.size());
    return text::Utf8ToCodePage(utf8, codePage);
}

std::string DecodeInputAsUtf8(std::string bytes, Encoding encoding) {
    if (encoding == Encoding::Cp1251)
        return text::Cp1251ToUtf8(bytes);
    if (encoding == Encoding::Cp1252)
        return text::DecodeTextAs(bytes, text::TextEncoding::Windows1252).utf8;
    if (encoding == Encoding::Auto) {
        std::optional<text::DecodedText> decoded = text::DecodeTextFile(bytes, text::kWindows1251);
        if (!decoded)
            throw NotTextError(
                "the input is not a text file: it holds NUL bytes and is not UTF-16");
        return std::move(decoded->utf8);
    }
    if (std::string_view(bytes).starts_with(text::kUtf8Bom))
        bytes.erase(0, text::kUtf8Bom.size());
    if (!text::IsValidUtf8(bytes))
        throw UsageError("the input is not UTF-8; name its encoding with --encoding cp1251");
    return bytes;
}

std::string EncodeOutput(std::string bytes, const std::vector<std::string>& foreign,
                         Encoding encoding, const text::CodePage& codePage) {
    if (IsByteExact(encoding, codePage))
        return bytes;
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

void PrintLongWordWarning(std::string_view input, const std::vector<engine::LongWord>& words) {
    if (!words.empty())
        PrintFailure(engine::LongWordWarning(input, words));
}

void PrintLoadWarning(dictionaries::DictionaryState& state) {
    if (std::optional<std::string> warning = state.takeLoadWarning())
        PrintFailure(*warning);
}

} // namespace cantiva::cli
