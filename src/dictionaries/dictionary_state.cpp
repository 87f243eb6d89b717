#include "dictionaries/dictionary_state.h"

#include "dictionaries/compile_lock.h"
#include "dictionaries/compilers.h"
#include "dictionaries/missing_dictionary.h"
#include "text/cp1251.h"
#include "text/file_io.h"
#include "text/io_error.h"

#include <algorithm>
#include <utility>

namespace cantiva::dictionaries {
namespace {

// "Cannot find" only when the file is not there; a file that is there but unreadable says so.
MissingDictionaryError Unopenable(Language l, DictFile kind, const IoError& e) {
    if (e.code() == io_code::kFileNotFound)
        return MissingDictionaryError(FileName(l, kind));
    return MissingDictionaryError(FileName(l, kind), IoErrorMessage(e.code()));
}

// Compiled files are replaced whole, through a fresh temporary of the ".pt0" kind, and only
// while the old one is there.
void ReplaceCompiledFile(const std::filesystem::path& target, std::string_view bytes,
                         Language language) {
    ReplaceOptions options;
    options.temporaryKind = FileName(language, DictFile::Temporary);
    options.targetMustExist = true;
    ReplaceFile(target, bytes, options);
}

} // namespace

DictionaryState::DictionaryState(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path DictionaryState::pathOf(Language l, DictFile file) const {
    return folder_ / FileName(l, file);
}

std::filesystem::path DictionaryState::pathOf(DictFile file) const {
    return pathOf(currentLanguage_, file);
}

void DictionaryState::checkStartupFiles() {
    for (DictFile kind : {DictFile::MainCompiled, DictFile::ExceptionsCompiled}) {
        for (Language l : kAllLanguages) {
            try {
                CheckReadable(pathOf(l, kind));
            } catch (const IoError& e) {
                startupFailed = true;
                throw Unopenable(l, kind, e);
            }
        }
    }
}

void DictionaryState::open() {
    checkStartupFiles();
    currentLanguage_ = Language::Russian;
    createPatList();
    createXWordList();
}

void DictionaryState::openLanguage(Language language) {
    currentLanguage_ = language;
    patternList_.clear();
    createPatList();
    createXWordList();
}

void DictionaryState::createPatList() {
    std::string data;
    try {
        data = ReadWholeFile(pathOf(DictFile::MainCompiled));
    } catch (const IoError& e) {
        startupFailed = true;
        throw Unopenable(currentLanguage_, DictFile::MainCompiled, e);
    }
    DecodedRecords decoded = DecodeRecords(data);
    patternList_ = std::move(decoded.records);
    // Words are still divided with what was read; the user is told once per load.
    const std::string name = FileName(currentLanguage_, DictFile::MainCompiled);
    if (decoded.partialTail)
        loadWarning_ =
            name + " is cut short: " + std::to_string(patternList_.size()) + " whole records read";
    else if (patternList_.empty())
        loadWarning_ = name + " holds no patterns";
    else
        loadWarning_.reset();
    patternMaxLen_ = 0;
    for (const DictRecord& r : patternList_)
        patternMaxLen_ = std::max(patternMaxLen_, static_cast<int>(text::TrimView(r.text).size()));
    FillLetterIndex(patternList_, currentLanguage_, letterIndex_[IndexOf(currentLanguage_)]);
    rebuildSearch();
}

std::optional<std::string> DictionaryState::takeLoadWarning() {
    return std::exchange(loadWarning_, std::nullopt);
}

void DictionaryState::rebuildSearch() {
    search_ = PatternSearch(patternList_, letterIndex_[IndexOf(currentLanguage_)],
                            Info(currentLanguage_).letterCount);
}

void DictionaryState::createXWordList() {
    std::string data;
    try {
        data = ReadWholeFile(pathOf(DictFile::ExceptionsCompiled));
    } catch (const IoError& e) {
        exceptions_ = ExceptionDictionary::Unavailable(e.code());
        throw;
    }
    DecodedRecords decoded = DecodeRecords(data);
    bool partial = decoded.partialTail;
    exceptions_ = ExceptionDictionary(std::move(decoded));
    if (partial)
        throw IoError(io_code::kReadBeyondEnd);
}

bool DictionaryState::switchLanguage(Language language) {
    if (language == currentLanguage_)
        return false;
    currentLanguage_ = language;
    patternList_.clear();
    createPatList();
    createXWordList();
    return true;
}

void DictionaryState::compileExceptions() {
    CompileLock lock(folder_, compileWait);
    std::string source = ReadWholeFile(pathOf(DictFile::ExceptionsSource));
    int width = std::min(std::max(patternMaxLen_, LongestTrimmedLine(source)), kMaxRecordWidth);
    std::string bytes = EncodeRecords(CompileExceptionSource(source, width));
    ReplaceCompiledFile(pathOf(DictFile::ExceptionsCompiled), bytes, currentLanguage_);
    patternMaxLen_ = std::max(patternMaxLen_, width);
    createXWordList();
}

void DictionaryState::rebuildMainDictionary() {
    CompileLock lock(folder_, compileWait);
    std::string source = ReadWholeFile(pathOf(DictFile::MainSource));
    int width = std::min(patternMaxLen_, kMaxRecordWidth);
    std::string bytes = EncodeRecords(CompileMainSource(source, currentLanguage_, width));
    ReplaceCompiledFile(pathOf(DictFile::MainCompiled), bytes, currentLanguage_);
    patternList_.clear();
    createPatList();
}

void DictionaryState::release() {
    if (startupFailed)
        return;
    patternList_.clear();
    patternList_.shrink_to_fit();
    search_ = PatternSearch();
    exceptions_ = ExceptionDictionary();
}

} // namespace cantiva::dictionaries
