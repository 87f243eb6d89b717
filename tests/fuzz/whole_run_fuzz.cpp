// The whole run over arbitrary bytes in each language: no crash, and every character of the
// input comes back, apart from the hyphens added and the blanks the run trims.
#include "dictionaries/dictionary_state.h"
#include "engine/hyphenation_run.h"
#include "fuzz_check.h"

#include <array>
#include <memory>

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto states = [] {
        std::array<std::unique_ptr<dictionaries::DictionaryState>,
                   dictionaries::kAllLanguages.size()>
            loaded;
        for (dictionaries::Language l : dictionaries::kAllLanguages) {
            auto& state = loaded[static_cast<std::size_t>(dictionaries::IndexOf(l))];
            state =
                std::make_unique<dictionaries::DictionaryState>(fuzz::ShippedDictionaryFolder());
            state->openLanguage(l);
        }
        return loaded;
    }();
    if (size == 0)
        return 0;
    dictionaries::DictionaryState& state = *states[data[0] % states.size()];
    const bool log = (data[0] & 8) != 0;
    const std::string_view text = fuzz::AsText(data + 1, size - 1);

    state.logAllowed = true;
    engine::RunResult run = engine::RunHyphenation(text, state, log);
    FUZZ_CHECK(run.status != engine::RunStatus::IoFailure);
    if (run.status == engine::RunStatus::Done) {
        FUZZ_CHECK(run.resultText.ends_with("\r\n"));
        FUZZ_CHECK(fuzz::Kept(run.resultText) == fuzz::Kept(text));
    }
    if (run.status == engine::RunStatus::WordTooLong)
        FUZZ_CHECK(run.wordStart + run.wordLength <= text.size() && run.wordLength > 32);
    return 0;
}
