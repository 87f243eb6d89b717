#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

namespace cantiva::dictionaries {

// A compiled dictionary cannot be opened where the program needs it: the program closes. The
// message says whether the file is missing or there but unreadable.
class MissingDictionaryError : public std::runtime_error {
public:
    explicit MissingDictionaryError(const std::string& fileName, const std::string& cause = {},
                                    std::filesystem::path folder = {})
        : std::runtime_error(cause.empty()
                                 ? "Cannot find " + fileName + ". Closing"
                                 : "Cannot read " + fileName + " (" + cause + "). Closing"),
          fileName_(fileName), folder_(std::move(folder)) {}
    const std::string& fileName() const { return fileName_; }
    // The folder the file was looked for in (empty when not known).
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::string fileName_;
    std::filesystem::path folder_;
};

// "Looked in /home/ann/.local/share/cantiva": where, as the user can find it.
inline std::string LookedInText(const MissingDictionaryError& error) {
    std::error_code ignored;
    std::filesystem::path folder =
        std::filesystem::absolute(error.folder(), ignored).lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path()) // "/home/ann/." ends in a separator
        folder = folder.parent_path();
    return "Looked in " + folder.string();
}

} // namespace cantiva::dictionaries
