#include "web/web_session.h"

#include "engine/hyphenation_run.h"
#include "export/finale_lyrics.h"
#include "export/pane_text.h"
#include "export/score_macro.h"
#include "export/score_unwritable.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "notation/divided_run_lines.h"
#include "notation/gabc_score.h"
#include "notation/lilypond_lyrics.h"
#include "notation/lyric_laying.h"

#include <stdexcept>

namespace cantiva::web {
namespace {

dictionaries::Language LanguageNamed(const std::string& name) {
    if (auto language = dictionaries::LanguageFromCliName(name))
        return *language;
    throw std::invalid_argument("unknown language " + name);
}

// The pane's lines joined by CR LF, as the window gives them to the core.
std::string CrLfLines(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string_view WithoutBom(std::string_view utf8) {
    if (utf8.starts_with(text::kUtf8Bom))
        utf8.remove_prefix(text::kUtf8Bom.size());
    return utf8;
}

ExportOutcome Written(std::string bytes) {
    return {true, std::move(bytes), {}};
}

ExportOutcome Refused(std::string message) {
    return {false, {}, std::move(message)};
}

} // namespace

std::string TextOfFile(std::string_view bytes) {
    const std::string_view utf8 = WithoutBom(bytes);
    if (text::IsValidUtf8(utf8))
        return std::string(utf8);
    return text::Cp1251ToUtf8(bytes);
}

std::string LaidScoreName(const std::string& scoreName) {
    return notation::LaidScorePath(scoreName).string();
}

WebSession::WebSession(std::string dictionaryFolder)
    : folder_(std::move(dictionaryFolder)), state_(folder_) {}

void WebSession::open(dictionaries::Language language) {
    if (!opened_) {
        state_.openLanguage(language);
        opened_ = true;
    } else {
        state_.switchLanguage(language);
    }
    state_.takeLoadWarning();
}

DivideOutcome WebSession::divide(const std::string& language, const std::string& paneText) {
    divided_ = false;
    language_ = LanguageNamed(language);
    open(language_);
    const text::CodePage& codePage = *dictionaries::LanguageInfoOf(language_).codePage;
    const text::CodePageText input =
        text::Utf8ToCodePage(WithoutBom(CrLfLines(paneText)), codePage);
    const engine::RunResult run =
        engine::RunHyphenation(input, state_, false, nullptr, engine::RunModel::Kept);
    switch (run.status) {
    case engine::RunStatus::Done:
        break;
    case engine::RunStatus::EmptyAfterTrim:
        return {true, {}, {}};
    case engine::RunStatus::IoFailure:
        return {false,
                {},
                DescribeIoError(IoError(
                    run.ioCode, state_.pathOf(dictionaries::DictFile::ExceptionsCompiled)))};
    }
    lines_ = notation::DividedLinesOf(run.divided, codePage);
    paneUtf8_ = text::CodePageToUtf8(run.resultText, input.foreign, codePage);
    finaleUtf8_ =
        text::CodePageToUtf8(text::PaneTextOf(run.divided, "\xA0"), input.foreign, codePage);
    divided_ = true;
    // Long words are left whole; the message says so beside the divided text.
    return {true, paneUtf8_, engine::LongWordWarning(input.bytes, run.longWords)};
}

ExportOutcome WebSession::finale(bool bindDashes) const {
    const text::Cp1251Text pane = text::Utf8ToCp1251(finaleUtf8_);
    if (!divided_ || exporting::IsBlankPane(pane.bytes))
        return Written({});
    // The conversion keeps every character in place, so the foreign ones go back where they were.
    return Written(
        text::Cp1251ToUtf8(exporting::FinaleExportText(pane.bytes, bindDashes), pane.foreign));
}

ExportOutcome WebSession::scoreMacro() const {
    if (!dictionaries::LanguageInfoOf(language_).scoreMacro)
        return Refused(std::string(exporting::kScoreMacroLanguageMessage));
    const text::Cp1251Text pane = text::Utf8ToCp1251(paneUtf8_);
    if (!divided_ || exporting::IsBlankPane(pane.bytes))
        return Written({});
    const std::vector<std::string> unwritable =
        exporting::ScoreUnwritableCharacters({&pane.foreign});
    if (!unwritable.empty())
        return Refused(exporting::ScoreUnwritableMessage(unwritable) + " Nothing was written.");
    return Written(text::Cp1251ToUtf8(exporting::BuildScoreMacro(pane.bytes, {})));
}

ExportOutcome WebSession::lilyPond() const {
    if (!divided_ || exporting::IsBlankPane(paneUtf8_))
        return Written({});
    return Written(notation::LilyPondLyrics(lines_));
}

ExportOutcome WebSession::gabc() const {
    if (!divided_ || exporting::IsBlankPane(paneUtf8_))
        return Written({});
    return Written(notation::GabcScore(lines_));
}

std::vector<std::string> WebSession::scoreParts(const std::string& fileName,
                                                const std::string& bytes) {
    (void)fileName;
    std::vector<std::string> lines;
    try {
        const notation::ScoreContainer score(bytes);
        for (const notation::PartSummary& part : notation::ScoreParts(score)) {
            std::string line = part.id + '\t' + part.name + '\t';
            for (int voice : part.voices)
                line += std::to_string(voice) + ' ';
            lines.push_back(line);
        }
    } catch (const notation::ScoreError& e) {
        return {std::string("!") + e.what()};
    }
    return lines;
}

LayOutcome WebSession::lay(const std::string& fileName, const std::string& bytes,
                           const LayChoice& choice) {
    notation::LayRequest request;
    request.part = choice.part;
    request.voice = choice.voice;
    request.verse = choice.verse;
    request.slurMelisma = choice.slurMelisma;
    request.replaceVerse = choice.replaceVerse;
    try {
        notation::ScoreContainer score(bytes);
        const notation::LayReport report =
            notation::LayLyrics(score, notation::SyllablesInOrder(lines_), request);
        return {true, score.bytes(notation::ScoreFormOfName(fileName)),
                notation::LayReportText(report, request)};
    } catch (const notation::ScoreError& e) {
        return {false, {}, e.what()};
    }
}

std::string WebSession::useExceptions(const std::string& language, const std::string& source) {
    const dictionaries::Language chosen = LanguageNamed(language);
    open(chosen);
    try {
        ReplaceFile(state_.pathOf(dictionaries::DictFile::ExceptionsSource), source);
        state_.rebuildExceptions();
    } catch (const IoError& e) {
        return DescribeIoError(e);
    }
    divided_ = false;
    return {};
}

} // namespace cantiva::web
