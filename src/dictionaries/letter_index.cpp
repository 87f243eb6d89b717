#include "dictionaries/letter_index.h"

#include "text/cp1251.h"

#include <algorithm>

namespace cantiva::dictionaries {

void FillLetterIndex(const std::vector<DictRecord>& records, Language language,
                     LetterIndexTable& table) {
    const LanguageInfo& info = LanguageInfoOf(language);
    table[0] = {'.', 0};
    int m = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (text::TrimView(records[i].text) != "%")
            continue;
        ++m;
        if (m <= info.letterCount)
            table[static_cast<std::size_t>(m)] = {
                static_cast<unsigned char>(info.indexAlphabet[static_cast<std::size_t>(m - 1)]),
                static_cast<std::int32_t>(i + 1)};
    }
    table[static_cast<std::size_t>(ClosingEntry(language))] = {
        static_cast<unsigned char>(info.indexAlphabet.back()),
        static_cast<std::int32_t>(records.size()) - 1};
}

SectionRange FindSection(const LetterIndexTable& table, int letterCount, unsigned char c,
                         std::size_t recordCount) {
    for (int e = 0; e <= letterCount; ++e) {
        if (table[static_cast<std::size_t>(e)].letter != c)
            continue;
        std::int64_t first = std::max<std::int64_t>(table[static_cast<std::size_t>(e)].first, 0);
        std::int64_t last = std::min<std::int64_t>(table[static_cast<std::size_t>(e + 1)].first,
                                                   static_cast<std::int64_t>(recordCount) - 1);
        return {first, last};
    }
    return {};
}

} // namespace cantiva::dictionaries
