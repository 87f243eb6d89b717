#include "dictionaries/dictionary_folders.h"

#include "dictionaries/language.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace cantiva::dictionaries {

std::filesystem::path UserDictionaryFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "cantiva";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "") / ".local/share/cantiva";
}

std::optional<std::filesystem::path>
ShippedDictionaryFolder(const std::filesystem::path& programFolder,
                        std::string_view relativeToProgram) {
    const char* named = std::getenv("CANTIVA_SHIPPED_DICTIONARIES");
    if (named != nullptr && named[0] != '\0')
        return std::filesystem::path(named);
    const std::filesystem::path installed = (programFolder / relativeToProgram).lexically_normal();
    std::error_code error;
    if (!relativeToProgram.empty() && std::filesystem::is_directory(installed, error))
        return installed;
    return std::nullopt;
}

bool HoldsDictionaries(const std::filesystem::path& folder) {
    std::error_code error;
    for (Language l : kAllLanguages)
        for (DictFile kind : {DictFile::MainCompiled, DictFile::MainSource,
                              DictFile::ExceptionsCompiled, DictFile::ExceptionsSource})
            if (std::filesystem::exists(folder / FileName(l, kind), error))
                return true;
    return false;
}

} // namespace cantiva::dictionaries
