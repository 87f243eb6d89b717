#include "export/pane_text.h"
#include "export/score_macro.h"
#include "support/cp1251.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace cantiva::exporting {
namespace {

using test_support::U;
using test_support::W;

TEST(ScoreMacro, WorkedExampleOfOutputMode) {
    ScoreMacroOptions options; // output, Dash, TimeScore Regular, Don't care, "-4"
    EXPECT_EQ(BuildScoreMacro(W("В ле-су ро-ди-лась"), options), "TC 1 0 -4 1.0 1.0 0\r\n"
                                                                 "_50V le!!su/ro!!di!!las!h\r\n"
                                                                 "1\r\n2\r\n3\r\n4\r\n5\r\n"
                                                                 "\r\n");
}

TEST(ScoreMacro, WorkedExampleOfInputMode) {
    ScoreMacroOptions options;
    options.mode = ScoreMode::Input;
    EXPECT_EQ(BuildScoreMacro(W("В лесу родилась"), options), "T 1 10 -4 1.0 1.0 0\r\n"
                                                              "_50V lesu rodilas!h\r\n");
}

TEST(EncodeScoreText, CodesEveryLetterOfTheTable) {
    EXPECT_EQ(EncodeScoreText(W("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")),
              "ABVGDEWZIJKLMNOPRSTUFHCQ!p!m!qY?O@?sX");
    EXPECT_EQ(EncodeScoreText(W("абвгдежзийклмнопрстуфхцчшщъыьэюя")),
              "abvgdewzijklmnoprstufhcq?E!g?oy!h$?tx");
}

TEST(EncodeScoreText, CopiesWhatTheTableDoesNotName) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {W("ёЁ"), "\xB8\xA8"},
        {"[a]", "?[a?]"},
        {"Latin 0-9, \t!?", "Latin 0-9, \t!?"},
        {W("«ша» —\u00A0ю"), "\xAB?Ea\xBB \x97\xA0?t"},
        {"", ""},
        // A character Windows-1251 cannot hold cannot be coded either.
        {"a\x98", "a?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeScoreText(c.in), c.out) << U(c.in);
}

TEST(BindShortWords, MarksWordsAndBindsPrepositionsAndParticle) {
    struct Case {
        const char* line;
        const char* joined;
    } cases[] = {
        {"и в дом", "i/v dom"},
        {"уж ль он", "uw l!h/on"},
        {"соль и", "sol!h/i"},
        {"В дом", "V dom"},
        {"с в дом", "s v dom"},
        {"К С дом", "K S dom"},
        {"дом в", "dom/v"},
        {"вдом к", "vdom/k"},
        {"а я и о у", "a/x/i/o/u"},
        {"знаешь ль", "znae?E!h/l!h"},
        {"ль он", "l!h/on"},
        {"знаешь ль, он", "znae?E!h/l!h,/on"},
        // The "s" of Ю's code is not a preposition.
        {"Ю дом", "?s/dom"},
        {"дом ", "dom/"},
        {" дом", "/dom"},
        {"в  дом", "v /dom"},
        // Only the plain blank separates words.
        {"в\tдом", "v\tdom"},
        {"в\u00A0дом и", "v\xA0"
                         "dom/i"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BindShortWords(EncodeScoreText(W(c.line))), c.joined) << c.line;
}

TEST(NumberSyllables, CountsSyllablesAndReplacesHyphens) {
    struct Case {
        std::string text, code, out;
    } cases[] = {
        {"", "!!", "\r\n1\r\n"},
        {"a-b/c", "!!", "a!!b/c\r\n1\r\n2\r\n3\r\n"},
        {"a-b/c", "??", "a??b/c\r\n1\r\n2\r\n3\r\n"},
        {"a--b", "!!", "a!!!!b\r\n1\r\n2\r\n3\r\n"},
        {"/", "!!", "/\r\n1\r\n2\r\n"},
        {"a b-c-d-e-f-g-h-i-j-k", "??",
         "a b??c??d??e??f??g??h??i??j??k\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberSyllables(c.text, c.code), c.out) << c.text;
}

TEST(ScoreMacro, OutputModeBlocks) {
    struct Case {
        const char* name;
        std::string pane, macro;
    } cases[] = {
        {"empty line and no line after the final break", W("и в дом\r\n\r\nуж ль он\r\n"),
         "TC 1 0 -4 1.0 1.0 0\r\n_50i/v dom\r\n1\r\n2\r\n\r\n"
         "TC 1 0 -4 1.0 1.0 0\r\n_50\r\n1\r\n\r\n"
         "TC 1 0 -4 1.0 1.0 0\r\n_50uw l!h/on\r\n1\r\n2\r\n\r\n"},
        {"trailing blank", W("дом "), "TC 1 0 -4 1.0 1.0 0\r\n_50dom/\r\n1\r\n2\r\n\r\n"},
        {"line feeds alone", W("а\nб"),
         "TC 1 0 -4 1.0 1.0 0\r\n_50a\r\n1\r\n\r\nTC 1 0 -4 1.0 1.0 0\r\n_50b\r\n1\r\n\r\n"},
        {"brackets", "[a-b]", "TC 1 0 -4 1.0 1.0 0\r\n_50?[a!!b?]\r\n1\r\n2\r\n\r\n"},
        {"nothing", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildScoreMacro(c.pane, ScoreMacroOptions{}), c.macro) << c.name;
}

TEST(ScoreMacro, InputModeKeepsHyphensAndBlanks) {
    ScoreMacroOptions options;
    options.mode = ScoreMode::Input;
    options.hyphen = 1;
    EXPECT_EQ(BuildScoreMacro(W("до-ме в лес \r\n\r\nё"), options),
              "T 1 10 -4 1.0 1.0 0\r\n_50do-me v les \r\n"
              "T 1 10 -4 1.0 1.0 0\r\n_50\r\n"
              "T 1 10 -4 1.0 1.0 0\r\n_50\xB8\r\n");
}

TEST(ScoreMacro, HeaderAndFontFollowTheChoices) {
    struct Case {
        ScoreMode mode;
        int hyphen, font, staff;
        std::string verticalPosition, macro;
    } cases[] = {
        {ScoreMode::Output, 0, 4, 1, "-4", "TC 1 0 -4 1.0 1.0 0\r\n_50a!!b\r\n1\r\n2\r\n\r\n"},
        {ScoreMode::Output, 1, 0, 16, "7", "TC 16 0 7 1.0 1.0 0\r\n_53a??b\r\n1\r\n2\r\n\r\n"},
        {ScoreMode::Output, 0, 1, 2, "", "TC 2 0  1.0 1.0 0\r\n_51a!!b\r\n1\r\n2\r\n\r\n"},
        {ScoreMode::Input, 0, 2, 0, "", "T 1 10  1.0 1.0 0\r\n_54a-b\r\n"},
        {ScoreMode::Input, 0, 3, 9, " x y ", "T 9 10  x y  1.0 1.0 0\r\n_52a-b\r\n"},
        {ScoreMode::Input, 0, 4, 0,
         "\x98"
         "1",
         "T 1 10 ?1 1.0 1.0 0\r\n_50a-b\r\n"},
    };
    for (const Case& c : cases) {
        ScoreMacroOptions options{c.mode, c.hyphen, c.font, c.staff, c.verticalPosition};
        EXPECT_EQ(BuildScoreMacro("a-b", options), c.macro) << c.verticalPosition;
    }
}

TEST(ScoreMacro, DontCareWritesStaffOne) {
    ScoreMacroOptions dontCare;
    ScoreMacroOptions one;
    one.staff = 1;
    EXPECT_EQ(BuildScoreMacro(W("в ле-су"), dontCare), BuildScoreMacro(W("в ле-су"), one));
}

TEST(ScoreMacro, ListsAndPositionsOutsideThem) {
    std::vector<std::string> staff = ScoreStaffItems();
    ASSERT_EQ(staff.size(), 17U);
    EXPECT_EQ(staff.front(), "Don't care");
    EXPECT_EQ(staff[1], "1");
    EXPECT_EQ(staff.back(), "16");
    EXPECT_THROW(ScoreFontCode(5), std::out_of_range);
    EXPECT_THROW(ScoreHyphenCode(-1), std::out_of_range);
    EXPECT_THROW(ScoreStaffText(17), std::out_of_range);
}

TEST(IsBlankPane, OnlyBlanksAndControlCharacters) {
    EXPECT_TRUE(IsBlankPane(""));
    EXPECT_TRUE(IsBlankPane(" \r\n\r\n\t "));
    EXPECT_FALSE(IsBlankPane("\r\n-\r\n"));
    EXPECT_FALSE(IsBlankPane("\xA0"));
}

} // namespace
} // namespace cantiva::exporting
