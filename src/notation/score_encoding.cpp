#include "notation/score_encoding.h"

#include "notation/score_error.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <pugixml.hpp>

namespace cantiva::notation {
namespace {

constexpr std::string_view kDeclarationStart = "<?xml";
constexpr std::string_view kDeclarationEnd = "?>";
constexpr std::size_t kLongestDeclaration = 1024;

// The encoding the declaration names, read by the XML reader from the declaration alone.
std::string DeclaredEncoding(std::string_view xml) {
    if (!xml.starts_with(kDeclarationStart))
        return {};
    const std::size_t end = xml.substr(0, kLongestDeclaration).find(kDeclarationEnd);
    if (end == std::string_view::npos)
        return {};
    pugi::xml_document declaration;
    const std::string_view text = xml.substr(0, end + kDeclarationEnd.size());
    const pugi::xml_parse_result result = declaration.load_buffer(
        text.data(), text.size(), pugi::parse_declaration, pugi::encoding_utf8);
    if (result.status != pugi::status_ok && result.status != pugi::status_no_document_element)
        return {};
    return declaration.first_child().attribute("encoding").value();
}

bool ReaderConverts(std::string encoding) {
    std::transform(encoding.begin(), encoding.end(), encoding.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return encoding.empty() || encoding == "UTF-8" || encoding == "UTF8" ||
           encoding.starts_with("UTF-16");
}

struct ConverterCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};

std::string Convert(iconv_t converter, std::string_view xml, const std::string& encoding) {
    std::string out(xml.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(xml.data()); // iconv does not write its input
    std::size_t inLeft = xml.size();
    std::size_t outDone = 0;
    while (inLeft > 0) {
        char* to = out.data() + outDone;
        std::size_t outLeft = out.size() - outDone;
        const std::size_t result = iconv(converter, &in, &inLeft, &to, &outLeft);
        outDone = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        throw ScoreError(ScoreError::Kind::UnknownEncoding,
                         "Not a MusicXML score: byte " + std::to_string(xml.size() - inLeft) +
                             " is not " + encoding + " text, as the score declares");
    }
    out.resize(outDone);
    return out;
}

} // namespace

std::optional<std::string> ScoreAsUtf8(std::string_view xml) {
    const std::string encoding = DeclaredEncoding(xml);
    if (ReaderConverts(encoding))
        return std::nullopt;
    const iconv_t converter = iconv_open("UTF-8", encoding.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw ScoreError(ScoreError::Kind::UnknownEncoding,
                         "Not a MusicXML score this program can read: its encoding " + encoding +
                             " is unknown");
    std::unique_ptr<void, ConverterCloser> owner(converter);
    return Convert(converter, xml, encoding);
}

} // namespace cantiva::notation
