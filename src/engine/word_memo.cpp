#include "engine/word_memo.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace cantiva::engine {
namespace {

constexpr std::size_t kMaxSlots = std::size_t{1} << 16;
constexpr std::size_t kMinSlots = 64;
// A text has roughly one word in eight bytes; a slot per word is the most a memo could use.
constexpr std::size_t kBytesPerWord = 8;

std::uint32_t HashOf(std::string_view word) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (char c : word) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h ^ (h >> 15);
}

// The length in the low 6 bits (1 to 32) and 10 bits of the hash the slot index does not use,
// so that most other words are told apart without reading their slot.
std::uint16_t TagOf(std::string_view word, std::uint32_t hash) {
    return static_cast<std::uint16_t>(word.size() | ((hash >> 22) << 6));
}

} // namespace

WordMemo::WordMemo(std::size_t textBytes)
    : slotCount_(std::bit_ceil(std::clamp(textBytes / kBytesPerWord, kMinSlots, kMaxSlots))),
      tags_(slotCount_), slots_(new Slot[slotCount_]) {}

bool WordMemo::recall(WordSink& sink, std::string_view word) {
    if (word.empty() || word.size() > kKeyBytes)
        return false;
    const std::uint32_t hash = HashOf(word);
    const std::size_t at = hash & (slotCount_ - 1);
    if (tags_[at] != TagOf(word, hash))
        return false;
    const Slot& slot = slots_[at];
    if (std::memcmp(word.data(), slot.key.data(), word.size()) != 0)
        return false;
    const auto shift = static_cast<std::uint16_t>(sink.letters.size() - sink.start);
    sink.letters += word;
    for (std::size_t k = 0; k < slot.cutCount; ++k)
        sink.cuts.push_back({static_cast<std::uint16_t>(shift + slot.offsets[k]), slot.kinds[k]});
    return true;
}

void WordMemo::keep(std::string_view word, const WordSink& sink, std::size_t lettersFrom,
                    std::size_t cutsFrom) {
    const std::size_t cutCount = sink.cuts.size() - cutsFrom;
    if (word.empty() || word.size() > kKeyBytes || cutCount > kCutSlots ||
        std::string_view(sink.letters).substr(lettersFrom) != word)
        return;
    const std::uint32_t hash = HashOf(word);
    const std::size_t at = hash & (slotCount_ - 1);
    tags_[at] = TagOf(word, hash);
    Slot& slot = slots_[at];
    std::memcpy(slot.key.data(), word.data(), word.size());
    slot.cutCount = static_cast<std::uint8_t>(cutCount);
    const std::size_t shift = lettersFrom - sink.start;
    for (std::size_t k = 0; k < cutCount; ++k) {
        slot.offsets[k] = static_cast<std::uint8_t>(sink.cuts[cutsFrom + k].offset - shift);
        slot.kinds[k] = sink.cuts[cutsFrom + k].kind;
    }
}

} // namespace cantiva::engine
