#pragma once

#include "dictionaries/dict_record.h"
#include "dictionaries/letter_index.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace cantiva::dictionaries {

// An index over the loaded patterns that finds, for every window of a dotted word, exactly the
// records the sequential section scan would find, in record order: a record is indexed under its
// trimmed key only when it lies inside the section of the key's first character.
class PatternSearch {
public:
    struct Weight {
        std::uint8_t offset; // gap position relative to the window start
        std::uint8_t value;
    };

    PatternSearch() = default;
    PatternSearch(const std::vector<DictRecord>& records, const LetterIndexTable& table,
                  int letterCount);

    // Calls onMatch(start, length, recordNumber) for every window d[start, start + length) with
    // 2 <= length <= windowLimit that equals an indexed key; start counts from 0. Order: start
    // ascending, then length ascending, then record order.
    template <class OnMatch>
    void forEachMatch(std::string_view dotted, int windowLimit, OnMatch&& onMatch) const;

    // Raises weights[p] to every weight of every window forEachMatch would find, the same result in
    // any order: one automaton step per character of `dotted` instead of a trie walk from every
    // start. Weights that fall past the end of `weights` are dropped.
    void raiseWeights(std::string_view dotted, int windowLimit,
                      std::span<std::uint8_t> weights) const;

    // The trimmed text of a record and the weights it spreads, precomputed.
    std::string_view trimmedText(std::uint32_t record) const { return texts_[record]; }
    std::span<const Weight> weights(std::uint32_t record) const {
        return std::span<const Weight>(flatWeights_)
            .subspan(weightStart_[record], weightStart_[record + 1] - weightStart_[record]);
    }

private:
    struct Node {
        std::uint32_t matchBegin = 0;
        std::uint32_t matchEnd = 0;
    };

    struct BuildNode; // a trie node while the index is built

    // The trimmed texts of the records and the weights each spreads.
    void indexTexts(const std::vector<DictRecord>& records);
    // The trie of the keys that lie in their section, with the records each key ends.
    std::vector<BuildNode> buildTrie(const std::vector<DictRecord>& records,
                                     const LetterIndexTable& table, int letterCount);
    // The trie laid out for the search: nodes numbered breadth first, the shallow ones with a
    // dense row of children, the deeper ones in the hash table.
    void layOut(const std::vector<BuildNode>& build);
    // The trie completed to an Aho-Corasick automaton over the numbered nodes, with every node's
    // weights merged with those of its suffix nodes.
    void buildAutomaton(const std::vector<BuildNode>& build,
                        const std::vector<std::uint32_t>& order);

    // The hash table's slot key of (node, byte); never 0, which marks an empty slot.
    static std::uint64_t SlotKey(std::uint32_t node, unsigned char c) {
        return (static_cast<std::uint64_t>(node) << 8 | c) + 1;
    }
    // Fibonacci hashing: the key times 2^64 divided by the golden ratio, its high bits.
    static std::uint64_t SlotHash(std::uint64_t key) { return (key * 0x9E3779B97F4A7C15ULL) >> 20; }

    std::uint32_t child(std::uint32_t node, unsigned char c) const;
    void addChild(std::uint32_t node, unsigned char c, std::uint32_t child);

    std::vector<Node> nodes_;
    std::vector<std::uint32_t> matchRecords_;
    // Bytes that occur in keys, numbered from 1; 0 means "in no key".
    std::array<std::uint16_t, 256> symbol_{};
    std::size_t rowWidth_ = 0;
    std::size_t denseNodes_ = 0; // nodes 0..denseNodes_ - 1 have a row of children in dense_
    std::vector<std::uint32_t> dense_;
    // Deeper nodes: open-addressed table (node, byte) -> child node; 0 marks an empty slot (the
    // root is never a child).
    std::vector<std::uint64_t> slotKeys_;
    std::vector<std::uint32_t> slotValues_;
    std::uint64_t mask_ = 0;
    // The automaton: state = node number; step_[state * rowWidth_ + symbol] is the next state, and
    // ending a character in a state raises the gaps reachWeights_[reachStart_[state] ..] (gap =
    // position of the character + rel).
    struct ReachWeight {
        std::int16_t rel;
        std::uint8_t value;
    };
    std::vector<std::uint32_t> step_;
    std::vector<std::uint32_t> reachStart_;
    std::vector<ReachWeight> reachWeights_;
    int longestKey_ = 0;
    std::vector<std::string> texts_;
    std::vector<Weight> flatWeights_;
    std::vector<std::uint32_t> weightStart_;
};

inline std::uint32_t PatternSearch::child(std::uint32_t node, unsigned char c) const {
    const std::uint16_t sym = symbol_[c];
    if (sym == 0)
        return 0;
    if (node < denseNodes_)
        return dense_[node * rowWidth_ + sym];
    const std::uint64_t key = SlotKey(node, c);
    for (std::uint64_t i = SlotHash(key) & mask_;; i = (i + 1) & mask_) {
        if (slotKeys_[i] == key)
            return slotValues_[i];
        if (slotKeys_[i] == 0)
            return 0;
    }
}

template <class OnMatch>
void PatternSearch::forEachMatch(std::string_view dotted, int windowLimit,
                                 OnMatch&& onMatch) const {
    const std::size_t n = dotted.size();
    if (windowLimit < 2 || nodes_.empty())
        return;
    for (std::size_t s = 0; s + 1 < n; ++s) {
        std::uint32_t node = 0;
        for (std::size_t len = 1; s + len <= n && len <= static_cast<std::size_t>(windowLimit);
             ++len) {
            node = child(node, static_cast<unsigned char>(dotted[s + len - 1]));
            if (node == 0)
                break;
            if (len < 2)
                continue;
            const Node& nd = nodes_[node];
            for (std::uint32_t m = nd.matchBegin; m < nd.matchEnd; ++m)
                onMatch(s, len, matchRecords_[m]);
        }
    }
}

} // namespace cantiva::dictionaries
