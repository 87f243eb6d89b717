#include "notation/score_archive.h"

#include "notation/score_error.h"

#include <algorithm>
#include <memory>
#include <pugixml.hpp>
#include <vector>
#include <zip.h>

namespace cantiva::notation {
namespace {

constexpr std::string_view kContainerName = "META-INF/container.xml";
constexpr std::string_view kMimetypeName = "mimetype";
constexpr std::string_view kMimetype = "application/vnd.recordare.musicxml";
constexpr std::string_view kScoreMediaType = "application/vnd.recordare.musicxml+xml";
constexpr std::string_view kNewScoreEntry = "score.musicxml";
constexpr std::size_t kReadChunk = std::size_t{1} << 16;

[[noreturn]] void ThrowBrokenArchive(const std::string& detail) {
    throw ScoreError(ScoreError::Kind::BrokenArchive,
                     "The compressed score is damaged (" + detail + ")");
}

[[noreturn]] void ThrowNotMusicXml(const std::string& detail) {
    throw ScoreError(ScoreError::Kind::NotMusicXml, "Not a MusicXML score: " + detail);
}

[[noreturn]] void ThrowTooLarge(const std::string& entry) {
    throw ScoreError(ScoreError::Kind::TooLarge,
                     "The compressed score is too large (" + entry + " unpacks to more than " +
                         std::to_string(kMaxUnpackedEntry >> 20) + " MB)");
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using SourceOwner = std::unique_ptr<zip_source_t, decltype(&zip_source_free)>;

std::string ZipErrorText(zip_error_t& error) {
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// The archive over `bytes`, which must outlive it. A failure to open is `fail`'s to report.
template <class Fail> Archive OpenArchive(std::string_view bytes, int flags, Fail fail) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source)
        fail(ZipErrorText(error));
    Archive archive(zip_open_from_source(source, flags, &error));
    if (!archive) {
        zip_source_free(source);
        fail(ZipErrorText(error));
    }
    return archive;
}

// Every entry's declared size is checked before anything is unpacked, so an archive whose
// other entries are huge is refused as a whole instead of being copied back.
void CheckDeclaredSizes(zip_t* archive) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            ThrowBrokenArchive(zip_strerror(archive));
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > kMaxUnpackedEntry)
            ThrowTooLarge((stat.valid & ZIP_STAT_NAME) ? stat.name : "an entry");
    }
}

// The entry unpacked, never past the limit whatever its header says.
std::string ReadEntry(zip_t* archive, zip_int64_t index, const std::string& name) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        ThrowBrokenArchive(zip_strerror(archive));
    if (stat.size > kMaxUnpackedEntry)
        ThrowTooLarge(name);
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
        zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0), &zip_fclose);
    if (!file)
        ThrowBrokenArchive(zip_strerror(archive));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(stat.size));
    for (;;) {
        const std::size_t done = bytes.size();
        bytes.resize(done + kReadChunk);
        const zip_int64_t read = zip_fread(file.get(), bytes.data() + done, kReadChunk);
        if (read < 0)
            ThrowBrokenArchive(zip_file_strerror(file.get()));
        bytes.resize(done + static_cast<std::size_t>(read));
        if (bytes.size() > kMaxUnpackedEntry)
            ThrowTooLarge(name);
        if (read == 0)
            break;
    }
    if (bytes.size() != stat.size)
        ThrowBrokenArchive(bytes.size() < stat.size ? "an entry ends early"
                                                    : "an entry is longer than its header says");
    return bytes;
}

std::string ReadNamedEntry(zip_t* archive, const std::string& name) {
    const zip_int64_t index = zip_name_locate(archive, name.c_str(), 0);
    if (index < 0)
        ThrowNotMusicXml("the compressed file has no " + name);
    return ReadEntry(archive, index, name);
}

// A name that an unpacking program would put outside the archive's folder.
bool NamesOutside(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\' ||
        (name.size() >= 2 && name[1] == ':'))
        return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..")
            return true;
        start = end + 1;
    }
    return false;
}

