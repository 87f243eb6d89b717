#pragma once

#include <stdexcept>
#include <string>

namespace cantiva::dictionaries {

// A compiled dictionary cannot be opened where the program needs it: the program closes.
class MissingDictionaryError : public std::runtime_error {
public:
    explicit MissingDictionaryError(const std::string& fileName)
        : std::runtime_error("Cannot find " + fileName + ". Closing"), fileName_(fileName) {}
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

} // namespace cantiva::dictionaries
