#include "engine/hyphenation_run.h"
#include "io/io_error.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace cantiva::engine {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using test_support::MainSource;
using test_support::TempFolder;
using test_support::U;
using test_support::W;

class RecordingObserver : public RunObserver {
public:
    void information(std::string_view message) override { messages.emplace_back(message); }
    void progressRange(int minimum, int maximum) override {
        rangeMin = minimum;
        rangeMax = maximum;
    }
    void progressPosition(int position) override { positions.push_back(position); }

    std::vector<std::string> messages;
    int rangeMin = -1, rangeMax = -1;
    std::vector<int> positions;
};

class Run : public ::testing::Test {
protected:
    Run() {
        std::vector<std::string> sections(33);
        sections[1] = W("а1м");
        folder.writeDictionaries(MainSource(Language::Russian, sections), W("при-мер"),
                                 MainSource(Language::English, {"", "a1b"}),
                                 MainSource(Language::Latin, {"", "a1b"}));
        state.openAtStartup();
    }
    RunResult run(std::string_view utf8, bool logEnabled = false) {
        return RunHyphenation(W(utf8), state, logEnabled, &observer);
    }

    TempFolder folder;
    DictionaryState state{folder.path()};
    RecordingObserver observer;
};

TEST_F(Run, JoinsWordsWithTheSeparatorsOfTheInput) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"Мама, мама!\r\nok", "Ма-ма, ма-ма!\r\nok\r\n"},
        {"  мама   мама \r\n\r\n  мама\r\n", "ма-ма   ма-ма \r\n\r\n  ма-ма\r\n"},
        {"мама-мама", "ма-ма-ма-ма\r\n"},
        {"мама\xC2\xA0мама", "ма-ма\xC2\xA0ма-ма\r\n"},
        {"мама-", "ма-ма-\r\n"},
        {"мама\nмама", "ма-ма\r\nма-ма\r\n"}, // a lone line feed ends a line too
        {"мама\rмама", "ма-ма\r\nма-ма\r\n"},
        {"Пример!", "При-мер!\r\n"},
        {"- - -", "- - -\r\n"},
    };
    for (const Case& c : cases) {
        RunResult r = run(c.in);
        EXPECT_EQ(r.status, RunStatus::Done) << c.in;
        EXPECT_EQ(U(r.resultText), c.out) << c.in;
    }
}

TEST_F(Run, EmptyTextStopsAndLongWordsAreLeftWhole) {
    EXPECT_EQ(run(" \r\n \t").status, RunStatus::EmptyAfterTrim);
    EXPECT_EQ(run("").status, RunStatus::EmptyAfterTrim);

    const std::string huge(70000, 'q'); // more than a token of the model holds
    struct Case {
        std::string in;
        std::string out;
        std::vector<std::size_t> starts; // of the words left whole
    } cases[] = {
        {"мама " + std::string(32, 'x'), "ма-ма " + std::string(32, 'x'), {}},
        // The hyphen that ends the token counts; the words after it are still divided.
        {"  a\r\n" + std::string(32, 'y') + "- мама",
         "a\r\n" + std::string(32, 'y') + "- ма-ма",
         {5}},
        {std::string(33, 'z') + " мама\n" + std::string(40, 'w'),
         std::string(33, 'z') + " ма-ма\r\n" + std::string(40, 'w'),
         {0, 39}},
        {"мама " + huge + " мама", "ма-ма " + huge + " ма-ма", {5}},
    };
    for (const Case& c : cases) {
        RunResult r = run(c.in);
        EXPECT_EQ(r.status, RunStatus::Done);
        EXPECT_EQ(U(r.resultText), c.out + "\r\n") << c.in.substr(0, 40);
        std::vector<std::size_t> starts;
        for (const LongWord& word : r.longWords)
            starts.push_back(word.start);
        EXPECT_EQ(starts, c.starts) << c.in.substr(0, 40);
    }
}

