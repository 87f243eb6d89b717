#include "dictionaries/dictionary_state.h"

#include "dictionaries/compilers.h"
#include "dictionaries/missing_dictionary.h"
#include "text/cp1251.h"
#include "text/file_io.h"
#include "text/io_error.h"

#include <algorithm>

namespace cantiva::dictionaries {

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
            } catch (const IoError&) {
                startupFailed = true;
                throw MissingDictionaryError(FileName(l, kind));
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
    } catch (const IoError&) {
        startupFailed = true;
        throw MissingDictionaryError(FileName(currentLanguage_, DictFile::MainCompiled));
    }
    DecodedRecords decoded = DecodeRecords(data);
    patternList_ = std::move(decoded.records);
    if (decoded.partialTail) {
        // The read stops at the broken record: the list keeps what was read, the width and the
        // index are not recomputed.
        rebuildSearch();
        throw IoError(io_code::kReadBeyondEnd);
    }
    patternMaxLen_ = 0;
    for (const DictRecord& r : patternList_)
        patternMaxLen_ = std::max(patternMaxLen_, static_cast<int>(text::TrimView(r.text).size()));
    FillLetterIndex(patternList_, currentLanguage_, letterIndex_[IndexOf(currentLanguage_)]);
    rebuildSearch();
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
    std::string source = ReadWholeFile(pathOf(DictFile::ExceptionsSource));
    int width = std::min(std::max(patternMaxLen_, LongestTrimmedLine(source)), kMaxRecordWidth);
    std::string bytes = EncodeRecords(CompileExceptionSource(source, width));
    std::filesystem::path temp = pathOf(DictFile::Temporary);
    std::filesystem::path target = pathOf(DictFile::ExceptionsCompiled);
    WriteFileDurably(temp, bytes);
    CheckReadable(target);
    RenameFile(temp, target);
    patternMaxLen_ = std::max(patternMaxLen_, width);
    createXWordList();
}

void DictionaryState::rebuildMainDictionary() {
    std::string source = ReadWholeFile(pathOf(DictFile::MainSource));
    int width = std::min(patternMaxLen_, kMaxRecordWidth);
    std::string bytes = EncodeRecords(CompileMainSource(source, currentLanguage_, width));
    std::filesystem::path temp = pathOf(DictFile::Temporary);
    std::filesystem::path target = pathOf(DictFile::MainCompiled);
    WriteFileDurably(temp, bytes);
    CheckReadable(target); // a missing old file stops here; the new one stays in ".pt0"
    RenameFile(temp, target);
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
