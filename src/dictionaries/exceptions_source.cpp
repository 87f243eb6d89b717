#include "dictionaries/exceptions_source.h"

#include "io/file_io.h"
#include "text/cp1251.h"

namespace cantiva::dictionaries {

std::string ExceptionsSourceText(const std::vector<std::string>& entries) {
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            out += text::kCrLf;
        out += entries[i];
    }
    return out;
}

void SaveExceptionsSource(const std::filesystem::path& path,
                          const std::vector<std::string>& entries) {
    ReplaceFile(path, ExceptionsSourceText(entries));
}

} // namespace cantiva::dictionaries
