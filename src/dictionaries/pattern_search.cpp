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