// The score's name from the container: its first rootfile of the MusicXML media type (or of
// none given).
std::string RootFileName(std::string_view containerXml) {
    pugi::xml_document container;
    if (!container.load_buffer(containerXml.data(), containerXml.size()))
        ThrowBrokenArchive("its container file is not XML");
    for (pugi::xml_node root : container.child("container").child("rootfiles").children()) {
        const pugi::xml_attribute type = root.attribute("media-type");
        if (std::string_view(root.name()) != "rootfile" ||
            (type && std::string_view(type.value()) != kScoreMediaType))
            continue;
        const std::string name = root.attribute("full-path").value();
        if (NamesOutside(name))
            ThrowBrokenArchive("its container names the score " + name +
                               ", outside the compressed file");
        return name;
    }
    ThrowNotMusicXml("the compressed file names no score inside");
}

// What an archive written into `buffer` holds once it is closed.
std::string BufferBytes(zip_source_t* buffer) {
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

[[noreturn]] void ThrowWriteFailure(zip_t* archive) {
    throw std::runtime_error(std::string("cannot write a compressed score: ") +
                             zip_strerror(archive));
}

void CloseInto(Archive& archive) {
    if (zip_close(archive.get()) != 0)
        ThrowWriteFailure(archive.get());
    (void)archive.release(); // zip_close freed it
}

zip_int64_t AddBytes(zip_t* archive, std::string_view name, std::string_view bytes) {
    zip_source_t* data = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    const zip_int64_t index =
        data ? zip_file_add(archive, std::string(name).c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
    if (data && index < 0)
        zip_source_free(data);
    if (index < 0)
        ThrowWriteFailure(archive);
    return index;
}

std::string ContainerXml(std::string_view scoreEntry) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<container>\n  <rootfiles>\n"
                      "    <rootfile full-path=\"";
    out += scoreEntry;
    out += "\" media-type=\"";
    out += kScoreMediaType;
    out += "\"/>\n  </rootfiles>\n</container>\n";
    return out;
}

} // namespace

ArchivedScore ReadArchivedScore(std::string_view bytes) {
    Archive archive = OpenArchive(bytes, ZIP_RDONLY | ZIP_CHECKCONS,
                                  [](const std::string& detail) { ThrowBrokenArchive(detail); });
    CheckDeclaredSizes(archive.get());
    ArchivedScore score;
    score.entry = RootFileName(ReadNamedEntry(archive.get(), std::string(kContainerName)));
    score.xml = ReadNamedEntry(archive.get(), score.entry);
    return score;
}

std::string ReplaceArchivedScore(std::string_view bytes, const std::string& scoreEntry,
                                 std::string_view xml) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!buffer)
        throw std::runtime_error("cannot write a compressed score: " + ZipErrorText(error));
    zip_source_keep(buffer);
    SourceOwner bufferOwner(buffer, &zip_source_free);
    // Entries left unchanged are copied by the library as they are, still compressed.
    Archive archive(zip_open_from_source(buffer, 0, &error));
    if (!archive)
        throw std::runtime_error("cannot write a compressed score: " + ZipErrorText(error));
    const zip_int64_t index = zip_name_locate(archive.get(), scoreEntry.c_str(), 0);
    zip_source_t* data = zip_source_buffer(archive.get(), xml.data(), xml.size(), 0);
    if (index < 0 || !data ||
        zip_file_replace(archive.get(), static_cast<zip_uint64_t>(index), data, 0) != 0) {
        if (data)
            zip_source_free(data);
        ThrowWriteFailure(archive.get());
    }
    CloseInto(archive);
    return BufferBytes(buffer);
}

std::string NewScoreArchive(std::string_view xml) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        throw std::runtime_error("cannot create a compressed score: " + ZipErrorText(error));
    zip_source_keep(buffer);
    SourceOwner bufferOwner(buffer, &zip_source_free);
    Archive archive(zip_open_from_source(buffer, ZIP_TRUNCATE, &error));
    if (!archive)
        throw std::runtime_error("cannot create a compressed score: " + ZipErrorText(error));
    const std::string container = ContainerXml(kNewScoreEntry);
    const zip_int64_t mimetype = AddBytes(archive.get(), kMimetypeName, kMimetype);
    zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(mimetype), ZIP_CM_STORE, 0);
    if (zip_dir_add(archive.get(), "META-INF/", ZIP_FL_ENC_UTF_8) < 0)
        ThrowWriteFailure(archive.get());
    AddBytes(archive.get(), kContainerName, container);
    AddBytes(archive.get(), kNewScoreEntry, xml);
    CloseInto(archive);
    return BufferBytes(buffer);
}

} // namespace cantiva::notation
