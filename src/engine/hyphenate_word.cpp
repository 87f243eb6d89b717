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

// A lone letter broken off a word: X "-" Y, three bytes.
constexpr std::size_t kLoneLetterBreak = 3;

const text::CaseMap& CaseOf(Language l) {
    return *dictionaries::LanguageInfoOf(l).caseMap;
}

// t = X "-" Y where the first hyphen of t is its second character.
bool IsLoneLetterBreak(std::string_view t) {
    return t.size() == kLoneLetterBreak && t[0] != '-' && t[1] == '-';
}

} // namespace

GapWeights ComputeWeights(std::string_view dotted, const WordContext& context, LogLines* log) {
    GapWeights weights{};
    const int limit = std::min(static_cast<int>(dotted.size()), context.longestPattern);
    if (!log) {
        context.patterns.raiseWeights(dotted, limit, weights);
        return weights;
    }
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
            matches.push_back({len, s, record});
        });
    std::stable_sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return std::tie(a.length, a.start) < std::tie(b.length, b.start);
    });
    for (const Match& m : matches)
        log->emplace_back(context.patterns.trimmedText(m.record));
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

bool HasVowel(std::string_view part, const text::ByteSet& vowels) {
    return std::any_of(part.begin(), part.end(), [&](char c) { return vowels.contains(c); });
}

// A sung syllable always holds a vowel: a part without one joins the part before it (un-d,
// a-h-jo), and a first one the part after it (s-pleen). The word is the tail of `out` from
// `from`, whose hyphens all stand between letters.
void JoinVowellessParts(std::string& out, std::size_t from, const text::ByteSet& vowels) {
    std::size_t write = from; // never past the part being read, so the word moves left in place
    std::size_t partStart = from;
    bool writtenHasVowel = false; // the last part written
    for (std::size_t read = from; read <= out.size(); ++read) {
        if (read < out.size() && out[read] != '-')
            continue;
        const bool hasVowel =
            HasVowel(std::string_view(out).substr(partStart, read - partStart), vowels);
        const bool joins = partStart != from && (!hasVowel || !writtenHasVowel);
        if (partStart != from && !joins)
            out[write++] = '-';
        for (std::size_t i = partStart; i < read; ++i)
            out[write++] = out[i];
        writtenHasVowel = joins ? writtenHasVowel || hasVowel : hasVowel;
        partStart = read + 1;
    }
    out.resize(write);
}

// The hyphen of t = X "-" Y at the end of the word stays or goes; the word is the tail of
// `out` from `from`, changed in place.
void JoinFinalLetterInPlace(std::string& out, std::size_t from, Language language) {
    const std::size_t end = out.size();
    if (end - from < kLoneLetterBreak ||
        !IsLoneLetterBreak(std::string_view(out).substr(end - kLoneLetterBreak)))
        return;
    char x = out[end - kLoneLetterBreak];
    char y = out[end - 1];
    bool keep =
        IsRussian(language)
            ? (text::kRussianVowelsAndShortI.contains(x) || text::kRussianSoftSign.contains(x)) &&
                  text::kRussianVowels.contains(y)
            : text::kEnglishVowels.contains(y) &&
                  (text::kEnglishVowels.contains(x) || text::kEnglishConsonants.contains(x));
    if (!keep)
        out.erase(end - 2, 1); // the hyphen
}

void JoinInitialLetterInPlace(std::string& out, std::size_t from, Language language) {
    if (out.size() - from < kLoneLetterBreak ||
        !IsLoneLetterBreak(std::string_view(out).substr(from, kLoneLetterBreak)))
        return;
    char x = out[from];
    char y = out[from + 2];
    bool join = IsRussian(language)
                    ? text::kRussianConsonantsAndSigns.contains(x) &&
                          (text::kRussianConsonantsAndSigns.contains(y) ||
                           text::kRussianVowelsAndShortI.contains(y))
                    : text::kEnglishConsonants.contains(x) &&
                          (text::kEnglishConsonants.contains(y) || text::kLatinVowels.contains(y));
    if (join)
        out.erase(from + 1, 1);
}

// The language's join rules on the word that is the tail of `out` from `from`.
void JoinInPlace(std::string& out, std::size_t from, Language language) {
    if (const auto& info = dictionaries::LanguageInfoOf(language);
        info.joinRule == dictionaries::JoinRule::Vowelless) {
        JoinVowellessParts(out, from, info.vowels);
        return;
    }
    JoinFinalLetterInPlace(out, from, language);
    JoinInitialLetterInPlace(out, from, language);
}

