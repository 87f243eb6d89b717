#include "engine/hyphenate_word.h"

#include "engine/word_parts.h"
#include "text/cp1251.h"

#include <algorithm>
#include <tuple>

namespace cantiva::engine {
namespace {} // namespace

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

// The cuts of a word, as the letter index each comes before (never 0), in order.
struct CutList {
    std::array<std::uint8_t, kGapSlots> at{};
    std::size_t count = 0;

    void push(std::size_t i) { at[count++] = static_cast<std::uint8_t>(i); }
    void eraseAt(std::size_t k) {
        std::copy(at.begin() + static_cast<std::ptrdiff_t>(k + 1),
                  at.begin() + static_cast<std::ptrdiff_t>(count),
                  at.begin() + static_cast<std::ptrdiff_t>(k));
        --count;
    }
    bool empty() const { return count == 0; }
};

// A sung syllable always holds a vowel: a part without one joins the part before it (un-d,
// a-h-jo), and a first one the part after it (s-pleen).
void JoinVowellessParts(std::string_view letters, CutList& cuts, const text::ByteSet& vowels) {
    CutList kept;
    std::size_t partStart = 0;
    bool writtenHasVowel = false; // the last part written
    for (std::size_t k = 0; k <= cuts.count; ++k) {
        const std::size_t end = k < cuts.count ? cuts.at[k] : letters.size();
        const bool hasVowel = HasVowel(letters.substr(partStart, end - partStart), vowels);
        const bool joins = k != 0 && (!hasVowel || !writtenHasVowel);
        if (k != 0 && !joins)
            kept.push(partStart);
        writtenHasVowel = joins ? writtenHasVowel || hasVowel : hasVowel;
        partStart = end;
    }
    cuts = kept;
}

// English, Russian: a part without a vowel joins the part after it (Lu-b-in: Lu-bin, no-bl-est:
// no-blest, при-з-ри: при-зри), the last part the one before it, and so does a part that ends in
// a letter of `joinsBack` (Russian ь, ъ: куп-ль-шы: купль-шы, го-то-вь-ся: го-товь-ся).
void JoinVowellessPartsForward(std::string_view letters, CutList& cuts, const text::ByteSet& vowels,
                               const text::ByteSet& joinsBack) {
    std::size_t kept = 0; // compacted in place: a kept cut never moves right
    std::size_t partStart = 0;
    for (std::size_t k = 0; k < cuts.count; ++k) {
        const std::string_view part = letters.substr(partStart, cuts.at[k] - partStart);
        if (HasVowel(part, vowels)) {
            cuts.at[kept++] = cuts.at[k];
            partStart = cuts.at[k];
        } else if (kept > 0 && !part.empty() && joinsBack.contains(part.back())) {
            cuts.at[kept - 1] = cuts.at[k]; // the cut before the part moves to its end
            partStart = cuts.at[k];
        }
    }
    if (kept > 0 && !HasVowel(letters.substr(partStart), vowels))
        --kept;
    cuts.count = kept;
}

// A break that leaves the last letter alone stays only where the language keeps it.
void JoinFinalLetter(std::string_view letters, CutList& cuts,
                     const dictionaries::LoneLetterJoin& rule) {
    const std::size_t n = letters.size();
    if (cuts.empty() || n < 2 || cuts.at[cuts.count - 1] != n - 1)
        return;
    if (!(rule.finalKeptBefore.contains(letters[n - 2]) &&
          rule.finalKeptLone.contains(letters[n - 1])))
        --cuts.count;
}

void JoinInitialLetter(std::string_view letters, CutList& cuts,
                       const dictionaries::LoneLetterJoin& rule) {
    if (cuts.empty() || letters.size() < 2 || cuts.at[0] != 1)
        return;
    if (rule.initialJoinedLone.contains(letters[0]) && rule.initialJoinedNext.contains(letters[1]))
        cuts.eraseAt(0);
}

// The language's join rules on the cuts of `letters`.
void ApplyJoinRules(std::string_view letters, CutList& cuts,
                    const dictionaries::LanguageInfo& info) {
    if (info.joinRule == dictionaries::JoinRule::Vowelless) {
        JoinVowellessParts(letters, cuts, info.vowels);
        return;
    }
    JoinFinalLetter(letters, cuts, info.loneLetter);
    JoinInitialLetter(letters, cuts, info.loneLetter);
    if (info.joinRule == dictionaries::JoinRule::LoneLetterAndVowelless)
        JoinVowellessPartsForward(letters, cuts, info.vowels, info.loneLetter.vowellessJoinsBack);
}

// The cuts of the odd weights: letter i sits at position i + 1 of the dotted word (positions
// from 1), so its gap is weights[i + 1]; the first letter never takes a cut before it.
CutList OddWeightCuts(std::size_t letterCount, const GapWeights& weights) {
    CutList cuts;
    for (std::size_t i = 1; i < letterCount && i + 2 < weights.size(); ++i)
        if (weights[i + 2] % 2 == 1)
            cuts.push(i);
    return cuts;
}

// A hyphenated string read as letters and cuts: every hyphen cuts before the next letter.
std::string ReadHyphenated(std::string_view hyphenated, CutList& cuts) {
    std::string letters;
    for (char c : hyphenated) {
        if (c == '-' && cuts.count < kGapSlots)
            cuts.push(letters.size());
        else
            letters += c;
    }
    return letters;
}

std::string WithHyphens(std::string_view letters, const CutList& cuts) {
    std::string out;
    std::size_t k = 0;
    for (std::size_t i = 0; i <= letters.size(); ++i) {
        for (; k < cuts.count && cuts.at[k] == i; ++k)
            out += '-';
        if (i < letters.size())
            out += letters[i];
    }
    return out;
}

// The string forms of the join rules, for words whose hyphens are not all between two letters.
bool HyphensBetweenLetters(std::string_view hyphenated) {
    for (std::size_t i = 0; i < hyphenated.size(); ++i)
        if (hyphenated[i] == '-' &&
            (i == 0 || i + 1 == hyphenated.size() || hyphenated[i - 1] == '-'))
            return false;
    return true;
}

} // namespace

