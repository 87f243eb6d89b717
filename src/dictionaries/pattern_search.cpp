#include "dictionaries/pattern_search.h"

#include "text/cp1251.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace cantiva::dictionaries {
namespace {

void AppendWeights(std::string_view text, std::vector<PatternSearch::Weight>& out) {
    std::uint8_t p = 0;
    for (char x : text) {
        if (x >= '0' && x <= '9')
            out.push_back({p, static_cast<std::uint8_t>(x - '0')});
        else
            ++p;
    }
}

} // namespace

// Nodes this deep or shallower get a dense row of children: every walk passes through them.
constexpr int kDenseDepth = 2;
// The hash table has at least this many slots, and at least twice as many as there are nodes.
constexpr std::size_t kMinimumSlots = 16;
// Windows are at least two characters long, so shorter keys never match.
constexpr std::size_t kShortestKey = 2;

struct PatternSearch::BuildNode {
    std::vector<std::pair<unsigned char, std::uint32_t>> children;
    std::vector<std::uint32_t> records;
    int depth = 0;
};

PatternSearch::PatternSearch(const std::vector<DictRecord>& records, const LetterIndexTable& table,
                             int letterCount) {
    indexTexts(records);
    layOut(buildTrie(records, table, letterCount));
}

void PatternSearch::indexTexts(const std::vector<DictRecord>& records) {
    texts_.reserve(records.size());
    weightStart_.reserve(records.size() + 1);
    for (const DictRecord& r : records) {
        texts_.emplace_back(text::TrimView(r.text));
        weightStart_.push_back(static_cast<std::uint32_t>(flatWeights_.size()));
        AppendWeights(texts_.back(), flatWeights_);
    }
    weightStart_.push_back(static_cast<std::uint32_t>(flatWeights_.size()));
}

// Record order is kept in every node's list. Numbers the key bytes in symbol_ as they appear.
std::vector<PatternSearch::BuildNode>
PatternSearch::buildTrie(const std::vector<DictRecord>& records, const LetterIndexTable& table,
                         int letterCount) {
    std::vector<BuildNode> build(1);
    std::vector<std::optional<SectionRange>> sections(256);
    int symbols = 0;
    for (std::uint32_t r = 0; r < records.size(); ++r) {
        std::string_view key = text::TrimView(records[r].key);
        if (key.size() < kShortestKey)
            continue;
        auto c0 = static_cast<unsigned char>(key[0]);
        if (!sections[c0])
            sections[c0] = FindSection(table, letterCount, c0, records.size());
        if (r < sections[c0]->first || r > sections[c0]->last)
            continue;
        std::uint32_t node = 0;
        for (char ch : key) {
            auto c = static_cast<unsigned char>(ch);
            auto& kids = build[node].children;
            auto it = std::find_if(kids.begin(), kids.end(),
                                   [c](const auto& kid) { return kid.first == c; });
            if (it != kids.end()) {
                node = it->second;
                continue;
            }
            auto next = static_cast<std::uint32_t>(build.size());
            kids.emplace_back(c, next);
            const int depth = build[node].depth + 1;
            build.emplace_back();
            build.back().depth = depth;
            node = next;
            if (symbol_[c] == 0)
                symbol_[c] = static_cast<std::uint16_t>(++symbols);
        }
        build[node].records.push_back(r);
    }
    rowWidth_ = static_cast<std::size_t>(symbols) + 1;
    return build;
}

void PatternSearch::layOut(const std::vector<BuildNode>& build) {
    std::vector<std::uint32_t> order{0};
    for (std::size_t k = 0; k < order.size(); ++k)
        for (auto [c, kid] : build[order[k]].children)
            order.push_back(kid);
    std::vector<std::uint32_t> id(build.size());
    for (std::uint32_t k = 0; k < order.size(); ++k)
        id[order[k]] = k;

    denseNodes_ = 0;
    while (denseNodes_ < order.size() && build[order[denseNodes_]].depth <= kDenseDepth)
        ++denseNodes_;
    dense_.assign(denseNodes_ * rowWidth_, 0);
    const std::size_t capacity = std::bit_ceil(std::max(kMinimumSlots, build.size() * 2));
    slotKeys_.assign(capacity, 0);
    slotValues_.assign(capacity, 0);
    mask_ = capacity - 1;
    nodes_.resize(build.size());
    for (std::uint32_t k = 0; k < order.size(); ++k) {
        const BuildNode& b = build[order[k]];
        nodes_[k].matchBegin = static_cast<std::uint32_t>(matchRecords_.size());
        matchRecords_.insert(matchRecords_.end(), b.records.begin(), b.records.end());
        nodes_[k].matchEnd = static_cast<std::uint32_t>(matchRecords_.size());
        for (auto [c, kid] : b.children) {
            if (k < denseNodes_)
                dense_[k * rowWidth_ + symbol_[c]] = id[kid];
            else
                addChild(k, c, id[kid]);
        }
    }
    buildAutomaton(build, order);
}

