// Arbitrary bytes as a language's compiled main and exceptions files, loaded and then used to
// divide words: no crash, no read outside the records, every character of the words kept.
#include "dictionaries/dictionary_state.h"
#include "dictionaries/language.h"
#include "engine/hyphenate_word.h"
#include "engine/hyphenation_run.h"
#include "fuzz_check.h"
#include "io/file_io.h"
#include "io/io_error.h"

using namespace cantiva;

namespace {

// Words of every language's letters, cases and marks.
constexpr std::string_view kWords =
    "\xEC\xE0\xEC\xE0 \xCF\xF0\xE8\xEC\xE5\xF0, \xB8\xEB\xEA\xE0 hyphenation Dominus "
    "qu\xE6stio don't \xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\r\nAaBbZz x";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const auto language = static_cast<dictionaries::Language>(data[0] % 4);
    const std::size_t split = (static_cast<std::size_t>(data[1]) << 8 | data[2]) % (size - 2);
    const std::string_view bytes = fuzz::AsText(data + 3, size - 3);
    const std::filesystem::path& folder = fuzz::ScratchFolder();
    ReplaceFile(folder / dictionaries::FileName(language, dictionaries::DictFile::MainCompiled),
                bytes.substr(0, split));
    ReplaceFile(folder /
                    dictionaries::FileName(language, dictionaries::DictFile::ExceptionsCompiled),
                bytes.substr(split));

    dictionaries::DictionaryState state(folder);
    try {
        state.openLanguage(language);
    } catch (const IoError& e) {
        FUZZ_CHECK(e.code() == io_code::kReadBeyondEnd); // an exceptions file cut short
    }
    // The automaton and the trie walk the log uses find the same weights in any records.
    const auto context = engine::WordContext::From(state);
    for (std::string_view dotted :
         {".\xEC\xE0\xEC\xE0.", ".hyphenation.", ".dominus.", ".a.b..ab."}) {
        engine::LogLines log;
        FUZZ_CHECK(engine::ComputeWeights(dotted, context, nullptr) ==
                   engine::ComputeWeights(dotted, context, &log));
    }
    engine::RunResult run = engine::RunHyphenation(kWords, state, (data[0] & 4) != 0);
    if (run.status == engine::RunStatus::Done)
        FUZZ_CHECK(fuzz::Kept(run.resultText) == fuzz::Kept(kWords));
    else
        FUZZ_CHECK(run.status == engine::RunStatus::IoFailure &&
                   run.ioCode == io_code::kReadBeyondEnd);
    return 0;
}