std::string JoinFinalLetter(std::string_view hyphenated, Language language) {
    if (!HyphensBetweenLetters(hyphenated))
        return std::string(hyphenated);
    CutList cuts;
    const std::string letters = ReadHyphenated(hyphenated, cuts);
    JoinFinalLetter(letters, cuts, dictionaries::LanguageInfoOf(language).loneLetter);
    return WithHyphens(letters, cuts);
}

std::string JoinInitialLetter(std::string_view hyphenated, Language language) {
    if (!HyphensBetweenLetters(hyphenated))
        return std::string(hyphenated);
    CutList cuts;
    const std::string letters = ReadHyphenated(hyphenated, cuts);
    JoinInitialLetter(letters, cuts, dictionaries::LanguageInfoOf(language).loneLetter);
    return WithHyphens(letters, cuts);
}

std::string Join(std::string_view hyphenated, Language language) {
    if (!HyphensBetweenLetters(hyphenated))
        return std::string(hyphenated);
    CutList cuts;
    const std::string letters = ReadHyphenated(hyphenated, cuts);
    ApplyJoinRules(letters, cuts, dictionaries::LanguageInfoOf(language));
    return WithHyphens(letters, cuts);
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

namespace {

// The same into a sink: the exception's hyphens become its cuts.
void WriteWithCaseOf(WordSink& sink, std::string_view exceptionText, std::string_view original,
                     const text::CaseMap& caseMap) {
    std::size_t k = 0;
    for (char c : exceptionText) {
        if (c == '-') {
            sink.cut(text::CutKind::Exception);
            continue;
        }
        sink.letters +=
            (k < original.size() && caseMap.isCapital(original[k])) ? caseMap.upper(c) : c;
        ++k;
    }
}

} // namespace

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

// A clitic of the language at the end of the core leaves the dotted word; it is put back after.
std::string_view DropClitic(std::string& dotted, std::span<const std::string_view> clitics) {
    const std::string_view clitic = FindClitic(CoreOf(dotted), clitics);
    if (!clitic.empty()) {
        dotted.resize(dotted.size() - 1 - clitic.size());
        dotted += '.';
    }
    return clitic;
}

// An exception wins over the patterns: the first record in file order. Writes it after
// `leading`, in the case of `written`, and says whether there was one.
bool WriteException(WordSink& sink, std::string_view leading, std::string_view written,
                    const std::string& dotted, const WordContext& context, LogLines* log) {
    const auto exception = context.exceptions.lookup(CoreOf(dotted));
    if (!exception)
        return false;
    if (log) {
        log->push_back("Exception: " + std::string(*exception));
        log->emplace_back(kLogRule);
    }
    sink.letters += leading;
    WriteWithCaseOf(sink, *exception, written,
                    *dictionaries::LanguageInfoOf(context.language).caseMap);
    return true;
}

void LogWeights(const std::string& dotted, const GapWeights& weights, LogLines* log) {
    if (!log)
        return;
    log->push_back(dotted);
    log->push_back(WeightLine(weights, dotted.size()));
    log->emplace_back(kLogRule);
}

// The letters of `written` (the core as written) divided by the patterns and the join rules.
void DivideByPatterns(WordSink& sink, std::string_view written, std::string& dotted,
                      const WordContext& context, LogLines* log) {
    const dictionaries::LanguageInfo& info = dictionaries::LanguageInfoOf(context.language);
    // The letters as written come back afterwards. Looked for first: few words hold one.
    if (info.matchedFrom != '\0' && dotted.find(info.matchedFrom) != std::string::npos)
        std::replace(dotted.begin(), dotted.end(), info.matchedFrom, info.matchedAs);
    const GapWeights weights = ComputeWeights(dotted, context, log);
    LogWeights(dotted, weights, log);

    const std::size_t from = sink.letters.size();
    sink.letters.resize(from + written.size());
    char* to = sink.letters.data() + from;
    for (char c : written)
        *to++ = info.caseMap->restored(c);
    const std::string_view letters = std::string_view(sink.letters).substr(from);
    CutList cuts = OddWeightCuts(letters.size(), weights);
    ApplyJoinRules(letters, cuts, info);
    for (std::size_t k = 0; k < cuts.count; ++k)
        sink.cuts.push_back(
            {static_cast<std::uint16_t>(from - sink.start + cuts.at[k]), text::CutKind::Pattern});
}

std::size_t VowelGroups(std::string_view letters, const text::ByteSet& vowels) {
    std::size_t groups = 0;
    bool inGroup = false;
    for (char c : letters) {
        const bool vowel = vowels.contains(c);
        groups += vowel && !inGroup ? 1 : 0;
        inGroup = vowel;
    }
    return groups;
}

// An apostrophe where a word lost its final vowel before one (l'a, jusqu'au, dell'anima,
// un'altra): the letters before it end in a consonant or "qu", the letters after it open with a
// vowel or an h and a vowel.
bool ElidesBeforeVowel(std::string_view letters, std::size_t mark,
                       const dictionaries::LanguageInfo& info) {
    const text::CaseMap& caseMap = *info.caseMap;
    const bool opens = info.vowels.contains(letters[mark]) ||
                       (caseMap.lower(letters[mark]) == 'h' && mark + 1 < letters.size() &&
                        info.vowels.contains(letters[mark + 1]));
    const bool qu = mark >= 2 && caseMap.lower(letters[mark - 2]) == 'q' &&
                    caseMap.lower(letters[mark - 1]) == 'u';
    return opens && (qu || !info.vowels.contains(letters[mark - 1]));
}

// The elided word is divided as it is written with its e (jusque: jus-que), its last consonants
// go with the first syllable of the next word, and that word divides as it does alone:
// jus-qu'au, del-l'a-ni-ma, m'a-vez, l'heu-re.
void DivideElision(WordSink& sink, std::string_view written, std::size_t mark,
                   const WordContext& context, LogLines* log) {
    const std::string_view elided = written.substr(0, mark);
    std::string full(elided);
    full += 'e';
    std::string letters;
    std::vector<text::Cut> cuts;
    WordSink inner{letters, cuts, 0};
    DivideWord(inner, full, context, nullptr);
    const std::size_t at = sink.letters.size() - sink.start;
    if (letters.size() == full.size()) { // an exception may spell the word otherwise
        for (const text::Cut& cut : cuts) {
            if (cut.offset < elided.size())
                sink.cuts.push_back({static_cast<std::uint16_t>(at + cut.offset), cut.kind});
        }
    }
    sink.letters += written.substr(0, mark + 1);
    DivideWord(sink, written.substr(mark + 1), context, log);
}

// Where an apostrophe stands for a vowel left out between two consonants (ev'ry, wand'ring,
// Heil'gen), the syllables meet at the apostrophe: no cut in the consonants around it, one after
// it.
void CutAtElision(std::string_view letters, std::size_t mark, std::vector<text::Cut>& cuts,
                  const text::ByteSet& vowels) {
    if (vowels.contains(letters[mark - 1]) || vowels.contains(letters[mark]))
        return;
    std::size_t before = mark; // the last vowel before the apostrophe
    while (before > 0 && !vowels.contains(letters[before - 1]))
        --before;
    std::size_t after = mark; // the first vowel after it
    while (after < letters.size() && !vowels.contains(letters[after]))
        ++after;
    if (before == 0 || after == letters.size())
        return; // a side without a vowel is no syllable (hallow'd)
    std::erase_if(cuts,
                  [&](const text::Cut& c) { return c.offset >= before && c.offset <= after; });
    const auto at =
        std::find_if(cuts.begin(), cuts.end(), [&](const text::Cut& c) { return c.offset > mark; });
    cuts.insert(at, {static_cast<std::uint16_t>(mark), text::CutKind::Pattern});
}

// A letter an apostrophe stands for, restored to divide the word as it is spelt out.
struct ElidedLetter {
    std::size_t mark; // the apostrophe stands before letters[mark]
    char letter;
    bool betweenVowels; // o'er, e'er: the two vowels are one syllable
};

// Where the last apostrophe stands for the e of a final -ed, -en, -er, -est (wander'd,
// brighten'd, pow'rs): not before other endings, 's is a possessive and n't a "not". Where one
// stands between two vowels for the language's elided consonant (English o'er, e'er: v).
std::vector<ElidedLetter> ElidedLetters(std::string_view letters,
                                        const std::vector<std::size_t>& marks,
                                        const dictionaries::LanguageInfo& info) {
    static constexpr std::string_view kTails[] = {"d", "n", "r", "st", "rs", "ns"};
    std::vector<ElidedLetter> out;
    for (std::size_t mark : marks) {
        if (info.elidedBetweenVowels != '\0' && info.vowels.contains(letters[mark - 1]) &&
            info.vowels.contains(letters[mark]))
            out.push_back({mark, info.elidedBetweenVowels, true});
    }
    const std::string tail = info.caseMap->lower(letters.substr(marks.back()));
    if (info.letters.contains('e') &&
        std::find(std::begin(kTails), std::end(kTails), tail) != std::end(kTails))
        out.push_back({marks.back(), 'e', false});
    return out;
}

// The cuts of the letters from those of the word spelt out with the elided letters: a cut next
// to a restored letter moves to its apostrophe, none stays between two vowels an apostrophe
// joins, and a part without a vowel joins the part before it (wan-der'd, o'er-come, heav'n).
std::vector<text::Cut> CutsWithoutElided(std::string_view letters,
                                         const std::vector<ElidedLetter>& elided,
                                         const std::vector<text::Cut>& spelt,
                                         const text::ByteSet& vowels) {
    std::vector<text::Cut> cuts;
    for (text::Cut cut : spelt) {
        std::size_t offset = cut.offset;
        for (std::size_t k = elided.size(); k-- > 0;) {
            if (offset > elided[k].mark + k)
                --offset;
        }
        const bool joined = std::any_of(elided.begin(), elided.end(), [&](const ElidedLetter& e) {
            return e.betweenVowels && e.mark == offset;
        });
        if (!joined && (cuts.empty() || cuts.back().offset < offset))
            cuts.push_back({static_cast<std::uint16_t>(offset), cut.kind});
    }
    for (std::size_t k = cuts.size(); k-- > 0;) {
        const std::size_t end = k + 1 < cuts.size() ? cuts[k + 1].offset : letters.size();
        const std::string_view part = letters.substr(cuts[k].offset, end - cuts[k].offset);
        if (std::none_of(part.begin(), part.end(), [&](char c) { return vowels.contains(c); }))
            cuts.erase(cuts.begin() + static_cast<std::ptrdiff_t>(k));
    }
    return cuts;
}

// Where a syllabic ending of the language starts in `stripped` (after a consonant, a vowel
// before it: must|n't, it|'ll, but don't, I'll); npos when none does.
std::size_t SyllabicEndingAt(std::string_view stripped, const dictionaries::LanguageInfo& info) {
    for (std::string_view ending : info.syllabicEndings) {
        if (stripped.size() <= ending.size() + 1)
            continue;
        const std::size_t at = stripped.size() - ending.size();
        bool same = true;
        for (std::size_t k = 0; k < ending.size() && same; ++k) {
            const char c = stripped[at + k];
            same = ending[k] == '\'' ? IsApostrophe(c) : info.caseMap->lower(c) == ending[k];
        }
        const std::string_view stem = stripped.substr(0, at);
        if (same && info.letters.contains(stem.back()) && !info.vowels.contains(stem.back()) &&
            std::any_of(stem.begin(), stem.end(), [&](char c) { return info.vowels.contains(c); }))
            return at;
    }
    return std::string_view::npos;
}

// A core with apostrophes inside, divided as sung: the letters are divided without them, and
// each apostrophe stays with the letters before it (l'a-mour, jus-qu'a, ev'-ry). A written
// elision with one vowel group is one syllable (heav'n, o'er). False when the core is no word of
// the language with apostrophes.
bool DivideAroundApostrophes(WordSink& sink, std::string_view written, const WordContext& context,
                             LogLines* log) {
    const dictionaries::LanguageInfo& info = dictionaries::LanguageInfoOf(context.language);
    std::string letters;
    std::vector<std::size_t> marks; // each apostrophe stands before letters[mark]
    for (char c : written) {
        if (!IsApostrophe(c)) {
            letters += c;
            continue;
        }
        if (letters.empty())
            return false;
        marks.push_back(letters.size());
    }
    if (marks.empty() || marks.back() == letters.size() ||
        !IsLanguageWord(letters, context.language))
        return false;
    if (ElidesBeforeVowel(letters, marks.front(), info)) {
        DivideElision(sink, written, marks.front(), context, log);
        return true;
    }
    if (VowelGroups(letters, info.vowels) < 2) {
        sink.letters += written;
        return true;
    }
    const std::vector<ElidedLetter> elided = ElidedLetters(letters, marks, info);
    std::string spelt = letters;
    for (std::size_t k = 0; k < elided.size(); ++k)
        spelt.insert(elided[k].mark + k, 1, elided[k].letter);
    std::string divided;
    std::vector<text::Cut> cuts;
    WordSink inner{divided, cuts, 0};
    DivideWord(inner, spelt, context, log);
    if (divided.size() != spelt.size())
        return false;
    if (!elided.empty()) {
        cuts = CutsWithoutElided(letters, elided, cuts, info.vowels);
        divided = letters;
    }
    for (std::size_t mark : marks)
        CutAtElision(divided, mark, cuts, info.vowels);
    std::size_t k = 0;
    std::size_t m = 0;
    for (std::size_t i = 0; i < divided.size(); ++i) {
        for (; m < marks.size() && marks[m] == i; ++m)
            sink.letters += written[i + m];
        for (; k < cuts.size() && cuts[k].offset == i; ++k)
            sink.cuts.push_back(
                {static_cast<std::uint16_t>(sink.letters.size() - sink.start), cuts[k].kind});
        sink.letters += divided[i];
    }
    for (; k < cuts.size(); ++k)
        sink.cuts.push_back(
            {static_cast<std::uint16_t>(sink.letters.size() - sink.start), cuts[k].kind});
    return true;
}

} // namespace

