#include "engine/word_tokens.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva::engine {
namespace {

struct Expected {
    std::string text;
    SeparatorKind kind;
};

using K = SeparatorKind;

TEST(ForEachToken, CutsTextIntoTokensWithTheirSeparators) {
    struct Case {
        std::string text;
        std::vector<Expected> tokens;
    } cases[] = {
        {"Hello world", {{"Hello ", K::Space}, {"world", K::Space}}},
        {"a  b", {{"a ", K::Space}, {" ", K::Space}, {"b", K::Space}}},
        {"one\r\ntwo", {{"one\r", K::LineBreak}, {"two", K::Space}}},
        {"one\r\n\r\ntwo", {{"one\r", K::LineBreak}, {"\r", K::LineBreak}, {"two", K::Space}}},
        {"well-known", {{"well-", K::Hyphen}, {"known", K::Space}}},
        {"a-", {{"a-", K::Hyphen}, {"", K::Space}}},
        {"word", {{"word", K::Space}}},
        {"a\tb", {{"a\tb", K::Space}}},
        {"a\xA0"
         "b",
         {{"a\xA0", K::NoBreakSpace}, {"b", K::Space}}},
        {"", {}},
        // A line feed without a carriage return before it ends a line too: no text is dropped.
        {"one\ntwo", {{"one\n", K::LineBreak}, {"two", K::Space}}},
        {"\n", {{"\n", K::LineBreak}, {"", K::Space}}},
        {"a\r", {{"a\r", K::LineBreak}, {"", K::Space}}},
        {"one\r\n", {{"one\r", K::LineBreak}, {"", K::Space}}},
    };
    for (const Case& c : cases) {
        std::vector<WordToken> tokens;
        ForEachToken(c.text, [&tokens](const WordToken& t) { tokens.push_back(t); });
        ASSERT_EQ(tokens.size(), c.tokens.size()) << c.text;
        std::size_t covered = 0;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].text, c.tokens[i].text) << c.text << " token " << i;
            EXPECT_EQ(tokens[i].separator, c.tokens[i].kind) << c.text << " token " << i;
            EXPECT_EQ(c.text.substr(tokens[i].start, tokens[i].text.size()), tokens[i].text);
            covered += tokens[i].text.size();
        }
        std::size_t lineFeedsAfterCr = 0;
        for (std::size_t i = 1; i < c.text.size(); ++i)
            lineFeedsAfterCr += c.text[i] == '\n' && c.text[i - 1] == '\r';
        EXPECT_EQ(covered + lineFeedsAfterCr, c.text.size()) << c.text;
        EXPECT_EQ(CountTokens(c.text), tokens.size());
    }
}

} // namespace
} // namespace cantiva::engine
