// Words per second of the word step on the shipped Russian and English dictionaries, and of the
// same step with a generated pattern set of several thousand patterns.
#include "dictionaries/dictionary_state.h"
#include "engine/hyphenate_word.h"
#include "text/utf8_codec.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace cantiva;

// Russian-looking words made of common syllables, deterministic.
std::vector<std::string> RussianWords(std::size_t count) {
    const char* syllables[] = {"ма",  "ло", "ко", "при", "мер", "сло", "во",  "на",   "ра",   "сту",
                               "ден", "те", "ли", "ви",  "зор", "о",   "кно", "го",   "род",  "ска",
                               "зка", "по", "ёл", "ка",  "ть",  "ся",  "про", "стра", "нство"};
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> pick(0, std::size(syllables) - 1), len(1, 5);
    std::vector<std::string> words;
    for (std::size_t i = 0; i < count; ++i) {
        std::string w;
        for (int k = len(rng); k > 0; --k)
            w += syllables[pick(rng)];
        words.push_back(text::Utf8ToCp1251(w).bytes);
    }
    return words;
}

std::vector<std::string> EnglishWords() {
    return {"about",       "over",     "very",       "many",      "every",       "beautiful",
            "remember",    "together", "hallelujah", "amazing",   "grace",       "wonderful",
            "morning",     "evening",  "singing",    "syllable",  "hyphenation", "dictionary",
            "everlasting", "glory",    "heaven",     "father",    "mother",      "children",
            "kingdom",     "forever",  "beginning",  "listening", "shepherd",    "angels",
            "tidings",     "rejoicing"};
}

void DivideWords(benchmark::State& bench, dictionaries::Language language,
                 const std::vector<std::string>& words) {
    // CANTIVA_BENCH_DICTIONARIES names another compiled folder, to compare dictionary versions.
    const char* other = std::getenv("CANTIVA_BENCH_DICTIONARIES");
    std::filesystem::path folder = other ? other : CANTIVA_READY_DICTIONARIES;
    dictionaries::DictionaryState state(folder);
    state.openLanguage(language);
    const engine::WordContext context = engine::WordContext::From(state);
    std::size_t divided = 0;
    for (auto _ : bench) {
        for (const std::string& w : words)
            benchmark::DoNotOptimize(engine::HyphenateWord(w, context, nullptr));
        divided += words.size();
    }
    bench.counters["words/s"] =
        benchmark::Counter(static_cast<double>(divided), benchmark::Counter::kIsRate);
    bench.counters["patterns"] = static_cast<double>(state.patterns().size());
}

void BM_RussianShipped(benchmark::State& bench) {
    static const std::vector<std::string> words = RussianWords(4000);
    DivideWords(bench, dictionaries::Language::Russian, words);
}
BENCHMARK(BM_RussianShipped)->Unit(benchmark::kMillisecond);

void BM_EnglishShipped(benchmark::State& bench) {
    std::vector<std::string> words;
    for (int i = 0; i < 125; ++i)
        for (const std::string& w : EnglishWords())
            words.push_back(w);
    DivideWords(bench, dictionaries::Language::American, words);
}
BENCHMARK(BM_EnglishShipped)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
