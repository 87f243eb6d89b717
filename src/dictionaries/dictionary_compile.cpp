#include "dictionaries/dictionary_compile.h"

#include "dictionaries/compilers.h"
#include "io/file_io.h"

#include <algorithm>

namespace cantiva::dictionaries {

int CompiledWidth(std::string_view source, RecordWidth rule) {
    const int width =
        rule.fitLongestLine ? std::max(rule.minimum, LongestTrimmedLine(source)) : rule.minimum;
    return std::min(width, kMaxRecordWidth);
}

int CompileDictionary(const std::filesystem::path& folder, Language language, DictionaryKind kind,
                      const CompileSettings& settings) {
    const bool main = kind == DictionaryKind::Main;
    CompileLock lock(folder, settings.lockWait);
    const std::string source = ReadWholeFile(
        folder / FileName(language, main ? DictFile::MainSource : DictFile::ExceptionsSource));
    const int width = CompiledWidth(source, settings.width);
    const std::vector<DictRecord> records = main ? CompileMainSource(source, language, width)
                                                 : CompileExceptionSource(source, width, language);
    ReplaceOptions options;
    options.temporaryKind = FileName(language, DictFile::Temporary);
    options.targetMustExist = settings.targetMustExist;
    ReplaceFile(
        folder / FileName(language, main ? DictFile::MainCompiled : DictFile::ExceptionsCompiled),
        EncodeRecords(records), options);
    return width;
}

} // namespace cantiva::dictionaries
