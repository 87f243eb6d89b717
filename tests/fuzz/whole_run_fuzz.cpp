// The whole run over arbitrary bytes in each language: no crash, and every character of the
// input comes back in the model of the run (its tokens' letters), apart from the hyphens and the
// blanks the run trims, and in the pane text written from it. Every cut lies in its word, in
// order, and the notation exports read the model whole.
#include "dictionaries/dictionary_state.h"
#include "engine/hyphenation_run.h"
#include "fuzz_check.h"
#include "notation/divided_run_lines.h"
#include "notation/lilypond_lyrics.h"

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

    engine::RunResult run =
        engine::RunHyphenation(text, state, log, nullptr, engine::RunModel::Kept);
    FUZZ_CHECK(run.status != engine::RunStatus::IoFailure);
    if (run.status == engine::RunStatus::Done) {
        FUZZ_CHECK(run.resultText.ends_with("\r\n"));
        // The model keeps a no-break space as its separator, outside the letters.
        const auto withoutNoBreakSpaces = [](std::string kept) {
            std::erase(kept, '\xA0');
            return kept;
        };
        FUZZ_CHECK(withoutNoBreakSpaces(fuzz::Kept(run.divided.letters)) ==
                   withoutNoBreakSpaces(fuzz::Kept(text)));
        FUZZ_CHECK(text::PaneTextOf(run.divided) == run.resultText);
        // A run that keeps no model writes the same pane.
        FUZZ_CHECK(engine::RunHyphenation(text, state, false, nullptr, engine::RunModel::Dropped)
                       .resultText == run.resultText);
        FUZZ_CHECK(fuzz::Kept(run.resultText) == fuzz::Kept(text));
        for (const text::DividedToken& token : run.divided.tokens) {
            std::uint32_t last = 0;
            for (const text::Cut& cut : run.divided.cutsOf(token)) {
                FUZZ_CHECK(cut.offset >= last && cut.offset <= token.textLength);
                last = cut.offset;
            }
        }
        const auto& codePage = *dictionaries::LanguageInfoOf(state.currentLanguage()).codePage;
        const std::string lyrics =
            notation::LilyPondLyrics(notation::DividedLinesOf(run.divided, codePage));
        FUZZ_CHECK(lyrics.starts_with("\\lyricmode {\n") && lyrics.ends_with("}\n"));
    }
    for (const engine::LongWord& word : run.longWords)
        FUZZ_CHECK(word.start + word.length <= text.size() && word.length > 32);
    return 0;
}