void DivideWord(WordSink& sink, std::string_view word, const WordContext& context, LogLines* log) {
    const dictionaries::LanguageInfo& info = dictionaries::LanguageInfoOf(context.language);
    const PunctuatedWord parts = SplitPunctuation(word);
    const text::CaseMap& caseMap = *info.caseMap;
    std::string dotted = DottedLowerCase(parts.stripped, caseMap);

    if (WriteException(sink, parts.leading, parts.stripped, dotted, context, log)) {
        sink.letters += parts.trailing;
        return;
    }
    // The stem divides as a word, and the ending is a syllable after it.
    if (const std::size_t at = SyllabicEndingAt(parts.stripped, info); at != std::string::npos) {
        const std::size_t stem = parts.leading.size() + at;
        DivideWord(sink, word.substr(0, stem), context, log);
        sink.cut(text::CutKind::Pattern);
        sink.letters += word.substr(stem);
        return;
    }

    // Most words are letters only: then every letter links to the next, and no clitic (each
    // holds an apostrophe) can end them.
    const bool lettersOnly = IsLanguageWord(CoreOf(dotted), context.language);
    const int linked = lettersOnly ? static_cast<int>(CoreOf(dotted).size())
                                   : LinkedLetterCount(CoreOf(dotted), context.language);
    if (linked < kMinimumLinkedLetters) {
        sink.letters += word;
        return;
    }
    const std::string_view clitic =
        lettersOnly ? std::string_view{} : DropClitic(dotted, info.clitics);
    const std::string_view written = parts.stripped.substr(0, dotted.size() - 2);
    if (!lettersOnly && !IsLanguageWord(CoreOf(dotted), context.language)) {
        const std::size_t from = sink.letters.size();
        const std::size_t cutsFrom = sink.cuts.size();
        sink.letters += parts.leading;
        if (!DivideAroundApostrophes(sink, written, context, log)) {
            sink.letters.resize(from);
            sink.cuts.resize(cutsFrom);
            sink.letters += word;
            return;
        }
    } else if (clitic.empty() ||
               !WriteException(sink, parts.leading, written, dotted, context, log)) {
        // The word without its clitic is looked up again: wan-der's as wan-der.
        if (!parts.leading.empty())
            sink.letters += parts.leading;
        DivideByPatterns(sink, written, dotted, context, log);
    }
    if (!clitic.empty()) // as written
        sink.letters += parts.stripped.substr(parts.stripped.size() - clitic.size());
    if (!parts.trailing.empty())
        sink.letters += parts.trailing;
}

void AppendHyphenatedWord(std::string& out, std::string_view word, const WordContext& context,
                          LogLines* log) {
    std::string letters;
    std::vector<text::Cut> cuts;
    WordSink sink{letters, cuts, 0};
    DivideWord(sink, word, context, log);
    std::size_t written = 0;
    for (const text::Cut& cut : cuts) {
        out.append(letters, written, cut.offset - written);
        written = cut.offset;
        out += '-';
    }
    out.append(letters, written);
}

std::string HyphenateWord(std::string_view word, const WordContext& context, LogLines* log) {
    std::string out;
    AppendHyphenatedWord(out, word, context, log);
    return out;
}

} // namespace cantiva::engine
