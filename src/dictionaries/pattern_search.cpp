#include "dictionaries/pattern_search.h"

#include "text/cp1251.h"

#include <algorithm>
#include <bit>

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

PatternSearch::PatternSearch(const std::vector<DictRecord>& records, const LetterIndexTable& table,
                             int letterCount) {
    texts_.reserve(records.size());
    weightStart_.reserve(records.size() + 1);
    for (const DictRecord& r : records) {
        texts_.emplace_back(text::TrimView(r.text));
        weightStart_.push_back(static_cast<std::uint32_t>(flatWeights_.size()));
        AppendWeights(texts_.back(), flatWeights_);
    }
    weightStart_.push_back(static_cast<std::uint32_t>(flatWeights_.size()));

    // Build the trie with per-node record lists, keeping record order.
    struct BuildNode {
        std::vector<std::pair<unsigned char, std::uint32_t>> children;
        std::vector<std::uint32_t> records;
        int depth = 0;
    };
    std::vector<BuildNode> build(1);
    std::vector<SectionRange> sections(256);
    std::vector<bool> sectionKnown(256, false);
    int symbols = 0;
    for (std::uint32_t r = 0; r < records.size(); ++r) {
        std::string_view key = text::TrimView(records[r].key);
        if (key.size() < 2)
            continue; // windows are at least two characters long
        auto c0 = static_cast<unsigned char>(key[0]);
        if (!sectionKnown[c0]) {
            sections[c0] = FindSection(table, letterCount, c0, records.size());
            sectionKnown[c0] = true;
        }
        if (r < sections[c0].first || r > sections[c0].last)
            continue;
        std::uint32_t node = 0;
        for (char ch : key) {
            auto c = static_cast<unsigned char>(ch);
            auto& kids = build[node].children;
            auto it = std::find_if(kids.begin(), kids.end(),
                                   [c](const auto& kid) { return kid.first == c; });
            if (it != kids.end()) {
                node = it->second;
            } else {
                auto next = static_cast<std::uint32_t>(build.size());
                kids.emplace_back(c, next);
                int depth = build[node].depth + 1;
                build.emplace_back();
                build.back().depth = depth;
                node = next;
                if (symbol_[c] == 0)
                    symbol_[c] = static_cast<std::uint16_t>(++symbols);
            }
        }
        build[node].records.push_back(r);
    }

    // Number the nodes breadth first, so the shallow ones, which every walk passes through,
    // come first and find their children in a dense row.
    std::vector<std::uint32_t> order{0};
    for (std::size_t k = 0; k < order.size(); ++k)
        for (auto [c, kid] : build[order[k]].children)
            order.push_back(kid);
    std::vector<std::uint32_t> id(build.size());
    for (std::uint32_t k = 0; k < order.size(); ++k)
        id[order[k]] = k;

    constexpr int kDenseDepth = 2;
    denseNodes_ = 0;
    while (denseNodes_ < order.size() && build[order[denseNodes_]].depth <= kDenseDepth)
        ++denseNodes_;
    rowWidth_ = static_cast<std::size_t>(symbols) + 1;
    dense_.assign(denseNodes_ * rowWidth_, 0);
    std::size_t capacity = std::bit_ceil(std::max<std::size_t>(16, build.size() * 2));
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
    std::uint64_t key = (static_cast<std::uint64_t>(node) << 8 | c) + 1;
    std::uint64_t h = (key * 0x9E3779B97F4A7C15ULL) >> 20;
    std::uint64_t i = h & mask_;
    while (slotKeys_[i] != 0)
        i = (i + 1) & mask_;
    slotKeys_[i] = key;
    slotValues_[i] = childNode;
}

} // namespace cantiva::dictionaries
