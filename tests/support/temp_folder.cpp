#include "support/temp_folder.h"

#include "dictionaries/compilers.h"
#include "text/utf8_codec.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace cantiva::test_support {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("cantiva-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file");
}

std::string TempFolder::read(std::string_view name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::exists(std::string_view name) const {
    return std::filesystem::exists(path_ / name);
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> TempFolder::temporaries() const {
    std::vector<std::string> out;
    for (const std::string& name : names())
        if (name.find(".pt0") != std::string::npos || name.find(".part") != std::string::npos)
            out.push_back(name);
    return out;
}

void TempFolder::writeRecords(std::string_view name,
                              const std::vector<dictionaries::DictRecord>& records) const {
    write(name, dictionaries::EncodeRecords(records));
}

void TempFolder::writeDictionaries(std::string_view russianPatterns, std::string_view exceptions,
                                   std::string_view englishPatterns, std::string_view latinPatterns,
                                   std::string_view americanPatterns) const {
    using namespace dictionaries;
    const std::string_view sources[] = {russianPatterns, englishPatterns, latinPatterns,
                                        americanPatterns};
    for (Language l : kAllLanguages) {
        // The other languages get their sections without patterns.
        const std::string source =
            IsRequired(l) ? std::string(sources[IndexOf(l)]) : MainSource(l, {});
        writeRecords(FileName(l, DictFile::MainCompiled),
                     CompileMainSource(source, l, LongestTrimmedLine(source)));
        writeRecords(FileName(l, DictFile::ExceptionsCompiled),
                     CompileExceptionSource(exceptions, LongestTrimmedLine(exceptions), l));
    }
}

std::string MainSource(dictionaries::Language language, const std::vector<std::string>& sections) {
    std::string out;
    auto add = [&out](std::string_view line) {
        if (!out.empty())
            out += "\r\n";
        out += line;
    };
    if (!sections.empty() && !sections[0].empty())
        add(sections[0]);
    for (int m = 1; m <= dictionaries::LanguageInfoOf(language).letterCount; ++m) {
        add("%");
        if (static_cast<std::size_t>(m) < sections.size() &&
            !sections[static_cast<std::size_t>(m)].empty())
            add(sections[static_cast<std::size_t>(m)]);
    }
    return out;
}

std::string MainSourceOf(dictionaries::Language language,
                         const std::vector<std::string>& utf8Patterns) {
    const auto& info = dictionaries::LanguageInfoOf(language);
    std::vector<std::string> sections(static_cast<std::size_t>(info.letterCount) + 1);
    for (const std::string& utf8 : utf8Patterns) {
        const std::string pattern = text::Utf8ToCodePage(utf8, *info.codePage).bytes;
        const std::size_t first = pattern.find_first_not_of("0123456789");
        std::string& section =
            sections[pattern[first] == '.' ? 0 : info.indexAlphabet.find(pattern[first]) + 1];
        section += (section.empty() ? "" : "\r\n") + pattern;
    }
    return MainSource(language, sections);
}

} // namespace cantiva::test_support
