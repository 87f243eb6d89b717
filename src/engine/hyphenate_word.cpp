#include "engine/hyphenate_word.h"

#include "engine/word_parts.h"
#include "text/cp1251.h"

#include <algorithm>
#include <tuple>

namespace cantiva::engine {
namespace {

constexpr char kYo = '\xB8';
constexpr char kYe = '\xE5';

bool IsRussian(Language l) {
    return l == Language::Russian;
}

bool IsEnglish(Language l) {
    return l == Language::English || l == Language::American;
}

// t = X "-" Y where the first hyphen of t is its second character.
bool IsLoneLetterBreak(std::string_view t) {
    return t.size() == 3 && t[0] != '-' && t[1] == '-';
}

} // namespace

GapWeights ComputeWeights(std::string_view dotted, const WordContext& context, LogLines* log) {
    GapWeights weights{};
    const int limit = std::min(static_cast<int>(dotted.size()), context.longestPattern);
    struct Match {
        std::size_t length;
        std::size_t start;
        std::uint32_t record;
    };
    std::vector<Match> matches;
    context.patterns.forEachMatch(
        dotted, limit, [&](std::size_t s, std::size_t len, std::uint32_t record) {
            for (auto [offset, value] : context.patterns.weights(record)) {
                std::size_t p = s + 1 + offset;
                if (p < weights.size())
                    weights[p] = std::max(weights[p], value);
            }
            if (log)
                matches.push_back({len, s, record});
        });
    if (log) {
        std::stable_sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
            return std::tie(a.length, a.start) < std::tie(b.length, b.start);
        });
        for (const Match& m : matches)
            log->emplace_back(context.patterns.trimmedText(m.record));
    }
    return weights;
}

std::string WeightLine(const GapWeights& weights, std::size_t n) {
    std::string line;
    for (std::size_t p = 1; p <= n && p < weights.size(); ++p) {
        line += std::to_string(weights[p]);
        line += ' ';
    }
    return line;
}

namespace {

// The hyphen of t = X "-" Y at the end of the word stays or goes; the word is changed in place.
void JoinFinalLetterInPlace(std::string& hyphenated, Language language) {
    if (hyphenated.size() < 3 ||
        !IsLoneLetterBreak(std::string_view(hyphenated).substr(hyphenated.size() - 3)))
        return;
    char x = hyphenated[hyphenated.size() - 3];
    char y = hyphenated[hyphenated.size() - 1];
    bool keep =
        IsRussian(language)
            ? (text::kRussianVowelsAndShortI.contains(x) || text::kRussianSoftSign.contains(x)) &&
                  text::kRussianVowels.contains(y)
            : text::kEnglishVowels.contains(y) &&
                  (text::kEnglishVowels.contains(x) || text::kEnglishConsonants.contains(x));
    if (!keep)
        hyphenated.erase(hyphenated.size() - 2, 1);
}

void JoinInitialLetterInPlace(std::string& hyphenated, Language language) {
    if (hyphenated.size() < 3 || !IsLoneLetterBreak(std::string_view(hyphenated).substr(0, 3)))
        return;
    char x = hyphenated[0];
    char y = hyphenated[2];
    bool join = IsRussian(language)
                    ? text::kRussianConsonantsAndSigns.contains(x) &&
                          (text::kRussianConsonantsAndSigns.contains(y) ||
                           text::kRussianVowelsAndShortI.contains(y))
                    : text::kEnglishConsonants.contains(x) &&
                          (text::kEnglishConsonants.contains(y) || text::kLatinVowels.contains(y));
    if (join)
        hyphenated.erase(1, 1);
}

} // namespace

std::string JoinFinalLetter(std::string_view hyphenated, Language language) {
    std::string out(hyphenated);
    JoinFinalLetterInPlace(out, language);
    return out;
}

std::string JoinInitialLetter(std::string_view hyphenated, Language language) {
    std::string out(hyphenated);
    JoinInitialLetterInPlace(out, language);
    return out;
}

void AppendWithCaseOf(std::string& out, std::string_view exceptionText, std::string_view original) {
    std::size_t k = 0;
    for (char c : exceptionText) {
        if (c == '-') {
            out += c;
            continue;
        }
        out += (k < original.size() && IsUpperLetter(original[k])) ? text::UpperChar(c) : c;
        ++k;
    }
}

void AppendHyphenatedWord(std::string& out, std::string_view word, const WordContext& context,
                          LogLines* log) {
    const Language language = context.language;

    // 1. Punctuation at both ends.
    std::string_view leading =
        StartsWithPunctuation(word) ? LeadingPunctuation(word) : std::string_view{};
    std::string_view trailing =
        EndsWithPunctuation(word) ? TrailingPunctuation(word) : std::string_view{};
    // 2. The case of each letter is read from `stripped` itself when it is put back.
    const std::string_view stripped = StripEnds(word, leading.size(), trailing.size());

    // 3. Lower case, kept as the dotted word ".core." so the core is a part of it.
    std::string dotted(stripped.size() + 2, '.');
    for (std::size_t i = 0; i < stripped.size(); ++i)
        dotted[i + 1] = text::LowerChar(stripped[i]);
    auto core = [&dotted] { return std::string_view(dotted).substr(1, dotted.size() - 2); };

    // 4. Exceptions, first record in file order.
    if (auto exception = context.exceptions.lookup(core())) {
        if (log) {
            log->push_back("Exception: " + std::string(*exception));
            log->emplace_back(kLogRule);
        }
        out += leading;
        AppendWithCaseOf(out, *exception, stripped);
        out += trailing;
        return;
    }

    // 5. Eligibility, English clitics.
    if (LinkedLetterCount(core(), language) < 3) {
        out += word;
        return;
    }
    std::string_view clitic;
    if (IsEnglish(language)) {
        clitic = FindClitic(core());
        if (!clitic.empty()) {
            dotted.resize(dotted.size() - 1 - clitic.size());
            dotted += '.';
        }
    }
    if (!IsLanguageWord(core(), language)) {
        out += word;
        return;
    }

    // 6. Patterns. Every ё is matched as е and put back afterwards.
    for (char& c : dotted)
        if (c == kYo)
            c = kYe;
    GapWeights weights = ComputeWeights(dotted, context, log);
    if (log) {
        log->push_back(dotted);
        log->push_back(WeightLine(weights, dotted.size()));
        log->emplace_back(kLogRule);
    }

    // The lower-cased letters come back from the original: ё and the case are restored at once.
    const std::size_t k = dotted.size() - 2;
    std::string hyphenated(2 * k, '\0');
    std::size_t length = 0;
    for (std::size_t i = 1; i <= k; ++i) {
        if (i >= 2 && i + 1 < weights.size() && weights[i + 1] % 2 == 1)
            hyphenated[length++] = '-';
        char c = text::LowerChar(stripped[i - 1]);
        hyphenated[length++] = IsUpperLetter(stripped[i - 1]) ? text::UpperChar(c) : c;
    }
    hyphenated.resize(length);
    JoinFinalLetterInPlace(hyphenated, language);
    JoinInitialLetterInPlace(hyphenated, language);
    out += leading;
    out += hyphenated;
    out += clitic;
    out += trailing;
}

std::string HyphenateWord(std::string_view word, const WordContext& context, LogLines* log) {
    std::string out;
    AppendHyphenatedWord(out, word, context, log);
    return out;
}

} // namespace cantiva::engine