TEST(LineNumberAt, EveryKindOfLineEndCountsOnce) {
    const struct {
        std::string_view text;
        std::size_t offset;
        std::size_t line;
    } cases[] = {
        {"abc", 2, 1},
        {"a\r\nb", 3, 2},
        {"a\r\nb", 2, 2}, // between CR and LF: the line has ended
        {"a\rb\nc\r\n\nd", 9, 5},
        {"a\nb", 99, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LineNumberAt(c.text, c.offset), c.line) << c.text << " @" << c.offset;
}

TEST_F(Run, ProgressRunsOverTheTokens) {
    run("a b c");
    EXPECT_EQ(observer.rangeMin, 0);
    EXPECT_EQ(observer.rangeMax, 2);
    EXPECT_EQ(observer.positions, (std::vector<int>{0, 1, 2}));
}

TEST_F(Run, LogIsWrittenWhenEnabledAndTheTextIsShortEnough) {
    const std::string exactly = "мама " + std::string(16384 - 5, 'x'); // 16384 bytes in the core
    std::string longer = "мама";
    for (int i = 0; i < 8190; ++i)
        longer += " x";
    longer += "y";
    ASSERT_EQ(W(longer).size(), 16385u);
    const struct {
        std::string text;
        bool enabled;
        bool logged;
        bool toldTooLong;
    } cases[] = {
        {"мама", true, true, false}, // the first run of a session logs too
        {"мама", false, false, false}, {exactly, true, true, false},
        {longer, true, false, true},   {longer, false, false, false}, // nothing to give up
    };
    for (const auto& c : cases) {
        observer.messages.clear();
        RunResult r = run(c.text, c.enabled);
        EXPECT_EQ(!r.log.empty(), c.logged) << c.text.size() << " " << c.enabled;
        EXPECT_EQ(observer.messages.size(), c.toldTooLong ? 1u : 0u) << c.text.size();
    }
    // Per word: the patterns that matched, the word's weights, then the rule.
    EXPECT_EQ(run("мама", true).log.size(), 4u);
}

TEST_F(Run, AnExceptionsFileThatCannotBeReadStopsTheRun) {
    std::filesystem::remove(folder / "RHYPHEN.XCD");
    EXPECT_THROW(state.loadExceptions(), IoError);
    RunResult r = run("мама мама");
    EXPECT_EQ(r.status, RunStatus::IoFailure);
    EXPECT_EQ(r.ioCode, 2);
    EXPECT_TRUE(r.resultText.empty());
}

TEST_F(Run, SameTextTwiceGivesTheSameResultInEveryLanguage) {
    for (Language l : dictionaries::kAllLanguages) {
        state.switchLanguage(l);
        std::string first = run("abab Мама, abab!").resultText;
        EXPECT_EQ(first, run("abab Мама, abab!").resultText);
    }
    state.switchLanguage(Language::Latin);
    EXPECT_EQ(U(run("abab").resultText), "a-bab\r\n");
}

TEST_F(Run, WordsSeenBeforeDivideAsTheFirstTime) {
    // A logged run divides every word afresh; an unlogged one recalls the words it has seen.
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "мама Мама, МАМА! пример Пример примерами (мама) мама-мама мамаа\r\n";
    for (Language l : {Language::Russian, Language::English, Language::French}) {
        state.switchLanguage(l);
        const RunResult logged = run(text, true);
        ASSERT_FALSE(logged.log.empty());
        EXPECT_EQ(U(run(text).resultText), U(logged.resultText));
    }
    state.switchLanguage(Language::Russian);
    EXPECT_NE(U(run(text).resultText).find("ма-ма Ма-ма, МА-МА! при-мер При-мер"),
              std::string::npos);
}

TEST_F(Run, HostileTextsFinish) {
    std::string nuls("a\0b\0\0 c", 7);
    // Control bytes at the ends of a word are trimmed like blanks; inside it they stay.
    EXPECT_EQ(RunHyphenation(nuls, state, false, nullptr).resultText, std::string("a\0b c\r\n", 7));
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 37) % 256);
    RunResult r = RunHyphenation(binary, state, false, nullptr);
    EXPECT_EQ(r.status, RunStatus::Done);
    EXPECT_EQ(RunHyphenation("\r\r\n\n", state, false, nullptr).status, RunStatus::EmptyAfterTrim);
}

} // namespace
} // namespace cantiva::engine
