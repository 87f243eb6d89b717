#include "dictionaries/dictionary_state.h"

#include "dictionaries/compilers.h"
#include "dictionaries/dictionary_compile.h"
#include "dictionaries/exceptions_source.h"
#include "dictionaries/missing_dictionary_error.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "text/cp1251.h"

#include <algorithm>
#include <utility>

namespace cantiva::dictionaries {
namespace {

// "Cannot find" only when the file is not there; a file that is there but unreadable says so.
MissingDictionaryError Unopenable(Language l, DictFile kind, const IoError& e,
                                  const std::filesystem::path& folder) {
    if (e.code() == io_code::kFileNotFound)
        return MissingDictionaryError(FileName(l, kind), {}, folder);
    return MissingDictionaryError(FileName(l, kind), IoErrorMessage(e.code()), folder);
}

} // namespace

DictionaryState::DictionaryState(std::filesystem::path folder,
                                 std::chrono::milliseconds compileWait)
    : folder_(std::move(folder)), compileWait_(compileWait) {}

std::filesystem::path DictionaryState::pathOf(Language l, DictFile file) const {
    return folder_ / FileName(l, file);
}

std::filesystem::path DictionaryState::pathOf(DictFile file) const {
    return pathOf(currentLanguage_, file);
}

void DictionaryState::checkStartupFiles() {
    for (DictFile kind : {DictFile::MainCompiled, DictFile::ExceptionsCompiled}) {
        for (Language l : kRequiredLanguages) {
            try {
                CheckReadable(pathOf(l, kind));
            } catch (const IoError& e) {
                startupFailed_ = true;
                throw Unopenable(l, kind, e, folder_);
            }
        }
    }
}

std::optional<std::string> DictionaryState::unopenableFile(Language language) const {
    for (DictFile kind : {DictFile::MainCompiled, DictFile::ExceptionsCompiled}) {
        try {
            CheckReadable(pathOf(language, kind));
        } catch (const IoError&) {
            return FileName(language, kind);
        }
    }
    return std::nullopt;
}

void DictionaryState::openAtStartup() {
    checkStartupFiles();
    currentLanguage_ = Language::Russian;
    loadBoth();
}

void DictionaryState::openLanguage(Language language) {
    currentLanguage_ = language;
    patterns_.clear();
    loadBoth();
}

void DictionaryState::loadMainDictionary() {
    std::string data;
    try {
        data = ReadWholeFile(pathOf(DictFile::MainCompiled));
    } catch (const IoError& e) {
        startupFailed_ = true;
        throw Unopenable(currentLanguage_, DictFile::MainCompiled, e, folder_);
    }
    DecodedRecords decoded = DecodeRecords(data);
    patterns_ = std::move(decoded.records);
    // An empty list is told once per load; a cut one is an error, after its whole records are
    // in place.
    const std::string name = FileName(currentLanguage_, DictFile::MainCompiled);
    if (patterns_.empty() && !decoded.partialTail)
        loadWarning_ = name + " holds no patterns";
    else
        loadWarning_.reset();
    longestPattern_ = 0;
    for (const DictRecord& r : patterns_)
        longestPattern_ =
            std::max(longestPattern_, static_cast<int>(text::TrimView(r.text).size()));
    FillLetterIndex(patterns_, currentLanguage_, letterIndex_[IndexOf(currentLanguage_)]);
    rebuildSearch();
    if (decoded.partialTail)
        throw IoError(io_code::kReadBeyondEnd, pathOf(DictFile::MainCompiled), 0,
                      "Cut short: " + std::to_string(patterns_.size()) + " whole records read");
}

void DictionaryState::loadBoth() {
    std::optional<IoError> cut;
    try {
        loadMainDictionary();
    } catch (const IoError& e) {
        cut = e; // the exceptions are loaded all the same
    }
    loadExceptions();
    if (cut)
        throw *cut;
}

std::optional<std::string> DictionaryState::takeLoadWarning() {
    return std::exchange(loadWarning_, std::nullopt);
}

void DictionaryState::rebuildSearch() {
    search_ = PatternSearch(patterns_, letterIndex_[IndexOf(currentLanguage_)],
                            LanguageInfoOf(currentLanguage_).letterCount);
}

void DictionaryState::loadExceptions() {
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
    patterns_.clear();
    loadBoth();
    return true;
}

void DictionaryState::rebuildExceptions() {
    const int width = CompileDictionary(folder_, currentLanguage_, DictionaryKind::Exceptions,
                                        compileSettings({longestPattern_, true}));
    longestPattern_ = std::max(longestPattern_, width);
    loadExceptions();
}

void DictionaryState::saveExceptions(const std::vector<std::string>& entries,
                                     const std::function<void()>& saved) {
    SaveExceptionsSource(pathOf(DictFile::ExceptionsSource), entries);
    if (saved)
        saved();
    rebuildExceptions();
}

void DictionaryState::rebuildMainDictionary() {
    CompileDictionary(folder_, currentLanguage_, DictionaryKind::Main,
                      compileSettings({longestPattern_, false}));
    patterns_.clear();
    loadMainDictionary();
}

CompileSettings DictionaryState::compileSettings(RecordWidth width) const {
    CompileSettings settings;
    settings.width = width;
    // A compiled file the state has loaded is replaced only while it is there.
    settings.targetMustExist = true;
    settings.lockWait = compileWait_;
    return settings;
}

void DictionaryState::release() {
    if (startupFailed_)
        return;
    patterns_.clear();
    patterns_.shrink_to_fit();
    search_ = PatternSearch();
    exceptions_ = ExceptionDictionary();
}

} // namespace cantiva::dictionaries
