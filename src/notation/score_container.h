#pragma once

#include "notation/score_error.h"

#include <pugixml.hpp>
#include <string>
#include <string_view>

// A MusicXML score as a file holds it: plain XML (.musicxml, .xml) or a compressed archive
// (.mxl) whose container names the score inside. Reading and writing keep everything the
// lyrics do not touch.
namespace cantiva::notation {

enum class ScoreForm { Plain, Compressed };

// Compressed for a name ending in ".mxl" (any case), else plain.
ScoreForm ScoreFormOfName(std::string_view fileName);

class ScoreContainer {
public:
    // Reads a plain or compressed score (told apart by their bytes); a plain one declared in an
    // encoding other than UTF-8 or UTF-16 is converted. Throws ScoreError.
    explicit ScoreContainer(std::string_view bytes);

    pugi::xml_document& document() { return document_; }
    const pugi::xml_document& document() const { return document_; }

    // The score in the given form. A compressed score read from an archive keeps the archive's
    // other entries, compressed as they were, and their order; one read from plain XML gets a
    // container of its own. The XML is read back before it is given out: a score that would not
    // be well-formed UTF-8 XML throws ScoreError.
    std::string bytes(ScoreForm form) const;

private:
    void parseScore(std::string_view xml);
    std::string xml() const;

    pugi::xml_document document_;
    std::string archive_;    // the archive read, empty for plain XML
    std::string scoreEntry_; // the name of the score inside the archive
};

} // namespace cantiva::notation
