#include "engine/folded_word.h"

#include "text/utf8_codec.h"

#include <algorithm>
#include <vector>

namespace cantiva::engine {
namespace {

constexpr std::size_t kNoCut = static_cast<std::size_t>(-1);

// The word in dictionary letters, and for each letter the offset in the written word where a cut
// before it goes (kNoCut inside a ligature).
struct FoldedWord {
    std::string letters;
    std::vector<std::size_t> cutOffset;
    std::vector<std::size_t> hiatus; // letters marked with a diaeresis
};

// A letter of the code page that the language's alphabet lacks (é in German), which the
// language reads as other letters.
bool IsFoldedCodePageLetter(char c, const dictionaries::LanguageInfo& language) {
    return language.foldsCodePageLetters && static_cast<unsigned char>(c) >= 0x80 &&
           c != language.codePage->placeholder() && !language.letters.contains(c);
}

void AppendLetters(FoldedWord& folded, std::string_view letters, std::size_t offset) {
    for (std::size_t k = 0; k < letters.size(); ++k) {
        folded.letters += letters[k];
        folded.cutOffset.push_back(k == 0 ? offset : kNoCut);
    }
}

bool FoldWord(std::string_view word, std::span<const std::string> foreign,
              const dictionaries::LanguageInfo& language, FoldedWord& folded) {
    const char placeholder = language.codePage->placeholder();
    std::size_t next = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != placeholder) {
            // Anything else the language does not read (a quote, ×) stays for the word step.
            const text::Fold fold =
                IsFoldedCodePageLetter(word[i], language)
                    ? language.fold(
                          language.codePage->toUnicode(static_cast<unsigned char>(word[i])), '\0')
                    : text::Fold{};
            if (fold.kind == text::Fold::Kind::Letters)
                AppendLetters(folded, fold.letters, i);
            else
                AppendLetters(folded, std::string_view(&word[i], 1), i);
            continue;
        }
        if (next == foreign.size())
            return false;
        const std::string& written = foreign[next++];
        char32_t cp = 0;
        if (text::DecodeCodePoint(written, cp) != written.size())
            return false;
        const char previous = folded.letters.empty() ? '\0' : folded.letters.back();
        const text::Fold fold = language.fold(cp, previous);
        switch (fold.kind) {
        case text::Fold::Kind::None:
            return false;
        case text::Fold::Kind::Mark:
            if (fold.hiatus && !folded.letters.empty())
                folded.hiatus.push_back(folded.letters.size() - 1);
            break;
        case text::Fold::Kind::Compose:
            if (folded.letters.empty() || fold.letters.size() != 1)
                return false;
            folded.letters.back() = fold.letters.front();
            break;
        case text::Fold::Kind::Letters:
            if (fold.hiatus)
                folded.hiatus.push_back(folded.letters.size());
            AppendLetters(folded, fold.letters, i);
            break;
        }
    }
    return true;
}

// Marks the written offsets where `divided` (the word step's result for `folded.letters`) cuts,
// with the kind of each. False when `divided` is not those letters with cuts between them.
// The cuts are read where a hyphen would stand, before the letter at their offset.
bool ReadCuts(std::string_view divided, std::span<const text::Cut> cuts, const FoldedWord& folded,
              const dictionaries::LanguageInfo& language, std::vector<std::uint8_t>& cutBefore) {
    const text::CaseMap& caseMap = *language.caseMap;
    const std::string& letters = folded.letters;
    std::size_t j = 0;
    std::size_t k = 0;
    // Each step reads one character of the divided word as written: a cut or a letter.
    const auto read = [&](char c, text::CutKind kind) {
        if (j < letters.size() && caseMap.lower(c) == caseMap.lower(letters[j])) {
            ++j;
            return true;
        }
        if (c != '-' || j == 0 || j == letters.size())
            return false;
        if (folded.cutOffset[j] != kNoCut && cutBefore[folded.cutOffset[j]] == 0)
            cutBefore[folded.cutOffset[j]] = static_cast<std::uint8_t>(kind) + 1;
        return true;
    };
    for (std::size_t i = 0; i <= divided.size(); ++i) {
        for (; k < cuts.size() && cuts[k].offset == i; ++k)
            if (!read('-', cuts[k].kind))
                return false;
        if (i < divided.size() && !read(divided[i], text::CutKind::Pattern))
            return false;
    }
    if (j != letters.size())
        return false;
    // A vowel with a diaeresis after a vowel opens a syllable of its own.
    for (std::size_t h : folded.hiatus) {
        if (h > 0 && folded.cutOffset[h] != kNoCut &&
            language.hiatusVowels.contains(caseMap.lower(letters[h - 1])) &&
            language.hiatusVowels.contains(caseMap.lower(letters[h])) &&
            cutBefore[folded.cutOffset[h]] == 0)
            cutBefore[folded.cutOffset[h]] = static_cast<std::uint8_t>(text::CutKind::Pattern) + 1;
    }
    return true;
}

} // namespace

void DivideWrittenWord(WordSink& sink, std::string_view word, std::span<const std::string> foreign,
                       const WordContext& context, LogLines* log) {
    const dictionaries::LanguageInfo& language = dictionaries::LanguageInfoOf(context.language);
    if (word.find(language.codePage->placeholder()) == std::string_view::npos &&
        std::none_of(word.begin(), word.end(),
                     [&](char c) { return IsFoldedCodePageLetter(c, language); })) {
        DivideWord(sink, word, context, log);
        return;
    }
    FoldedWord folded;
    if (!FoldWord(word, foreign, language, folded)) {
        sink.letters += word;
        return;
    }
    std::string divided;
    std::vector<text::Cut> cuts;
    WordSink inner{divided, cuts, 0};
    DivideWord(inner, folded.letters, context, log);
    std::vector<std::uint8_t> cutBefore(word.size(), 0); // the kind + 1, or 0
    if (!ReadCuts(divided, cuts, folded, language, cutBefore)) {
        sink.letters += word;
        return;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (cutBefore[i] != 0)
            sink.cut(static_cast<text::CutKind>(cutBefore[i] - 1));
        sink.letters += word[i];
    }
}

} // namespace cantiva::engine
