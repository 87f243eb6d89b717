#include "export/user_file.h"

#include "text/file_io.h"
#include "text/utf8_codec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cantiva::exporting {
namespace {

constexpr int kTemporaryNameAttempts = 100;

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

    // A fresh temporary name beside the target, so no file of the user's is ever truncated. The
    // name is built step by step: GCC 12 warns falsely about "." + std::string&&.
    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        std::string name = ".";
        name += target.filename().string();
        if (attempt > 0) {
            name += '.';
            name += std::to_string(attempt);
        }
        name += ".part";
        temp = target;
        temp.replace_filename(name);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == kTemporaryNameAttempts))
            ThrowCreateError(errno);
    }
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
