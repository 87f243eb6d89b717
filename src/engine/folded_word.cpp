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

// Marks the written offsets where `divided` (the word step's result for `folded.letters`) cuts.
// False when `divided` is not those letters with hyphens between them.
bool ReadCuts(std::string_view divided, const FoldedWord& folded, const text::CaseMap& caseMap,
              std::vector<bool>& cutBefore) {
    const std::string& letters = folded.letters;
    std::size_t j = 0;
    for (char c : divided) {
        if (j < letters.size() && caseMap.lower(c) == caseMap.lower(letters[j])) {
            ++j;
            continue;
        }
        if (c != '-' || j == 0 || j == letters.size())
            return false;
        if (folded.cutOffset[j] != kNoCut)
            cutBefore[folded.cutOffset[j]] = true;
    }
    if (j != letters.size())
        return false;
    // A vowel with a diaeresis after a vowel opens a syllable of its own.
    constexpr std::string_view kVowels = "aeiouy";
    for (std::size_t h : folded.hiatus) {
        if (h > 0 && folded.cutOffset[h] != kNoCut &&
            kVowels.find(caseMap.lower(letters[h - 1])) != std::string_view::npos &&
            kVowels.find(caseMap.lower(letters[h])) != std::string_view::npos)
            cutBefore[folded.cutOffset[h]] = true;
    }
    return true;
}

} // namespace

void AppendWrittenWord(std::string& out, std::string_view word,
                       std::span<const std::string> foreign, const WordContext& context,
                       LogLines* log) {
    const dictionaries::LanguageInfo& language = dictionaries::LanguageInfoOf(context.language);
    if (word.find(language.codePage->placeholder()) == std::string_view::npos &&
        std::none_of(word.begin(), word.end(),
                     [&](char c) { return IsFoldedCodePageLetter(c, language); })) {
        AppendHyphenatedWord(out, word, context, log);
        return;
    }
    FoldedWord folded;
    if (!FoldWord(word, foreign, language, folded)) {
        out += word;
        return;
    }
    std::string divided;
    AppendHyphenatedWord(divided, folded.letters, context, log);
    std::vector<bool> cutBefore(word.size(), false);
    if (!ReadCuts(divided, folded, *language.caseMap, cutBefore)) {
        out += word;
        return;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (cutBefore[i])
            out += '-';
        out += word[i];
    }
}

} // namespace cantiva::engine
