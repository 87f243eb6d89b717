#pragma once

#include <stdexcept>
#include <string>

namespace cantiva::dictionaries {

// A compiled dictionary cannot be opened where the program needs it: the program closes. The
// message says whether the file is missing or there but unreadable.
class MissingDictionaryError : public std::runtime_error {
public:
    explicit MissingDictionaryError(const std::string& fileName, const std::string& cause = {})
        : std::runtime_error(cause.empty()
                                 ? "Cannot find " + fileName + ". Closing"
                                 : "Cannot read " + fileName + " (" + cause + "). Closing"),
          fileName_(fileName) {}
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

} // namespace cantiva::dictionaries
