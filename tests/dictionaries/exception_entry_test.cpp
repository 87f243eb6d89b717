// Which exception entries the editor accepts.
#include "dictionaries/exception_entry.h"
#include "support/cp1251.h"

#include <gtest/gtest.h>

namespace cantiva::dictionaries {
namespace {

using test_support::W;

TEST(CheckExceptionEntry, AcceptsOneAlphabetWithoutDoubleHyphens) {
    struct Case {
        const char* utf8;
        ExceptionEntryCheck expected;
    } cases[] = {
        {"мо-ло-ко", ExceptionEntryCheck::Valid},
        {"Мо-ло-ко", ExceptionEntryCheck::Valid},
        {"ёл-ка", ExceptionEntryCheck::Valid},
        {"ЁЛ-КА", ExceptionEntryCheck::Valid},
        {"ex-cep-tion", ExceptionEntryCheck::Valid},
        {"два сло-ва", ExceptionEntryCheck::Valid},
        {"a_b", ExceptionEntryCheck::Valid},
        {"[\\]^_`", ExceptionEntryCheck::Valid},
        {"-", ExceptionEntryCheck::Valid},
        {"- -", ExceptionEntryCheck::Valid},
        {"  мо-ло-ко\t ", ExceptionEntryCheck::Valid},
        {"мо\u00A0ло", ExceptionEntryCheck::Valid},
        {"\u00A0", ExceptionEntryCheck::Valid}, // the no-break space is not trimmed
        {"мо--ло-ко", ExceptionEntryCheck::Invalid},
        {"мо---локо", ExceptionEntryCheck::Invalid},
        {"--", ExceptionEntryCheck::Invalid},
        {"мо-loко", ExceptionEntryCheck::Invalid},
        {"don't", ExceptionEntryCheck::Invalid},
        {"a1", ExceptionEntryCheck::Invalid},
        {"a@b", ExceptionEntryCheck::Invalid},
        {"a{b", ExceptionEntryCheck::Invalid},
        {"a.b", ExceptionEntryCheck::Invalid},
        {"ђак", ExceptionEntryCheck::Invalid},     // a Windows-1251 letter outside А..я
        {"a\u4E00", ExceptionEntryCheck::Invalid}, // not Windows-1251 at all
        {"", ExceptionEntryCheck::Empty},
        {"   ", ExceptionEntryCheck::Empty},
        {"\t\r\n", ExceptionEntryCheck::Empty},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckExceptionEntry(W(c.utf8)), c.expected) << c.utf8;
}

TEST(ExceptionEntryRefusal, SaysWhyAnEntryIsRefused) {
    const struct {
        const char* utf8;
        Language language;
        const char* reason;
    } cases[] = {
        {"мо-ло-ко", Language::Russian, ""},
        {"в", Language::Russian, ""}, // whole, so nothing to sing apart
        {"мо-лк-о", Language::Russian, "a syllable has no vowel"},
        {"rhy-thm", Language::English, "a syllable has no vowel"},
        {"два сл-ва", Language::Russian, "a syllable has no vowel"},
        {"мо-loко", Language::Russian, "letters outside Russian"},
        {"мо--ло", Language::Russian, "two hyphens in a row"},
        {"Rös-lein", Language::German, ""},
        {"мо-ло", Language::German, "letters outside German"},
        {"   ", Language::Russian, ""}, // empty: refused without a reason to give
    };
    for (const auto& c : cases) {
        const auto& codePage = *LanguageInfoOf(c.language).codePage;
        EXPECT_EQ(ExceptionEntryRefusal(text::Utf8ToCodePage(c.utf8, codePage).bytes, c.language),
                  c.reason)
            << c.utf8;
    }
}

} // namespace
} // namespace cantiva::dictionaries
