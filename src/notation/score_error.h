#pragma once

#include <stdexcept>
#include <string>

namespace cantiva::notation {

// A score that cannot be used, with the message the user reads.
class ScoreError : public std::runtime_error {
public:
    enum class Kind {
        NotMusicXml,
        BrokenArchive,
        TooLarge,
        UnknownEncoding,
        MissingPart,
        MissingVoice,
        VerseTaken,
        NoLyrics,
    };
    ScoreError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

} // namespace cantiva::notation
