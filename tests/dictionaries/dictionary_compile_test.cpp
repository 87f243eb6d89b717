#include "dictionaries/dictionary_compile.h"

#include <gtest/gtest.h>
#include <string>

namespace cantiva::dictionaries {
namespace {

// The state compiles exceptions at {longestPattern, true} and patterns at {longestPattern,
// false}; the command line at {0, true}.
TEST(CompiledWidth, TheMinimumOrTheLongestTrimmedLineAtMost32) {
    const std::string lines = "ab\r\n  abcd  \r\n";
    const std::string longLine(40, 'a');
    struct Case {
        const std::string& source;
        RecordWidth rule;
        int width;
    } cases[] = {
        {lines, {0, true}, 4},     {lines, {6, true}, 6},    {lines, {3, false}, 3},
        {longLine, {0, true}, 32}, {lines, {40, false}, 32},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompiledWidth(c.source, c.rule), c.width)
            << c.rule.minimum << " " << c.rule.fitLongestLine;
}

} // namespace
} // namespace cantiva::dictionaries
