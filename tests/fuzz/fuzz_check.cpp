#include "fuzz_check.h"

#include "dictionaries/compilers.h"
#include "dictionaries/dict_record.h"
#include "dictionaries/language.h"
#include "io/file_io.h"
#include "text/cp1251.h"

#include <unistd.h>

namespace cantiva::fuzz {
namespace {

std::filesystem::path MakeFolder(const char* kind) {
    // Memory-backed where there is such a place: targets write files on every input.
    std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::filesystem::path folder =
        base / ("cantiva-fuzz-" + std::string(kind) + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

std::string Kept(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != '-' && !text::IsTrimmable(c))
            kept += c;
    return kept;
}

const std::filesystem::path& ShippedDictionaryFolder() {
    static const std::filesystem::path folder = [] {
        using namespace dictionaries;
        std::filesystem::path out = MakeFolder("shipped");
        const std::filesystem::path sources = CANTIVA_DICTIONARY_SOURCES;
        for (Language l : kAllLanguages) {
            const std::string main = ReadWholeFile(sources / FileName(l, DictFile::MainSource));
            const std::string exceptions =
                ReadWholeFile(sources / FileName(l, DictFile::ExceptionsSource));
            ReplaceFile(out / FileName(l, DictFile::MainCompiled),
                        EncodeRecords(CompileMainSource(
                            main, l, std::min(LongestTrimmedLine(main), kMaxRecordWidth))));
            ReplaceFile(
                out / FileName(l, DictFile::ExceptionsCompiled),
                EncodeRecords(CompileExceptionSource(
                    exceptions, std::min(LongestTrimmedLine(exceptions), kMaxRecordWidth), l)));
        }
        return out;
    }();
    return folder;
}

const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = MakeFolder("scratch");
    return folder;
}

} // namespace cantiva::fuzz