// Appends letter(c) for every c of `letters`, with a hyphen before every letter whose gap weight
// is odd: odd weights are the hyphenation opportunities. Letter i sits at position i + 1 of the
// dotted word (positions from 1), so its gap is weights[i + 1]; the first letter never takes a
// hyphen before it.
template <class Letter>
void AppendWithHyphens(std::string& out, std::string_view letters, const GapWeights& weights,
                       Letter letter) {
    // Room for a hyphen before every letter, written through a pointer and cut back after.
    const std::size_t start = out.size();
    out.resize(start + 2 * letters.size());
    char* next = out.data() + start;
    for (std::size_t i = 1; i <= letters.size(); ++i) {
        if (i >= 2 && i + 1 < weights.size() && weights[i + 1] % 2 == 1)
            *next++ = '-';
        *next++ = letter(letters[i - 1]);
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

} // namespace

std::string JoinFinalLetter(std::string_view hyphenated, Language language) {
    std::string out(hyphenated);
    JoinFinalLetterInPlace(out, 0, language);
    return out;
}

std::string JoinInitialLetter(std::string_view hyphenated, Language language) {
    std::string out(hyphenated);
    JoinInitialLetterInPlace(out, 0, language);
    return out;
}

std::string Join(std::string_view hyphenated, Language language) {
    std::string out(hyphenated);
    JoinInPlace(out, 0, language);
    return out;
}

void AppendWithCaseOf(std::string& out, std::string_view exceptionText, std::string_view original,
                      const text::CaseMap& caseMap) {
    std::size_t k = 0;
    for (char c : exceptionText) {
        if (c == '-') {
            out += c;
            continue;
        }
        out += (k < original.size() && caseMap.isCapital(original[k])) ? caseMap.upper(c) : c;
        ++k;
    }
}

std::string RestoredLetters(std::string_view written, const text::CaseMap& caseMap) {
    std::string letters(written.size(), '\0');
    std::transform(written.begin(), written.end(), letters.begin(),
                   [&caseMap](char c) { return caseMap.restored(c); });
    return letters;
}

std::string InsertHyphens(std::string_view letters, const GapWeights& weights) {
    std::string hyphenated;
    hyphenated.reserve(2 * letters.size());
    AppendWithHyphens(hyphenated, letters, weights, [](char c) { return c; });
    return hyphenated;
}

namespace {

// The word without the punctuation at its ends, which comes back unchanged around the result.
struct PunctuatedWord {
    std::string_view leading;
    std::string_view stripped; // the case of each letter is read from here when put back
    std::string_view trailing;
};

PunctuatedWord SplitPunctuation(std::string_view word) {
    PunctuatedWord parts;
    parts.leading = StartsWithPunctuation(word) ? LeadingPunctuation(word) : std::string_view{};
    parts.trailing = EndsWithPunctuation(word) ? TrailingPunctuation(word) : std::string_view{};
    parts.stripped = StripEnds(word, parts.leading.size(), parts.trailing.size());
    return parts;
}

// ".core.": the stripped word lower-cased between two dots, the form the patterns match.
std::string DottedLowerCase(std::string_view stripped, const text::CaseMap& caseMap) {
    std::string dotted(stripped.size() + 2, '.');
    for (std::size_t i = 0; i < stripped.size(); ++i)
        dotted[i + 1] = caseMap.lower(stripped[i]);
    return dotted;
}

std::string_view CoreOf(const std::string& dotted) {
    return std::string_view(dotted).substr(1, dotted.size() - 2);
}

// An English clitic at the end of the core leaves the dotted word; it is put back after.
std::string_view DropClitic(std::string& dotted) {
    const std::string_view clitic = FindClitic(CoreOf(dotted));
    if (!clitic.empty()) {
        dotted.resize(dotted.size() - 1 - clitic.size());
        dotted += '.';
    }
    return clitic;
}

void LogWeights(const std::string& dotted, const GapWeights& weights, LogLines* log) {
    if (!log)
        return;
    log->push_back(dotted);
    log->push_back(WeightLine(weights, dotted.size()));
    log->emplace_back(kLogRule);
}

} // namespace

void AppendHyphenatedWord(std::string& out, std::string_view word, const WordContext& context,
                          LogLines* log) {
    const Language language = context.language;
    const PunctuatedWord parts = SplitPunctuation(word);
    const text::CaseMap& caseMap = CaseOf(language);
    std::string dotted = DottedLowerCase(parts.stripped, caseMap);

    // An exception wins over the patterns: the first record in file order.
    if (auto exception = context.exceptions.lookup(CoreOf(dotted))) {
        if (log) {
            log->push_back("Exception: " + std::string(*exception));
            log->emplace_back(kLogRule);
        }
        out += parts.leading;
        AppendWithCaseOf(out, *exception, parts.stripped, caseMap);
        out += parts.trailing;
        return;
    }

    if (LinkedLetterCount(CoreOf(dotted), language) < kMinimumLinkedLetters) {
        out += word;
        return;
    }
    const std::string_view clitic = IsEnglish(language) ? DropClitic(dotted) : std::string_view{};
    if (!IsLanguageWord(CoreOf(dotted), language)) {
        out += word;
        return;
    }

    // Every ё is matched as е; the letters as written come back afterwards.
    std::replace(dotted.begin(), dotted.end(), kYo, kYe);
    const GapWeights weights = ComputeWeights(dotted, context, log);
    LogWeights(dotted, weights, log);

    out += parts.leading;
    const std::size_t from = out.size();
    AppendWithHyphens(out, parts.stripped.substr(0, dotted.size() - 2), weights,
                      [&caseMap](char c) { return caseMap.restored(c); });
    JoinInPlace(out, from, language);
    out += parts.stripped.substr(parts.stripped.size() - clitic.size()); // the clitic as written
    out += parts.trailing;
}

std::string HyphenateWord(std::string_view word, const WordContext& context, LogLines* log) {
    std::string out;
    AppendHyphenatedWord(out, word, context, log);
    return out;
}

} // namespace cantiva::engine
