// Laying a verse onto a long vocal part: a made-up song as long as the longest real ones (1,700
// sung notes, 1,500 syllables), with the beams, slurs and rests of a 19th-century part.
#include "notation/lyric_laying.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using cantiva::notation::LayLyrics;
using cantiva::notation::LayRequest;
using cantiva::notation::ScoreContainer;

const char* const kPitch = "<pitch><step>C</step><octave>4</octave></pitch>";

// One bar of eight eighths: two flagged syllables, a beamed melisma of two, a slurred pair, a
// rest and a syllable; `bars` of them.
std::string Song(int bars) {
    std::string part;
    for (int b = 1; b <= bars; ++b) {
        part += "<measure number=\"" + std::to_string(b) + "\">";
        const auto note = [&](const std::string& more) {
            part += std::string("<note>") + kPitch + "<duration>1</duration><type>eighth</type>" +
                    more + "</note>";
        };
        note("");
        note("");
        note("<beam number=\"1\">begin</beam>");
        note("<beam number=\"1\">end</beam>");
        note("<notations><slur type=\"start\"/></notations>");
        note("<notations><slur type=\"stop\"/></notations>");
        part += "<note><rest/><duration>1</duration></note>";
        note("");
        part += "</measure>";
    }
    return "<score-partwise version=\"4.0\"><part-list><score-part id=\"P1\"/></part-list>"
           "<part id=\"P1\">" +
           part + "</part></score-partwise>";
}

// Words of one to three syllables, as many syllables as `count`.
std::string Verse(int count) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        const int inWord = k % 6; // "la la-la la-la-la"
        text += inWord == 0 || inWord == 1 || inWord == 3 ? (k ? " la" : "la") : "-la";
    }
    return text;
}

void LayVerse(benchmark::State& state) {
    const int bars = static_cast<int>(state.range(0));
    const std::string song = Song(bars);
    const std::string verse = Verse(bars * 5);
    for (auto _ : state) {
        ScoreContainer score(song);
        benchmark::DoNotOptimize(LayLyrics(score, verse, LayRequest{}));
    }
    state.counters["notes"] = bars * 7;
    state.counters["syllables"] = bars * 5;
}
BENCHMARK(LayVerse)->Arg(60)->Arg(240)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
