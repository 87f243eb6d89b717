#pragma once

#include "dictionaries/compile_lock.h"
#include "dictionaries/language.h"

#include <chrono>
#include <filesystem>
#include <string_view>

namespace cantiva::dictionaries {

// How wide the records of a compile are: at least `minimum`, widened to the longest trimmed
// source line when `fitLongestLine`, and never above 32.
struct RecordWidth {
    int minimum = 0;
    bool fitLongestLine = true;
};

int CompiledWidth(std::string_view source, RecordWidth rule);

struct CompileSettings {
    RecordWidth width;
    // The old compiled file must be there: a missing one stops the compile (IoError) and nothing
    // is put in its place.
    bool targetMustExist = false;
    std::chrono::milliseconds lockWait = CompileLock::kDefaultWait;
};

// Compiles the source of `language`'s dictionary of `kind` in `folder` (".TXT" or ".XCP") and
// replaces its compiled file (".PT" or ".XCD") whole, through a fresh ".pt0" temporary, taking
// turns with other compiles of the folder. Returns the record width used. Throws IoError or
// DictionaryBusyError; on failure the old compiled file stays.
int CompileDictionary(const std::filesystem::path& folder, Language language, DictionaryKind kind,
                      const CompileSettings& settings);

} // namespace cantiva::dictionaries
