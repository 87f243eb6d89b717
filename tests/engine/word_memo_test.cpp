#include "engine/word_memo.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace cantiva::engine {
namespace {

using text::Cut;
using text::CutKind;

struct Division {
    std::string letters;
    std::vector<Cut> cuts;
};

// Writes `word` with `cuts` (offsets in the word) into a sink that already holds `before`
// letters of its token, as DivideWord would, and keeps it in the memo.
Division Keep(WordMemo& memo, std::string_view word, const std::vector<Cut>& cuts,
              std::size_t before) {
    Division d{std::string(before, '.'), {}};
    WordSink sink{d.letters, d.cuts, 0};
    const std::size_t lettersFrom = d.letters.size();
    d.letters += word;
    for (const Cut& cut : cuts)
        d.cuts.push_back({static_cast<std::uint16_t>(cut.offset + before), cut.kind});
    memo.keep(word, sink, lettersFrom, 0);
    return d;
}

std::optional<Division> Recall(WordMemo& memo, std::string_view word, std::size_t before) {
    Division d{std::string(before, '.'), {}};
    WordSink sink{d.letters, d.cuts, 0};
    if (!memo.recall(sink, word))
        return std::nullopt;
    return d;
}

TEST(WordMemo, GivesBackWhatItKeptWhereverTheWordStands) {
    WordMemo memo(1 << 20);
    const std::vector<Cut> cuts = {
        {2, CutKind::Pattern}, {4, CutKind::Exception}, {6, CutKind::Elision}};
    Keep(memo, "мамама", cuts, 3);
    for (std::size_t before : {0u, 1u, 7u}) {
        auto got = Recall(memo, "мамама", before);
        ASSERT_TRUE(got) << before;
        EXPECT_EQ(got->letters, std::string(before, '.') + "мамама");
        ASSERT_EQ(got->cuts.size(), cuts.size());
        for (std::size_t k = 0; k < cuts.size(); ++k) {
            EXPECT_EQ(got->cuts[k].offset, cuts[k].offset + before);
            EXPECT_EQ(got->cuts[k].kind, cuts[k].kind);
        }
    }
    // Another word, a longer or shorter one with the same start: nothing.
    for (std::string_view other : {"мамам", "мамамаа", "папама", ""})
        EXPECT_FALSE(Recall(memo, other, 0)) << other;
}

TEST(WordMemo, KeepsNothingItCouldNotGiveBackWhole) {
    WordMemo memo(1 << 20);
    const std::string longWord(33, 'a');
    std::vector<Cut> manyCuts;
    for (std::uint16_t k = 1; k <= 16; ++k)
        manyCuts.push_back({k, CutKind::Pattern});
    Keep(memo, longWord, {{2, CutKind::Pattern}}, 0);
    Keep(memo, std::string(17, 'b'), manyCuts, 0);
    EXPECT_FALSE(Recall(memo, longWord, 0));
    EXPECT_FALSE(Recall(memo, std::string(17, 'b'), 0));

    // Letters written otherwise than the word (a letter restored): not kept.
    std::string letters = "ежик";
    std::vector<Cut> cuts;
    WordSink sink{letters, cuts, 0};
    memo.keep("ёжик", sink, 0, 0);
    EXPECT_FALSE(Recall(memo, "ёжик", 0));
}

TEST(WordMemo, WordsThatShareASlotNeverGetEachOthersDivision) {
    WordMemo memo(0); // the fewest slots: most of these words collide
    std::vector<std::string> words;
    for (int i = 0; i < 2000; ++i)
        words.push_back("w" + std::to_string(i * 7919));
    auto cutsOf = [](std::size_t i) {
        return std::vector<Cut>{{static_cast<std::uint16_t>(1 + i % 3), CutKind::Pattern}};
    };
    // Each new word, then one of a few frequent ones, as a text has them.
    std::vector<std::size_t> stream;
    for (std::size_t i = 0; i < words.size(); ++i) {
        stream.push_back(i);
        stream.push_back(i * 13 % 40);
    }
    int recalled = 0;
    for (std::size_t i : stream) {
        {
            if (auto got = Recall(memo, words[i], 0)) {
                ++recalled;
                EXPECT_EQ(got->letters, words[i]);
                ASSERT_EQ(got->cuts.size(), 1u);
                EXPECT_EQ(got->cuts[0].offset, cutsOf(i)[0].offset) << words[i];
            } else {
                Keep(memo, words[i], cutsOf(i), 0);
            }
            EXPECT_TRUE(Recall(memo, words[i], 0)) << words[i]; // just kept or recalled
        }
    }
    EXPECT_GT(recalled, 0);
}

} // namespace
} // namespace cantiva::engine
