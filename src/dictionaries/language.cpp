#include "dictionaries/language.h"

namespace cantiva::dictionaries {
namespace {

// а..я (224..255) without ё.
constexpr std::string_view kRussianAlphabet =
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF";

constexpr std::array<LanguageInfo, 4> kLanguages = {{
    {"RHYPHEN", "Russian ", " Russian ", kRussianAlphabet, 32, "ru", &text::kWindows1251,
     text::FoldRussianLetters},
    {"EHYPHEN", "English ", " English ", "abcdefghijklmnopqrstuvwxyz", 26, "en",
     &text::kWindows1251, text::FoldLatinLetters},
    {"LHYPHEN", "Latin ", " Latin ", "abcdefghijklmnopqrstuvxyz", 25, "la", &text::kWindows1251,
     text::FoldLatinLetters},
    {"UHYPHEN", "American ", " American ", "abcdefghijklmnopqrstuvwxyz", 26, "us",
     &text::kWindows1251, text::FoldLatinLetters},
}};

} // namespace

const LanguageInfo& LanguageInfoOf(Language l) {
    return kLanguages[static_cast<std::size_t>(IndexOf(l))];
}

std::string FileName(Language l, DictFile f) {
    std::string name(LanguageInfoOf(l).baseName);
    switch (f) {
    case DictFile::MainSource:
        return name + ".TXT";
    case DictFile::MainCompiled:
        return name + ".PT";
    case DictFile::ExceptionsSource:
        return name + ".XCP";
    case DictFile::ExceptionsCompiled:
        return name + ".XCD";
    case DictFile::Temporary:
        return name + ".pt0";
    }
    return name;
}

std::optional<Language> LanguageFromCliName(std::string_view name) {
    for (Language l : kAllLanguages)
        if (LanguageInfoOf(l).cliName == name)
            return l;
    return std::nullopt;
}

std::string WindowCaption(Language l) {
    return "Cantiva [" + std::string(LanguageInfoOf(l).languageName) + "syllabification]";
}

} // namespace cantiva::dictionaries
