#include "dictionaries/dict_record.h"
#include "dictionaries/letter_index.h"
#include "support/cp1251.h"

#include <gtest/gtest.h>

namespace cantiva::dictionaries {
namespace {

using test_support::W;

TEST(DictRecord, Has66BytesWithTwoLengthPrefixedFields) {
    std::string bytes = EncodeRecord({W(".ав1то  "), W(".авто  ")});
    ASSERT_EQ(bytes.size(), 66u);
    EXPECT_EQ(bytes[0], 8);
    EXPECT_EQ(bytes.substr(1, 8), W(".ав1то  "));
    EXPECT_EQ(bytes[9], '\0'); // unused bytes are zero
    EXPECT_EQ(bytes[33], 7);
    EXPECT_EQ(bytes.substr(34, 7), W(".авто  "));
    EXPECT_EQ(DecodeRecord(bytes), (DictRecord{W(".ав1то  "), W(".авто  ")}));
}

TEST(DictRecord, LengthBytesAbove32ReadAs32AndPartialRecordsAreReported) {
    std::string bytes = EncodeRecord({"ab", "ab"});
    bytes[0] = static_cast<char>(200);
    bytes[33] = 33;
    DictRecord r = DecodeRecord(bytes);
    EXPECT_EQ(r.text.size(), 32u);
    EXPECT_EQ(r.key.size(), 32u);

    struct Case {
        std::size_t size;
        std::size_t records;
        bool partial;
    } cases[] = {{0, 0, false}, {65, 0, true}, {66, 1, false}, {67, 1, true}, {132, 2, false}};
    for (const Case& c : cases) {
        std::string data(c.size, 'x');
        DecodedRecords d = DecodeRecords(data);
        EXPECT_EQ(d.records.size(), c.records) << c.size;
        EXPECT_EQ(d.partialTail, c.partial) << c.size;
    }
}

std::vector<DictRecord> Records(std::initializer_list<const char*> texts) {
    std::vector<DictRecord> out;
    for (const char* t : texts)
        out.push_back({t, t});
    return out;
}

TEST(LetterIndex, FilledFromSeparatorsWithClosingEntry) {
    // English: '.', then a..z; two patterns for a, one for c.
    std::vector<const char*> lines = {".ab1", "%", "a1b", "a2c", "%", "% ", "c1d"};
    for (int i = 3; i < 26; ++i)
        lines.push_back(" % ");
    std::vector<DictRecord> records;
    for (const char* t : lines)
        records.push_back({t, t});
    LetterIndexTable table{};
    FillLetterIndex(records, Language::English, table);
    EXPECT_EQ(table[0], (LetterIndexEntry{'.', 0}));
    EXPECT_EQ(table[1], (LetterIndexEntry{'a', 2}));
    EXPECT_EQ(table[2], (LetterIndexEntry{'b', 5}));
    EXPECT_EQ(table[3], (LetterIndexEntry{'c', 6}));
    EXPECT_EQ(table[26], (LetterIndexEntry{'z', static_cast<int>(records.size())}));
    EXPECT_EQ(table[27], (LetterIndexEntry{'z', static_cast<int>(records.size()) - 1}));

    // Sections: both ends included, clipped to the list; the closing entry is no section.
    auto a = FindSection(table, 26, 'a', records.size());
    EXPECT_EQ(a.first, 2);
    EXPECT_EQ(a.last, 5);
    auto z = FindSection(table, 26, 'z', records.size());
    EXPECT_GT(z.first, z.last); // the last letter has no patterns: nothing to scan
    auto y = FindSection(table, 26, 'y', records.size());
    EXPECT_EQ(y.last, static_cast<std::int64_t>(records.size()) - 1);
    EXPECT_GT(FindSection(table, 26, '#', records.size()).first,
              FindSection(table, 26, '#', records.size()).last);
}

TEST(LetterIndex, EmptyListAndTooManyOrTooFewSeparators) {
    LetterIndexTable table{};
    FillLetterIndex({}, Language::Russian, table);
    EXPECT_EQ(table[0], (LetterIndexEntry{'.', 0}));
    EXPECT_EQ(table[33], (LetterIndexEntry{255, -1}));

    // 40 separators for Latin: the extra ones are ignored, nothing is written past the table.
    std::vector<DictRecord> many(40, DictRecord{"%", "%"});
    LetterIndexTable latin{};
    FillLetterIndex(many, Language::Latin, latin);
    EXPECT_EQ(latin[25], (LetterIndexEntry{'z', 25}));
    EXPECT_EQ(latin[26], (LetterIndexEntry{'z', 39}));
    EXPECT_EQ(latin[27], (LetterIndexEntry{}));

    // Fewer separators: entries past them keep what they held.
    LetterIndexTable kept{};
    kept[5] = {'e', 77};
    FillLetterIndex(Records({"%", "a1b", "%"}), Language::English, kept);
    EXPECT_EQ(kept[2], (LetterIndexEntry{'b', 3}));
    EXPECT_EQ(kept[5], (LetterIndexEntry{'e', 77}));
    EXPECT_EQ(kept[27], (LetterIndexEntry{'z', 2}));
    // "%a" is no separator.
    LetterIndexTable t{};
    FillLetterIndex(Records({"%a", "%"}), Language::English, t);
    EXPECT_EQ(t[1], (LetterIndexEntry{'a', 2}));
}

} // namespace
} // namespace cantiva::dictionaries
