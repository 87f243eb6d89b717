#include "export/user_file.h"

#include "text/file_io.h"
#include "text/utf8_codec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cantiva::exporting {
namespace {

[[noreturn]] void ThrowCreateError(int err) {
    throw UserFileError(UserFileError::Stage::Create, IoCodeFromErrno(err));
}

// Fails as creating the file itself would: a folder, or a file the user may not write to.
void CheckTargetWritable(const std::filesystem::path& target, struct stat& existing, bool& exists) {
    exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists)
        return;
    if (S_ISDIR(existing.st_mode))
        ThrowCreateError(EISDIR);
    if (::access(target.c_str(), W_OK) != 0)
        ThrowCreateError(errno);
}

} // namespace

std::string UserFileBytes(std::string_view cp1251, const std::vector<std::string>& foreign) {
    if (foreign.empty() && cp1251.find(text::kForeignPlaceholder) == std::string_view::npos)
        return std::string(cp1251);
    std::string out(text::kUtf8Bom);
    out += text::Cp1251ToUtf8(cp1251, foreign);
    return out;
}

void WriteUserFile(const std::filesystem::path& chosen, std::string_view bytes) {
    std::filesystem::path target = chosen;
    std::error_code ec;
    if (std::filesystem::is_symlink(chosen, ec))
        target = std::filesystem::weakly_canonical(chosen, ec);
    if (ec || target.empty())
        target = chosen;

    struct stat existing {};
    bool exists = false;
    CheckTargetWritable(target, existing, exists);

    std::filesystem::path temp = target;
    // Built step by step: GCC 12 warns falsely about "." + std::string&&.
    std::string name = ".";
    name += target.filename().string();
    name += ".part";
    temp.replace_filename(name);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        ThrowCreateError(errno);
    if (exists)
        (void)::fchmod(fd, existing.st_mode & 07777);
    ::close(fd);

    try {
        WriteFileAtomically(target, bytes, temp);
    } catch (const IoError& e) {
        throw UserFileError(UserFileError::Stage::Write, e.code());
    }
}

} // namespace cantiva::exporting
