#include "dictionaries/shipped_updates.h"

#include "dictionaries/compile_lock.h"
#include "dictionaries/compilers.h"
#include "dictionaries/dict_record.h"
#include "dictionaries/dictionary_compile.h"
#include "dictionaries/exceptions_source.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "text/cp1251.h"

#include <algorithm>
#include <optional>
#include <set>
#include <system_error>

namespace cantiva::dictionaries {
namespace {

namespace fs = std::filesystem;

std::vector<DictionaryPair> AllPairs() {
    std::vector<DictionaryPair> pairs;
    for (Language l : kAllLanguages) {
        pairs.push_back({l, true});
        pairs.push_back({l, false});
    }
    return pairs;
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The file's bytes, or nothing when it is not there.
std::optional<std::string> ReadIfPresent(const fs::path& path) {
    if (!Exists(path))
        return std::nullopt;
    return ReadWholeFile(path);
}

void MakeFolder(const fs::path& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec)
        throw IoError(IoCodeFromErrno(ec.value()));
}

void RemoveIfPresent(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

// Copies the pair from one folder to another, compiled file first: an interrupted copy leaves the
// old source, so the pair still counts as unedited and is copied again next time.
void CopyPair(const DictionaryPair& pair, const fs::path& from, const fs::path& to) {
    ReplaceFile(to / pair.compiledName(), ReadWholeFile(from / pair.compiledName()));
    ReplaceFile(to / pair.sourceName(), ReadWholeFile(from / pair.sourceName()));
}

void RemovePair(const DictionaryPair& pair, const fs::path& folder) {
    RemoveIfPresent(folder / pair.sourceName());
    RemoveIfPresent(folder / pair.compiledName());
}

bool SamePair(const DictionaryPair& pair, const fs::path& a, const fs::path& b) {
    for (const std::string& name : {pair.sourceName(), pair.compiledName()}) {
        auto left = ReadIfPresent(a / name);
        auto right = ReadIfPresent(b / name);
        if (!left || !right || *left != *right)
            return false;
    }
    return true;
}

// The word an exceptions entry divides: hyphens out, trimmed, lower case in the language's own
// code page (ß is no capital of ÿ).
std::string EntryKey(std::string_view entry, const text::CaseMap& caseMap) {
    std::string key;
    for (char c : text::TrimView(entry))
        if (c != '-')
            key += caseMap.lower(c);
    return key;
}

std::vector<std::string> Entries(std::string_view source) {
    std::vector<std::string> entries;
    for (std::string_view line : text::SplitLines(source)) {
        std::string_view entry = text::TrimView(line);
        if (!entry.empty())
            entries.emplace_back(entry);
    }
    return entries;
}

std::string CompiledExceptions(std::string_view source, Language language) {
    const int width = std::min(LongestTrimmedLine(source), kMaxRecordWidth);
    return EncodeRecords(CompileExceptionSource(source, width, language));
}

// A shipped compiled file is taken only when it is what its source compiles to, as the build
// compiles it: one of another language, cut, empty or stale never replaces a working one.
bool CompiledFromItsSource(const DictionaryPair& pair, const fs::path& folder) {
    const std::string source = ReadWholeFile(folder / pair.sourceName());
    const int width = CompiledWidth(source, {});
    const std::vector<DictRecord> records =
        pair.main ? CompileMainSource(source, pair.language, width)
                  : CompileExceptionSource(source, width, pair.language);
    return EncodeRecords(records) == ReadWholeFile(folder / pair.compiledName());
}

// Whether the shipped pair is refused, told in the report.
bool Refused(const DictionaryPair& pair, const fs::path& shippedFolder,
             ShippedUpdateReport& report) {
    if (CompiledFromItsSource(pair, shippedFolder))
        return false;
    report.refused.push_back(pair);
    return true;
}

} // namespace

std::string DictionaryPair::sourceName() const {
    return FileName(language, main ? DictFile::MainSource : DictFile::ExceptionsSource);
}

std::string DictionaryPair::compiledName() const {
    return FileName(language, main ? DictFile::MainCompiled : DictFile::ExceptionsCompiled);
}

ShippedUpdateReport UpdateFromShipped(const fs::path& shippedFolder, const fs::path& userFolder) {
    const fs::path record = userFolder / kShippedRecordFolder;
    const fs::path newer = userFolder / kNewerShippedFolder;
    MakeFolder(newer);
    // A compile beside the update would pair a source with a compiled file of another version.
    CompileLock lock(userFolder);
    ShippedUpdateReport report;
    for (const DictionaryPair& pair : AllPairs()) {
        if (!Exists(shippedFolder / pair.sourceName()) ||
            !Exists(shippedFolder / pair.compiledName()))
            continue;
        const auto mine = ReadIfPresent(userFolder / pair.sourceName());
        if (!mine && !Exists(userFolder / pair.compiledName())) {
            if (Refused(pair, shippedFolder, report))
                continue;
            CopyPair(pair, shippedFolder, userFolder);
            CopyPair(pair, shippedFolder, record);
            RemovePair(pair, newer);
            report.installed.push_back(pair);
            continue;
        }
        const auto shippedSource = ReadWholeFile(shippedFolder / pair.sourceName());
        if (mine == shippedSource) {
            // Already the shipped version (perhaps recompiled by the user): just remember it.
            if (!SamePair(pair, shippedFolder, record))
                CopyPair(pair, shippedFolder, record);
            RemovePair(pair, newer);
            continue;
        }
        if (SamePair(pair, shippedFolder, record))
            continue; // nothing new shipped since the user's copy
        const auto base = ReadIfPresent(record / pair.sourceName());
        if (base && mine == base) {
            if (Refused(pair, shippedFolder, report))
                continue;
            CopyPair(pair, shippedFolder, userFolder);
            CopyPair(pair, shippedFolder, record);
            RemovePair(pair, newer);
            report.updated.push_back(pair);
            continue;
        }
        // Edited, or of unknown origin: kept. Told once per shipped version.
        if (SamePair(pair, shippedFolder, newer) || Refused(pair, shippedFolder, report))
            continue;
        CopyPair(pair, shippedFolder, newer);
        report.newerKept.push_back(pair);
    }
    return report;
}

std::string NewerShippedNotice(const ShippedUpdateReport& report, const fs::path& userFolder) {
    if (report.newerKept.empty())
        return {};
    std::string files;
    std::set<std::string_view> languages;
    for (const DictionaryPair& pair : report.newerKept) {
        files += (files.empty() ? "" : ", ") + pair.sourceName();
        languages.insert(LanguageInfoOf(pair.language).cliName);
    }
    std::string text = "A newer version of the shipped dictionaries is available (" + files +
                       "). Your own copies were changed, so they have been kept.\n\n"
                       "To take the new version and keep your own exceptions, run:\n";
    for (std::string_view l : languages)
        text += "  cantiva-cli take-shipped --lang " + std::string(l) + " --dict-dir \"" +
                userFolder.string() + "\"\n";
    text += "\nThe new files wait in \"" + (userFolder / kNewerShippedFolder).string() + "\".";
    return text;
}

std::string RefusedShippedNotice(const ShippedUpdateReport& report) {
    std::string text;
    for (const DictionaryPair& pair : report.refused) {
        if (!text.empty())
            text += '\n';
        text += "The shipped " + pair.compiledName() + " is not compiled from the shipped " +
                pair.sourceName() + "; your " + pair.compiledName() + " was kept.";
    }
    return text;
}

std::string MergeExceptionSources(std::string_view base, std::string_view mine,
                                  std::string_view newer, int* ownCount) {
    return MergeExceptionSources(Language::Russian, base, mine, newer, ownCount);
}

std::string MergeExceptionSources(Language language, std::string_view base, std::string_view mine,
                                  std::string_view newer, int* ownCount) {
    const text::CaseMap& caseMap = *LanguageInfoOf(language).caseMap;
    const auto keyOf = [&caseMap](std::string_view entry) { return EntryKey(entry, caseMap); };
    const std::vector<std::string> baseEntries = Entries(base);
    const std::vector<std::string> myEntries = Entries(mine);
    const std::set<std::string> baseSet(baseEntries.begin(), baseEntries.end());
    std::set<std::string> myKeys;
    for (const std::string& e : myEntries)
        myKeys.insert(keyOf(e));

    std::vector<std::string> own;
    std::set<std::string> dropped; // words the user changed or deleted
    for (const std::string& e : myEntries) {
        if (baseSet.count(e) == 0) {
            own.push_back(e);
            dropped.insert(keyOf(e));
        }
    }
    for (const std::string& e : baseEntries)
        if (myKeys.count(keyOf(e)) == 0)
            dropped.insert(keyOf(e));

    std::vector<std::string> merged;
    for (const std::string& e : Entries(newer))
        if (dropped.count(keyOf(e)) == 0)
            merged.push_back(e);
    merged.insert(merged.end(), own.begin(), own.end());
    if (ownCount)
        *ownCount = static_cast<int>(own.size());

    return ExceptionsSourceText(merged);
}

TakeShippedResult TakeNewerShipped(const fs::path& userFolder, Language language) {
    const fs::path record = userFolder / kShippedRecordFolder;
    const fs::path newer = userFolder / kNewerShippedFolder;
    CompileLock lock(userFolder);
    TakeShippedResult result;

    const DictionaryPair main{language, true};
    if (Exists(newer / main.sourceName()) && Exists(newer / main.compiledName())) {
        CopyPair(main, newer, userFolder);
        CopyPair(main, newer, record);
        RemovePair(main, newer);
        result.mainTaken = true;
    }

    const DictionaryPair exceptions{language, false};
    if (Exists(newer / exceptions.sourceName()) && Exists(newer / exceptions.compiledName())) {
        const std::string base = ReadIfPresent(record / exceptions.sourceName()).value_or("");
        const std::string mine = ReadIfPresent(userFolder / exceptions.sourceName()).value_or("");
        const std::string merged = MergeExceptionSources(
            language, base, mine, ReadWholeFile(newer / exceptions.sourceName()),
            &result.ownExceptions);
        ReplaceFile(userFolder / exceptions.compiledName(), CompiledExceptions(merged, language));
        ReplaceFile(userFolder / exceptions.sourceName(), merged);
        CopyPair(exceptions, newer, record);
        RemovePair(exceptions, newer);
        result.exceptionsTaken = true;
    }
    return result;
}

} // namespace cantiva::dictionaries
