#include "export/score_unwritable.h"

#include <gtest/gtest.h>

namespace cantiva::exporting {
namespace {

using Chars = std::vector<std::string>;

TEST(ScoreUnwritable, NamesEachCharacterOnceInOrder) {
    const Chars pane = {"é", "😀", "é", "\u0301"};
    const Chars vpos = {"😀", "\xFF"};
    const Chars none;
    const Chars found = ScoreUnwritableCharacters({&pane, &none, &vpos});
    EXPECT_EQ(found, (Chars{"é", "😀", "\u0301", "\xFF"}));
    EXPECT_EQ(ScoreUnwritableMessage(found),
              "The SCORE macro is written in Windows-1251, which cannot hold these characters: "
              "é (U+00E9), 😀 (U+1F600), \u0301 (U+0301), byte 0xFF.");
    EXPECT_TRUE(ScoreUnwritableCharacters({&none}).empty());
}

} // namespace
} // namespace cantiva::exporting
