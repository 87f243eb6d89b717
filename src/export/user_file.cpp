#include "export/user_file.h"

#include "io/output_file.h"
#include "text/utf8_codec.h"

#include <optional>

namespace cantiva::exporting {

std::string UserFileBytes(std::string_view cp1251, const std::vector<std::string>& foreign) {
    if (foreign.empty() && cp1251.find(text::kForeignPlaceholder) == std::string_view::npos)
        return std::string(cp1251);
    std::string out(text::kUtf8Bom);
    out += text::Cp1251ToUtf8(cp1251, foreign);
    return out;
}

void WriteUserFile(const std::filesystem::path& target, std::string_view bytes) {
    std::optional<OutputFile> replacement;
    try {
        replacement.emplace(target);
    } catch (const IoError& e) {
        throw UserFileError(UserFileError::Stage::Create, e);
    }
    try {
        replacement->commit(bytes);
    } catch (const IoError& e) {
        throw UserFileError(UserFileError::Stage::Write, e);
    }
}

} // namespace cantiva::exporting