void PatternSearch::buildAutomaton(const std::vector<BuildNode>& build,
                                   const std::vector<std::uint32_t>& order) {
    const std::size_t states = order.size();
    step_.assign(states * rowWidth_, 0);
    std::vector<std::uint32_t> fail(states, 0);
    reachStart_.assign(states + 1, 0);
    reachWeights_.clear();
    // A weight's gap lies between 2 - (longest key) and 2 + (largest offset) from its window's end.
    int largestOffset = 0;
    for (const Weight& w : flatWeights_)
        largestOffset = std::max<int>(largestOffset, w.offset);
    for (const BuildNode& b : build)
        longestKey_ = std::max(longestKey_, b.depth);
    const int reach = longestKey_;
    std::vector<std::uint8_t> byGap(static_cast<std::size_t>(reach + largestOffset + 3));
    // Breadth first, so a state's suffix state and its row are complete before the state's own.
    for (std::uint32_t k = 0; k < states; ++k) {
        const BuildNode& b = build[order[k]];
        std::uint32_t* row = &step_[k * rowWidth_];
        if (k != 0)
            std::copy_n(&step_[fail[k] * rowWidth_], rowWidth_, row);
        for (auto [c, kid] : b.children) {
            const std::uint32_t next = child(k, c);
            fail[next] = k == 0 ? 0 : step_[fail[k] * rowWidth_ + symbol_[c]];
            row[symbol_[c]] = next;
        }
        // This state's own weights, then those of its suffix state (already merged), by gap.
        std::fill(byGap.begin(), byGap.end(), 0);
        for (std::uint32_t r : b.records)
            for (auto [offset, value] : weights(r)) {
                const int rel = offset + 2 - b.depth;
                byGap[rel + reach] = std::max(byGap[rel + reach], value);
            }
        if (k != 0)
            for (std::uint32_t m = reachStart_[fail[k]]; m < reachStart_[fail[k] + 1]; ++m) {
                const ReachWeight w = reachWeights_[m];
                byGap[w.rel + reach] = std::max(byGap[w.rel + reach], w.value);
            }
        reachStart_[k] = static_cast<std::uint32_t>(reachWeights_.size());
        for (int g = 0; g < static_cast<int>(byGap.size()); ++g)
            if (byGap[g] != 0)
                reachWeights_.push_back({static_cast<std::int16_t>(g - reach), byGap[g]});
        reachStart_[k + 1] = static_cast<std::uint32_t>(reachWeights_.size());
    }
}

void PatternSearch::raiseWeights(std::string_view dotted, int windowLimit,
                                 std::span<std::uint8_t> weights) const {
    if (windowLimit < 2 || nodes_.empty())
        return;
    // The automaton finds windows of every length; a limit shorter than a key needs the walk.
    if (windowLimit < std::min(static_cast<int>(dotted.size()), longestKey_)) {
        forEachMatch(dotted, windowLimit, [&](std::size_t s, std::size_t, std::uint32_t record) {
            for (auto [offset, value] : this->weights(record))
                if (std::size_t p = s + 1 + offset; p < weights.size())
                    weights[p] = std::max(weights[p], value);
        });
        return;
    }
    std::uint32_t state = 0;
    for (std::size_t e = 0; e < dotted.size(); ++e) {
        state = step_[state * rowWidth_ + symbol_[static_cast<unsigned char>(dotted[e])]];
        for (std::uint32_t m = reachStart_[state]; m < reachStart_[state + 1]; ++m) {
            const auto p =
                static_cast<std::size_t>(static_cast<std::ptrdiff_t>(e) + reachWeights_[m].rel);
            if (p < weights.size())
                weights[p] = std::max(weights[p], reachWeights_[m].value);
        }
    }
}

void PatternSearch::addChild(std::uint32_t node, unsigned char c, std::uint32_t childNode) {
    const std::uint64_t key = SlotKey(node, c);
    std::uint64_t i = SlotHash(key) & mask_;
    while (slotKeys_[i] != 0)
        i = (i + 1) & mask_;
    slotKeys_[i] = key;
    slotValues_[i] = childNode;
}

} // namespace cantiva::dictionaries
