#include "engine/hyphenate_word.h"

#include "engine/character_sets.h"
#include "engine/word_functions.h"
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
    const int limit = std::min(static_cast<int>(dotted.size()), context.patternMaxLen);
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

std::string InsertHyphens(std::string_view core, const GapWeights& weights) {
    std::string out;
    out.reserve(core.size() * 2);
    for (std::size_t i = 1; i <= core.size(); ++i) {
        if (i >= 2 && i + 1 < weights.size() && weights[i + 1] % 2 == 1)
            out += '-';
        out += core[i - 1];
    }
    return out;
}

std::string JoinFinalLetter(std::string_view h, Language language) {
    if (h.size() < 3 || !IsLoneLetterBreak(h.substr(h.size() - 3)))
        return std::string(h);
    char x = h[h.size() - 3];
    char y = h[h.size() - 1];
    bool keep = IsRussian(language)
                    ? (kRussianVowelsAndShortI.contains(x) || kRussianSoftSign.contains(x)) &&
                          kRussianVowels.contains(y)
                    : kEnglishVowels.contains(y) &&
                          (kEnglishVowels.contains(x) || kEnglishConsonants.contains(x));
    if (keep)
        return std::string(h);
    std::string out(h.substr(0, h.size() - 2));
    out += y;
    return out;
}

std::string JoinInitialLetter(std::string_view h, Language language) {
    if (h.size() < 3 || !IsLoneLetterBreak(h.substr(0, 3)))
        return std::string(h);
    char x = h[0];
    char y = h[2];
    bool join =
        IsRussian(language)
            ? kRussianConsonantsAndSigns.contains(x) &&
                  (kRussianConsonantsAndSigns.contains(y) || kRussianVowelsAndShortI.contains(y))
            : kEnglishConsonants.contains(x) &&
                  (kEnglishConsonants.contains(y) || kLatinVowels.contains(y));
    if (!join)
        return std::string(h);
    std::string out(1, x);
    out.append(h.substr(2));
    return out;
}

std::string ApplyCase(std::string_view f, const std::vector<bool>& caseFlags) {
    std::string out;
    out.reserve(f.size());
    std::size_t k = 0;
    for (char c : f) {
        if (c == '-') {
            out += c;
            continue;
        }
        out += (k < caseFlags.size() && caseFlags[k]) ? text::UpperChar(c) : c;
        ++k;
    }
    return out;
}

std::string HyphenateWord(std::string_view w, const WordContext& context, LogLines* log) {
    const Language language = context.language;

    // 1. Punctuation at both ends.
    std::string_view leading =
        StartsWithPunctuation(w) ? LeadingPunctuation(w) : std::string_view{};
    std::string_view trailingPart =
        EndsWithPunctuation(w) ? TrailingPunctuation(w) : std::string_view{};
    std::string_view stripped = StripEnds(w, leading.size(), trailingPart.size());
    std::string trailing(trailingPart);

    // 2, 3. Case flags, then lower case.
    std::vector<bool> caseFlags(stripped.size());
    for (std::size_t i = 0; i < stripped.size(); ++i)
        caseFlags[i] = IsUpperLetter(stripped[i]);
    std::string core = text::Lower(stripped);

    auto wrap = [&](std::string_view middle) {
        std::string out(leading);
        out += middle;
        out += trailing;
        return out;
    };

    // 4. Exceptions, first record in file order.
    if (auto exception = context.exceptions.lookup(core)) {
        if (log) {
            log->push_back("Exception: " + std::string(*exception));
            log->emplace_back(kLogRule);
        }
        return wrap(ApplyCase(*exception, caseFlags));
    }

    // 5. Eligibility, English clitics.
    if (LinkedLetterCount(core, language) < 3)
        return std::string(w);
    if (IsEnglish(language)) {
        if (int k = FindClitic(core); k > 0) {
            std::string_view clitic = kEnglishClitics[static_cast<std::size_t>(k - 1)];
            trailing = std::string(clitic) + trailing;
            core.resize(core.size() - clitic.size());
        }
    }
    if (!IsLanguageWord(core, language))
        return std::string(w);

    // 6. Patterns. Every ё is matched as е and put back afterwards.
    std::vector<std::size_t> yoPositions;
    for (std::size_t i = 0; i < core.size(); ++i)
        if (core[i] == kYo) {
            yoPositions.push_back(i);
            core[i] = kYe;
        }
    std::string dotted = "." + core + ".";
    GapWeights weights = ComputeWeights(dotted, context, log);
    if (log) {
        log->push_back(dotted);
        log->push_back(WeightLine(weights, dotted.size()));
        log->emplace_back(kLogRule);
    }
    for (std::size_t i : yoPositions)
        core[i] = kYo;
    for (std::size_t i = 0; i < core.size(); ++i)
        if (caseFlags[i])
            core[i] = text::UpperChar(core[i]);
    std::string hyphenated = InsertHyphens(core, weights);
    hyphenated = JoinInitialLetter(JoinFinalLetter(hyphenated, language), language);
    return wrap(hyphenated);
}

} // namespace cantiva::engine
