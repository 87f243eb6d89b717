#include "export/finale_lyrics.h"
#include "support/cp1251.h"

#include <gtest/gtest.h>

namespace cantiva::exporting {
namespace {

using test_support::U;
using test_support::W;

// Windows-1251 of a UTF-8 literal, with "[NBSP]" standing for the byte 0xA0.
std::string Line(std::string_view utf8) {
    const std::string in = W(utf8);
    const std::string_view marker = "[NBSP]";
    std::string out;
    for (std::size_t i = 0; i < in.size();) {
        if (std::string_view(in).substr(i, marker.size()) == marker) {
            out += '\xA0';
            i += marker.size();
        } else {
            out += in[i++];
        }
    }
    return out;
}

struct LineCase {
    const char* in;
    const char* out;
    bool bindDashes;
};

class ConvertFinaleLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ConvertFinaleLineTest, ReplacesOnlyBindingSpacesAndKeepsLength) {
    const LineCase& c = GetParam();
    std::string in = Line(c.in);
    std::string out = ConvertFinaleLine(in, c.bindDashes);
    EXPECT_EQ(U(out), U(Line(c.out))) << "line: " << c.in;
    EXPECT_EQ(out.size(), in.size());
}

INSTANTIATE_TEST_SUITE_P(
    Prepositions, ConvertFinaleLineTest,
    ::testing::Values(LineCase{"в до-ме", "в[NBSP]до-ме", true},
                      LineCase{"В ле-су", "В[NBSP]ле-су", true},
                      LineCase{"с то-бой", "с[NBSP]то-бой", true},
                      LineCase{"и к до-му, и С ним", "и к[NBSP]до-му, и С[NBSP]ним", true},
                      LineCase{"вес во-ды", "вес во-ды", true}, LineCase{"и-ду в", "и-ду в", true},
                      LineCase{"с в до-ме", "с[NBSP]в[NBSP]до-ме", true},
                      // Only a plain space before the letter makes it a word of its own.
                      LineCase{"да[NBSP]в до-ме", "да[NBSP]в до-ме", true},
                      LineCase{"в\tдо-ме", "в\tдо-ме", true},
                      LineCase{"в  до-ме", "в[NBSP] до-ме", true}));

INSTANTIATE_TEST_SUITE_P(Particles, ConvertFinaleLineTest,
                         ::testing::Values(LineCase{"Я б ска-зал", "Я[NBSP]б ска-зал", true},
                                           LineCase{"ты ж, друг", "ты[NBSP]ж, друг", true},
                                           LineCase{"сна-ча-ла я б", "сна-ча-ла я[NBSP]б", true},
                                           LineCase{"ну ж «да»", "ну[NBSP]ж «да»", true},
                                           LineCase{"ну жда-ли", "ну жда-ли", true},
                                           LineCase{"ну ж— да", "ну[NBSP]ж— да", true},
                                           LineCase{"хлеб и соль", "хлеб и соль", true},
                                           LineCase{"взял нож и", "взял нож и", true},
                                           LineCase{"и бы-ло", "и бы-ло", true},
                                           LineCase{"зна-ешь ль ты", "зна-ешь[NBSP]ль ты", true},
                                           LineCase{"зна-ешь ль", "зна-ешь ль", true},
                                           LineCase{"зна-ешь ль, ты", "зна-ешь ль, ты", true},
                                           LineCase{"Я Б ска-зал", "Я Б ска-зал", true},
                                           LineCase{"ты Ж, друг", "ты Ж, друг", true},
                                           LineCase{"зна-ешь Ль ты", "зна-ешь Ль ты", true},
                                           LineCase{"зна-ешь ЛЬ ты", "зна-ешь ЛЬ ты", true}));

INSTANTIATE_TEST_SUITE_P(
    Dashes, ConvertFinaleLineTest,
    ::testing::Values(
        LineCase{"да — нет", "да[NBSP]— нет", true}, LineCase{"да — нет", "да — нет", false},
        LineCase{"да – нет", "да[NBSP]– нет", true}, LineCase{"да – нет", "да – нет", false},
        LineCase{"да - нет", "да - нет", true}, LineCase{"да - нет", "да - нет", false},
        LineCase{"— да", "— да", true}, LineCase{" — да", "[NBSP]— да", true},
        LineCase{"да —", "да —", true}, LineCase{"да —нет", "да —нет", true},
        LineCase{"да[NBSP]— нет", "да[NBSP]— нет", true},
        // Prepositions and particles bind whatever the dash option says.
        LineCase{"в до-ме я б", "в[NBSP]до-ме я[NBSP]б", false}));

INSTANTIATE_TEST_SUITE_P(Degenerate, ConvertFinaleLineTest,
                         ::testing::Values(LineCase{"", "", true}, LineCase{" ", " ", true},
                                           LineCase{"в", "в", true},
                                           LineCase{" б", "[NBSP]б", true},
                                           LineCase{"в ", "в[NBSP]", true}));

TEST(FinaleExportText, EndsEveryPaneLineWithCrLf) {
    struct Case {
        std::string pane, text;
    } cases[] = {
        {"", ""},
        {"\r\n", "\r\n"},
        {"a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {W("в до-ме\r\nда — нет\r\n"), Line("в[NBSP]до-ме\r\nда[NBSP]— нет\r\n")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(U(FinaleExportText(c.pane, true)), U(c.text)) << U(c.pane);
}

TEST(FinaleExportText, LeavesForeignPlaceholdersInPlace) {
    std::string pane = "\x98 \xE2 \x98";
    EXPECT_EQ(FinaleExportText(pane, true), "\x98 \xE2\xA0\x98\r\n");
}

} // namespace
} // namespace cantiva::exporting
