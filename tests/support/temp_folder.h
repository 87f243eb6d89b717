#pragma once

#include "dictionaries/dict_record.h"
#include "dictionaries/language.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cantiva::test_support {

// A fresh folder under the system's temporary directory, removed with its contents at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // The names in the folder, sorted.
    std::vector<std::string> names() const;
    // The names of temporary files of either kind (".pt0", ".part") in the folder.
    std::vector<std::string> temporaries() const;

    // Writes the compiled records of a dictionary file.
    void writeRecords(std::string_view name,
                      const std::vector<dictionaries::DictRecord>& records) const;

    // Compiled main and exceptions files for all four languages: main dictionaries compiled from
    // the given sources (an empty source gives an empty file), exceptions from `exceptions`.
    void writeDictionaries(std::string_view russianPatterns = "", std::string_view exceptions = "",
                           std::string_view englishPatterns = "",
                           std::string_view latinPatterns = "",
                           std::string_view americanPatterns = "") const;

private:
    std::filesystem::path path_;
};

// A main dictionary source from "%"-separated sections: `sections[0]` the '.' section, then one
// per index letter (missing ones are empty). Lines are joined by CR LF.
std::string MainSource(dictionaries::Language language, const std::vector<std::string>& sections);

// The main source holding `utf8Patterns` (such as "a1e", ".мо1", "1ко") in the language's code
// page, each in the section of its first letter.
std::string MainSourceOf(dictionaries::Language language,
                         const std::vector<std::string>& utf8Patterns);

} // namespace cantiva::test_support
