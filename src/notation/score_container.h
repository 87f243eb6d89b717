#pragma once

#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A MusicXML score as a file holds it: plain XML (.musicxml, .xml) or a compressed archive
// (.mxl) whose container names the score inside. Reading and writing keep everything the
// lyrics do not touch.
namespace cantiva::notation {

// A score that cannot be used, with the message the user reads.
class ScoreError : public std::runtime_error {
public:
    enum class Kind { NotMusicXml, BrokenArchive, MissingPart, MissingVoice, VerseTaken, NoLyrics };
    ScoreError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

enum class ScoreForm { Plain, Compressed };

// Compressed for a name ending in ".mxl" (any case), else plain.
ScoreForm ScoreFormOfName(std::string_view fileName);

struct ArchiveEntry {
    std::string name;
    std::string bytes;
};

class ScoreContainer {
public:
    // Reads a plain or compressed score (told apart by their bytes). Throws ScoreError.
    explicit ScoreContainer(std::string_view bytes);

    pugi::xml_document& document() { return document_; }
    const pugi::xml_document& document() const { return document_; }

    // The score in the given form. A compressed score read from an archive keeps the archive's
    // other entries and their order; one read from plain XML gets a container of its own.
    std::string bytes(ScoreForm form) const;

private:
    void readArchive(std::string_view bytes);
    void parseScore(std::string_view xml);
    std::string xml() const;

    pugi::xml_document document_;
    std::vector<ArchiveEntry> entries_; // the archive read, empty for plain XML
    std::string scoreEntry_;            // the name of the score inside the archive
};

} // namespace cantiva::notation
