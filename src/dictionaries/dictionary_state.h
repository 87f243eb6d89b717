#pragma once

#include "dictionaries/compile_lock.h"
#include "dictionaries/dict_record.h"
#include "dictionaries/dictionary_compile.h"
#include "dictionaries/exception_dictionary.h"
#include "dictionaries/language.h"
#include "dictionaries/letter_index.h"
#include "dictionaries/pattern_search.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cantiva::dictionaries {

// The program-wide dictionary state: the current language, the loaded main dictionary with its
// letter index tables and search index, and the loaded exceptions. The main window owns one; the
// command-line front end makes its own.
//
// Files are found by their bare names in `folder` (the window passes the current directory).
// Failures: MissingDictionaryError when a compiled main dictionary cannot be opened (the program
// closes), IoError for every other file failure.
class DictionaryState {
public:
    // Both compiles wait up to `compileWait` for another compile of the folder.
    explicit DictionaryState(std::filesystem::path folder = ".",
                             std::chrono::milliseconds compileWait = CompileLock::kDefaultWait);

    // The start-up check: every ".PT", then every ".XCD", of the required languages in language
    // order. Throws MissingDictionaryError naming the first file that cannot be opened (and
    // startupFailed() is true from then on, as after any main dictionary that cannot be opened).
    void checkStartupFiles();

    // The first compiled file of `language` (".PT", then ".XCD") that cannot be opened; nothing
    // when both can. A language other than the required ones is offered only when both can.
    std::optional<std::string> unopenableFile(Language language) const;

    // Start-up: the check, then Russian loaded (patterns, then exceptions).
    void openAtStartup();

    // Loads one language's two files without the start-up check (for batch use).
    void openLanguage(Language language);

    // Loads the ".PT" of the current language into the pattern list and fills its letter index.
    // An empty file leaves a warning; one cut inside a record loads its whole records and then
    // throws IoError (Read beyond end of file) naming it. Opening, switching and starting up
    // load the exceptions before that error is passed on.
    void loadMainDictionary();
    // The warning of the last load of a main dictionary, once.
    std::optional<std::string> takeLoadWarning();
    // Loads the ".XCD" of the current language; a file that cannot be opened leaves the list
    // empty, makes lookups fail with its code and throws IoError.
    void loadExceptions();

    // Switches to `language`, reloading both files; returns false (and loads nothing) when it is
    // already current.
    bool switchLanguage(Language language);

    // Compiles the current language's ".XCP" into its ".XCD" and reloads it. The width is the
    // larger of longestPattern and the longest trimmed source line, at most 32; longestPattern
    // keeps it. On failure nothing loaded changes and the old ".XCD" stays.
    void rebuildExceptions();

    // The exceptions editor's "Save": the entries become the current language's ".XCP" (replaced
    // whole), `saved` runs, then the source is compiled and reloaded as by rebuildExceptions().
    // A failed save compiles nothing.
    void saveExceptions(const std::vector<std::string>& entries,
                        const std::function<void()>& saved = {});

    // Compiles the current language's ".TXT" into its ".PT" at width longestPattern (at most 32)
    // and reloads it. On failure nothing loaded changes and the old ".PT" stays.
    // Both compiles wait their turn (the constructor's `compileWait`), then throw
    // DictionaryBusyError.
    void rebuildMainDictionary();

    // The dictionary state is released (nothing when start-up failed).
    void release();

    Language currentLanguage() const { return currentLanguage_; }
    const std::vector<DictRecord>& patterns() const { return patterns_; }
    const LetterIndexTable& letterIndex(Language l) const { return letterIndex_[IndexOf(l)]; }
    int longestPattern() const { return longestPattern_; }
    const PatternSearch& patternSearch() const { return search_; }
    const ExceptionDictionary& exceptions() const { return exceptions_; }
    const std::vector<std::string>& exceptionTexts() const { return exceptions_.texts(); }

    // A compiled main dictionary could not be opened: the program closes.
    bool startupFailed() const { return startupFailed_; }

    std::filesystem::path pathOf(DictFile file) const;
    std::filesystem::path pathOf(Language l, DictFile file) const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    void rebuildSearch();
    CompileSettings compileSettings(RecordWidth width) const;

    std::filesystem::path folder_;
    Language currentLanguage_ = Language::Russian;
    std::vector<DictRecord> patterns_;
    std::array<LetterIndexTable, kAllLanguages.size()> letterIndex_{};
    int longestPattern_ = 0;
    PatternSearch search_;
    ExceptionDictionary exceptions_;
    std::optional<std::string> loadWarning_;
    std::chrono::milliseconds compileWait_;
    bool startupFailed_ = false;

    void loadBoth();
};

} // namespace cantiva::dictionaries
