#include "notation/score_container.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>
#include <zip.h>

namespace cantiva::notation {
namespace {

constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kContainerName = "META-INF/container.xml";
constexpr std::string_view kMimetypeName = "mimetype";
constexpr std::string_view kMimetype = "application/vnd.recordare.musicxml";
constexpr std::string_view kScoreMediaType = "application/vnd.recordare.musicxml+xml";
constexpr std::string_view kNewScoreEntry = "score.musicxml";

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration |
                                   pugi::parse_doctype | pugi::parse_comments | pugi::parse_pi |
                                   pugi::parse_ws_pcdata;

[[noreturn]] void ThrowBrokenArchive(const std::string& detail) {
    throw ScoreError(ScoreError::Kind::BrokenArchive,
                     "The compressed score is damaged (" + detail + ")");
}

[[noreturn]] void ThrowNotMusicXml(const std::string& detail) {
    throw ScoreError(ScoreError::Kind::NotMusicXml, "Not a MusicXML score: " + detail);
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

std::string ZipErrorText(zip_error_t& error) {
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string ReadEntry(zip_t* archive, zip_uint64_t index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        ThrowBrokenArchive(zip_strerror(archive));
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file)
        ThrowBrokenArchive(zip_strerror(archive));
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, bytes.data(), bytes.size());
    const std::string error = read < 0 ? zip_file_strerror(file) : "";
    zip_fclose(file);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        ThrowBrokenArchive(read < 0 ? error : "an entry ends early");
    return bytes;
}

// The score's name from the container: its first rootfile of the MusicXML media type (or of
// none given).
std::string RootFileName(std::string_view containerXml) {
    pugi::xml_document container;
    if (!container.load_buffer(containerXml.data(), containerXml.size()))
        ThrowBrokenArchive("its container file is not XML");
    for (pugi::xml_node root : container.child("container").child("rootfiles").children()) {
        const pugi::xml_attribute type = root.attribute("media-type");
        if (std::string_view(root.name()) == "rootfile" &&
            (!type || std::string_view(type.value()) == kScoreMediaType))
            return root.attribute("full-path").value();
    }
    ThrowNotMusicXml("the compressed file names no score inside");
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
    std::string out;
};

std::string ContainerXml(std::string_view scoreEntry) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<container>\n  <rootfiles>\n"
                      "    <rootfile full-path=\"";
    out += scoreEntry;
    out += "\" media-type=\"";
    out += kScoreMediaType;
    out += "\"/>\n  </rootfiles>\n</container>\n";
    return out;
}

// Builds an archive in memory: the mimetype entry first and stored, as MusicXML readers expect.
std::string ArchiveBytes(const std::vector<ArchiveEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        throw std::runtime_error("cannot create a compressed score: " + ZipErrorText(error));
    zip_source_keep(buffer);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> bufferOwner(buffer, &zip_source_free);
    Archive archive(zip_open_from_source(buffer, ZIP_TRUNCATE, &error));
    if (!archive)
        throw std::runtime_error("cannot create a compressed score: " + ZipErrorText(error));
    for (const ArchiveEntry& entry : entries) {
        zip_int64_t index = -1;
        if (entry.name.ends_with('/')) {
            index = zip_dir_add(archive.get(), entry.name.c_str(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* data =
                zip_source_buffer(archive.get(), entry.bytes.data(), entry.bytes.size(), 0);
            index = data ? zip_file_add(archive.get(), entry.name.c_str(), data,
                                        ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
                         : -1;
            if (data && index < 0)
                zip_source_free(data);
            if (index >= 0 && entry.name == kMimetypeName)
                zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index),
                                         ZIP_CM_STORE, 0);
        }
        if (index < 0)
            throw std::runtime_error(std::string("cannot write a compressed score: ") +
                                     zip_strerror(archive.get()));
    }
    if (zip_close(archive.get()) != 0)
        throw std::runtime_error(std::string("cannot write a compressed score: ") +
                                 zip_strerror(archive.get()));
    (void)archive.release(); // zip_close freed it

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_open(buffer) != 0 || zip_source_stat(buffer, &stat) != 0)
        throw std::runtime_error("cannot read back a compressed score");
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        throw std::runtime_error("cannot read back a compressed score");
    return bytes;
}

} // namespace

ScoreForm ScoreFormOfName(std::string_view fileName) {
    std::string lower(fileName.substr(fileName.size() >= 4 ? fileName.size() - 4 : 0));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == ".mxl" ? ScoreForm::Compressed : ScoreForm::Plain;
}

ScoreContainer::ScoreContainer(std::string_view bytes) {
    if (bytes.starts_with(kZipSignature)) {
        readArchive(bytes);
        return;
    }
    parseScore(bytes);
}

void ScoreContainer::readArchive(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source)
        ThrowBrokenArchive(ZipErrorText(error));
    Archive archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        zip_source_free(source);
        ThrowBrokenArchive(ZipErrorText(error));
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* name = zip_get_name(archive.get(), index, ZIP_FL_ENC_GUESS);
        if (!name)
            ThrowBrokenArchive(zip_strerror(archive.get()));
        ArchiveEntry entry{name, ""};
        if (!entry.name.ends_with('/'))
            entry.bytes = ReadEntry(archive.get(), index);
        entries_.push_back(std::move(entry));
    }
    const auto container = std::find_if(entries_.begin(), entries_.end(),
                                        [](const auto& e) { return e.name == kContainerName; });
    if (container == entries_.end())
        ThrowNotMusicXml("the compressed file has no " + std::string(kContainerName));
    scoreEntry_ = RootFileName(container->bytes);
    const auto score = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const auto& e) { return e.name == scoreEntry_; });
    if (score == entries_.end())
        ThrowNotMusicXml("the compressed file has no " + scoreEntry_);
    parseScore(score->bytes);
}

void ScoreContainer::parseScore(std::string_view xml) {
    const pugi::xml_parse_result result =
        document_.load_buffer(xml.data(), xml.size(), kParseOptions);
    if (!result) {
        std::ostringstream detail;
        detail << result.description() << " at byte " << result.offset;
        ThrowNotMusicXml(detail.str());
    }
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
    return std::move(writer.out);
}

std::string ScoreContainer::bytes(ScoreForm form) const {
    if (form == ScoreForm::Plain)
        return xml();
    std::vector<ArchiveEntry> entries = entries_;
    if (entries.empty()) {
        entries.push_back({std::string(kMimetypeName), std::string(kMimetype)});
        entries.push_back({"META-INF/", ""});
        entries.push_back({std::string(kContainerName), ContainerXml(kNewScoreEntry)});
        entries.push_back({std::string(kNewScoreEntry), xml()});
        return ArchiveBytes(entries);
    }
    for (ArchiveEntry& entry : entries) {
        if (entry.name == scoreEntry_)
            entry.bytes = xml();
    }
    return ArchiveBytes(entries);
}

} // namespace cantiva::notation
