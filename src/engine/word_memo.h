#pragma once

#include "engine/hyphenate_word.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace cantiva::engine {

// The divisions of the words a run has divided already. Texts repeat their words (lyrics their
// refrains), and within one run a word always divides the same way: the dictionaries do not
// change and nothing is logged. Direct-mapped and fixed in size: a word that meets another in
// its slot takes the slot over, so the memory stays flat however long the text.
class WordMemo {
public:
    // Sized for a text of `textBytes`: a short text gets few slots.
    explicit WordMemo(std::size_t textBytes);

    // Appends the division of `word` to `sink` and returns true when the memo holds it.
    bool recall(WordSink& sink, std::string_view word);

    // Keeps what was appended to `sink` since `lettersFrom` and `cutsFrom` as the division of
    // `word`. Only a division written with the word's own letters is kept (nearly all are).
    void keep(std::string_view word, const WordSink& sink, std::size_t lettersFrom,
              std::size_t cutsFrom);

private:
    static constexpr std::size_t kKeyBytes = 32;
    static constexpr std::size_t kCutSlots = 15;

    // One cache line. Left uninitialised until a word takes it: a long text's memo is large,
    // and only the slots its words use are ever written (tags_ says which).
    struct alignas(64) Slot {
        std::array<char, kKeyBytes> key;
        std::array<std::uint8_t, kCutSlots> offsets;
        std::array<text::CutKind, kCutSlots> kinds;
        std::uint8_t cutCount;
        std::uint8_t spare;
    };

    std::size_t slotCount_;
    std::vector<std::uint16_t> tags_; // 0: empty; else the word's length and hash bits
    std::unique_ptr<Slot[]> slots_;
};

} // namespace cantiva::engine
