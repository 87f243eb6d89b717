#include "notation/score_container.h"

#include "notation/score_archive.h"
#include "notation/score_encoding.h"
#include "text/utf8_codec.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace cantiva::notation {
namespace {

constexpr std::string_view kZipSignature = "PK\x03\x04";

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration |
                                   pugi::parse_doctype | pugi::parse_comments | pugi::parse_pi |
                                   pugi::parse_ws_pcdata;

[[noreturn]] void ThrowNotMusicXml(const std::string& detail) {
    throw ScoreError(ScoreError::Kind::NotMusicXml, "Not a MusicXML score: " + detail);
}

std::string ParseFailure(const pugi::xml_parse_result& result) {
    std::ostringstream detail;
    detail << result.description() << " at byte " << result.offset;
    return detail.str();
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
    std::string out;
};

// What is written must read again: a score declared UTF-8 whose bytes are not, or anything the
// reader let through that it would not take back, stops here rather than in the user's file.
void CheckWellFormed(const std::string& xml) {
    if (!text::IsValidUtf8(xml))
        ThrowNotMusicXml("its text is not UTF-8, as it declares; name its encoding in its "
                         "XML declaration");
    pugi::xml_document reread;
    const pugi::xml_parse_result result =
        reread.load_buffer(xml.data(), xml.size(), kParseOptions, pugi::encoding_utf8);
    if (!result)
        throw ScoreError(ScoreError::Kind::NotMusicXml,
                         "The laid score would not be well-formed XML (" + ParseFailure(result) +
                             "); nothing was written");
}

} // namespace

ScoreForm ScoreFormOfName(std::string_view fileName) {
    std::string lower(fileName.substr(fileName.size() >= 4 ? fileName.size() - 4 : 0));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == ".mxl" ? ScoreForm::Compressed : ScoreForm::Plain;
}

ScoreContainer::ScoreContainer(std::string_view bytes) {
    if (!bytes.starts_with(kZipSignature)) {
        parseScore(bytes);
        return;
    }
    ArchivedScore score = ReadArchivedScore(bytes);
    parseScore(score.xml);
    scoreEntry_ = std::move(score.entry);
    archive_ = std::string(bytes);
}

void ScoreContainer::parseScore(std::string_view xml) {
    const std::optional<std::string> converted = ScoreAsUtf8(xml);
    const std::string_view text = converted ? std::string_view(*converted) : xml;
    const pugi::xml_parse_result result =
        converted
            ? document_.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8)
            : document_.load_buffer(text.data(), text.size(), kParseOptions);
    if (!result)
        ThrowNotMusicXml(ParseFailure(result));
    const std::string_view root = document_.document_element().name();
    if (root == "score-timewise")
        ThrowNotMusicXml("the score is timewise; save it partwise to lay lyrics on it");
    if (root != "score-partwise")
        ThrowNotMusicXml("its root element is <" + std::string(root) + ">, not <score-partwise>");
    // The document is written back as UTF-8 whatever it was read in.
    for (pugi::xml_node node : document_.children()) {
        pugi::xml_attribute encoding = node.attribute("encoding");
        if (node.type() == pugi::node_declaration && encoding)
            encoding.set_value("UTF-8");
    }
}

std::string ScoreContainer::xml() const {
    // The reader keeps no blanks outside the root element, so the declaration, document type,
    // root and any comments around them each get a line of their own again.
    StringWriter writer;
    for (pugi::xml_node node : document_.children()) {
        node.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
        writer.out += '\n';
    }
    CheckWellFormed(writer.out);
    return std::move(writer.out);
}

std::string ScoreContainer::bytes(ScoreForm form) const {
    if (form == ScoreForm::Plain)
        return xml();
    if (archive_.empty())
        return NewScoreArchive(xml());
    return ReplaceArchivedScore(archive_, scoreEntry_, xml());
}

} // namespace cantiva::notation
