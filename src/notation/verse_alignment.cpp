#include "notation/verse_alignment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace cantiva::notation {
namespace {

// The weights, in log-odds that a note starts a syllable, were tuned on engraved songs: a
// 19th-century vocal part beams the notes of one syllable and flags the others, a slur is
// either a melisma or a phrase mark, and a rest, a breath or a fermata starts a new word.
constexpr double kBias = 4.5;
constexpr double kContinuesBeam = -5.3;
constexpr double kAfterRest = 1.3;
constexpr double kLengthRatio = 0.5; // per doubling of the duration
constexpr double kFlagged = 1.7;
constexpr double kOtherVerse = 3.0;
constexpr double kFollowedVerse = 12.0;
constexpr double kMelismaSlur = -6.3; // added under a slur read as a melisma
// A melisma seldom repeats its pitch (the note would be tied): under a slur, a repeated pitch
// is sung again, as in a phrase mark.
constexpr double kRepeatedPitchUnderSlur = 2.3;
// How often a slur is a melisma, before the notes say: a part mostly slurs either melismas or
// phrases, so both readings are tried and the better fit is taken.
constexpr double kMelismaSlurOdds[] = {0.15, 0.85};
constexpr double kBeamsIgnored = 6.5; // cost of reading the part's beams as instrumental

// Costs that are not about one note alone.
constexpr double kWordSplitByRest = 6.0;  // a syllable after a rest that continues a word
constexpr double kMelismaOverRest = 2.9;  // a melisma that runs across a rest
constexpr double kLateStart = 3.2;        // the verse starts after the voice's first note
constexpr double kLateStartPerNote = 2.6; //   and per note it leaves out
constexpr double kEarlyEnd = 3.0;         // the verse ends before the voice's last note
constexpr double kEarlyEndPerNote = 1.0;  //   and per note it leaves out
constexpr double kPauseAtRest = 3.5;      // the text's pause falls on the melody's rest
constexpr double kPauseWithoutRest = 1.0; // the text pauses where the melody goes on
constexpr double kLeftover = 4.0;         // per syllable left with no note, at the end
constexpr double kSharedNote = 3.9;       // a synalepha taken on one note (under kLeftover)
// Two syllables of one word on one note: where the text was divided once more than the melody
// sings it (a mute e, a vowel pair sung as one), so that the rest of the verse does not shift.
constexpr double kOneNoteForTwo = 5.0;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The table of notes by syllables is kept whole up to this many cells (the longest songs need
// two thirds of it); beyond, a band around the diagonal about twice this size.
constexpr std::size_t kCellBudget = std::size_t{1} << 22;
constexpr std::size_t kMinimumHalfBand = 256;

// -log(sigmoid(x)) without overflow.
double SoftPlusOfMinus(double x) {
    return x > 0 ? std::log1p(std::exp(-x)) : -x + std::log1p(std::exp(x));
}

struct NoteCosts {
    double start = 0;   // the note starts a syllable
    double sustain = 0; // the note continues the syllable before it
};

// Mode of the slur a note is under: read as a phrase mark (or no slur), or as a melisma.
enum Mode : std::uint8_t { kPlain = 0, kMelisma = 1, kModes = 2 };

// What the best path did on a note, per mode: the step and the mode it came from.
enum Step : std::uint8_t { kSustain = 0, kStart = 1, kStartFirst = 2, kStartTwo = 3 };

struct Problem {
    const std::vector<NoteEvidence>& notes;
    const std::vector<SyllableShape>& syllables;
    AlignmentOptions options;
    bool beamsVocal = true;
    double melismaSlurOdds = 0.5;
};

double NoteLogit(const NoteEvidence& note, const Problem& problem) {
    double x = kBias + kAfterRest * note.afterRest + kFlagged * note.flagged;
    if (problem.beamsVocal)
        x += kContinuesBeam * note.continuesBeam;
    if (note.lengthRatio > 0)
        x += kLengthRatio * std::log2(note.lengthRatio);
    x += (problem.options.followOtherVerse ? kFollowedVerse : kOtherVerse) * note.otherVerse;
    return x;
}

NoteCosts CostsOf(double logit) {
    return {SoftPlusOfMinus(logit), SoftPlusOfMinus(-logit)};
}

// The note's costs read plainly, and under a slur read as a melisma.
std::array<NoteCosts, kModes> CostsByMode(const NoteEvidence& note, const Problem& problem) {
    const double logit = NoteLogit(note, problem);
    return {CostsOf(logit),
            CostsOf(logit + kMelismaSlur + kRepeatedPitchUnderSlur * note.repeatsPitch)};
}

// One pass over the notes, row by row: cost[mode][j] is the best cost of a path that has
// started j syllables, the last still sung, in that mode. With `steps` it records each choice.
class Solver {
public:
    explicit Solver(const Problem& problem) : p_(problem) {}

    double run(std::vector<std::uint8_t>* steps);
    VerseAlignment trace(const std::vector<std::uint8_t>& steps) const;

private:
    // Fills the rows before a note: the best way into each mode, and the mode it comes from.
    void enter(bool under, bool firstUnder, std::size_t readFrom, std::size_t reach);
    void step(std::size_t i, std::vector<std::uint8_t>* steps);
    std::size_t width() const { return p_.syllables.size() + 1; }
    // The columns note i may reach: a band around the line from the first note and syllable to
    // the last ones, wide enough for the whole table of any real song, so that a huge input costs
    // time and memory in proportion to its notes only. [first, last)
    std::size_t bandFirst(std::size_t i) const;
    std::size_t bandLast(std::size_t i) const;
    std::size_t stepIndex(std::size_t i, std::size_t j, int mode) const {
        return ((i * band_) + (j - bandFirst(i))) * kModes + static_cast<std::size_t>(mode);
    }

    const Problem& p_;
    std::size_t halfBand_ = 0;
    std::size_t band_ = 0; // columns a row stores
    std::vector<double> cost_[kModes];
    std::vector<double> before_[kModes]; // scratch rows, kept to spare an allocation per note
    std::vector<std::uint8_t> from_[kModes];
    std::vector<double> next_;
    double trail_ = kInfinity; // every syllable placed, the notes since left without the verse
    std::size_t trailFrom_ = 0;
    Mode trailMode_ = kPlain;
    std::size_t endNote_ = 0;
    std::size_t endSyllables_ = 0;
    Mode endMode_ = kPlain;
};

void Solver::enter(bool under, bool firstUnder, std::size_t readFrom, std::size_t reach) {
    const double modeCost[kModes] = {-std::log(1 - p_.melismaSlurOdds),
                                     -std::log(p_.melismaSlurOdds)};
    for (std::size_t j = readFrom; j < reach; ++j) {
        const bool melismaBest = cost_[kMelisma][j] < cost_[kPlain][j];
        const double best = melismaBest ? cost_[kMelisma][j] : cost_[kPlain][j];
        if (under && !firstUnder) { // inside a slur the mode holds
            before_[kPlain][j] = cost_[kPlain][j];
            before_[kMelisma][j] = cost_[kMelisma][j];
            from_[kPlain][j] = kPlain;
            from_[kMelisma][j] = kMelisma;
            continue;
        }
        before_[kPlain][j] = best + (firstUnder ? modeCost[kPlain] : 0.0);
        from_[kPlain][j] = melismaBest;
        // Outside a slur there is no melisma mode.
        before_[kMelisma][j] = under ? best + modeCost[kMelisma] : kInfinity;
        from_[kMelisma][j] = melismaBest;
    }
}

void Solver::step(std::size_t i, std::vector<std::uint8_t>* steps) {
    const NoteEvidence& note = p_.notes[i];
    const bool under = note.underSlur && !p_.options.everySlurIsMelisma;
    const bool firstUnder = under && (i == 0 || !p_.notes[i - 1].underSlur);
    const std::array<NoteCosts, kModes> costs = CostsByMode(note, p_);

    // No more syllables than twice the notes so far can have started (two share a note at most).
    const std::size_t low = bandFirst(i);
    const std::size_t reach = bandLast(i);
    const std::size_t readFrom = low >= 2 ? low - 2 : 0;
    enter(under, firstUnder, readFrom, reach);
    const auto& before = before_;
    const double lateStart = i == 0 ? 0.0 : kLateStart + kLateStartPerNote * static_cast<double>(i);
    // A syllable that continues a word, started right after a rest.
    const auto split = [&](std::size_t k) {
        const SyllableShape& syllable = p_.syllables[k];
        if (note.afterRest)
            return !syllable.startsWord  ? kWordSplitByRest
                   : syllable.afterPause ? -kPauseAtRest
                                         : 0.0;
        return syllable.afterPause ? kPauseWithoutRest : 0.0;
    };
    for (int mode = 0; mode < kModes; ++mode) {
        // The verse's first syllable starts here, after the notes it leaves out.
        const double first = mode == kPlain || under ? lateStart : kInfinity;
        std::vector<double>& next = next_;
        // Columns left behind by the band stay unreachable.
        std::fill(next.begin() + static_cast<std::ptrdiff_t>(readFrom),
                  next.begin() + static_cast<std::ptrdiff_t>(reach), kInfinity);
        const NoteCosts& c = costs[mode];
        for (std::size_t j = std::max<std::size_t>(low, 1); j < reach; ++j) {
            std::uint8_t choice = kSustain;
            std::size_t source = j; // the column the step comes from, for its mode
            double best = before[mode][j] + c.sustain + (note.afterRest ? kMelismaOverRest : 0.0);
            const double start = (j == 1 ? first : before[mode][j - 1]) + c.start + split(j - 1);
            if (start < best) {
                best = start;
                choice = j == 1 ? kStartFirst : kStart;
                source = j - 1;
            }
            const double share = j < 2                              ? kInfinity
                                 : !p_.syllables[j - 1].startsWord  ? kOneNoteForTwo
                                 : p_.syllables[j - 2].mayShareNext ? kSharedNote
                                                                    : kInfinity;
            if (share < kInfinity) {
                const double two =
                    (j == 2 ? first : before[mode][j - 2]) + c.start + share + split(j - 2);
                if (two < best) {
                    best = two;
                    choice = kStartTwo;
                    source = j - 2;
                }
            }
            next[j] = best;
            if (steps)
                (*steps)[stepIndex(i, j, mode)] =
                    static_cast<std::uint8_t>(choice | (from_[mode][source] << 2));
        }
        std::swap(cost_[mode], next);
    }
}

std::size_t Solver::bandFirst(std::size_t i) const {
    if (band_ == width())
        return 0;
    const std::size_t diagonal = i * (width() - 1) / p_.notes.size();
    return diagonal > halfBand_ ? diagonal - halfBand_ : 0;
}

std::size_t Solver::bandLast(std::size_t i) const {
    // No more syllables than twice the notes so far can have started (two share a note at most).
    const std::size_t reach = std::min(width(), 2 * (i + 1) + 1);
    return std::min(reach, bandFirst(i) + band_);
}

double Solver::run(std::vector<std::uint8_t>* steps) {
    const std::size_t n = p_.notes.size();
    const std::size_t m = p_.syllables.size();
    for (int mode = 0; mode < kModes; ++mode) {
        cost_[mode].assign(width(), kInfinity);
        before_[mode].assign(width(), kInfinity);
        from_[mode].assign(width(), 0);
    }
    next_.assign(width(), kInfinity);
    halfBand_ = std::max<std::size_t>(kMinimumHalfBand, kCellBudget / std::max<std::size_t>(n, 1));
    band_ = std::min(width(), 2 * halfBand_ + 2);
    if (steps)
        steps->assign(n * band_ * kModes, 0);
    for (std::size_t i = 0; i < n; ++i) {
        // The verse may end before note i: all its syllables placed, the rest of the voice free.
        if (i > 0) {
            const Mode mode = cost_[kMelisma][m] < cost_[kPlain][m] ? kMelisma : kPlain;
            const double ended = cost_[mode][m] + kEarlyEnd;
            trail_ += kEarlyEndPerNote;
            if (ended + kEarlyEndPerNote < trail_) {
                trail_ = ended + kEarlyEndPerNote;
                trailFrom_ = i - 1;
                trailMode_ = mode;
            }
        }
        step(i, steps);
    }
    // The notes ran out: whatever is left is leftover, at a price per syllable.
    double best = trail_;
    endNote_ = trailFrom_;
    endSyllables_ = m;
    endMode_ = trailMode_;
    for (std::size_t j = 0; j <= m; ++j) {
        for (int mode = 0; mode < kModes; ++mode) {
            const double total = cost_[mode][j] + kLeftover * static_cast<double>(m - j);
            if (total < best) {
                best = total;
                endNote_ = n - 1;
                endSyllables_ = j;
                endMode_ = static_cast<Mode>(mode);
            }
        }
    }
    return best;
}

VerseAlignment Solver::trace(const std::vector<std::uint8_t>& steps) const {
    VerseAlignment out;
    std::vector<std::size_t> noteOf(endSyllables_);
    std::vector<bool> shares(endSyllables_, false);
    std::size_t j = endSyllables_;
    Mode mode = endMode_;
    for (std::size_t i = endNote_ + 1; i-- > 0 && j > 0;) {
        const std::uint8_t record = steps[stepIndex(i, j, mode)];
        const auto choice = static_cast<Step>(record & 3);
        mode = static_cast<Mode>(record >> 2);
        if (choice == kSustain)
            continue;
        noteOf[--j] = i;
        if (choice == kStartTwo) {
            shares[j] = true;
            noteOf[--j] = i;
        }
        if (choice == kStartFirst)
            break;
    }
    out.lastNote = endNote_;
    out.noteOf = std::move(noteOf);
    out.sharesNote = std::move(shares);
    return out;
}

} // namespace

VerseAlignment AlignVerse(const std::vector<NoteEvidence>& notes,
                          const std::vector<SyllableShape>& syllables,
                          const AlignmentOptions& options) {
    if (notes.empty() || syllables.empty())
        return {};
    // Beams group a syllable's notes in most vocal parts; where that reading cannot fit the
    // text, the part beams as instruments do.
    Problem best{notes, syllables, options, true, kMelismaSlurOdds[0]};
    double bestCost = kInfinity;
    for (const bool beamsVocal : {true, false}) {
        for (const double odds : kMelismaSlurOdds) {
            const Problem problem{notes, syllables, options, beamsVocal, odds};
            const double cost = Solver(problem).run(nullptr) + (beamsVocal ? 0.0 : kBeamsIgnored);
            if (cost < bestCost) {
                best.beamsVocal = beamsVocal;
                best.melismaSlurOdds = odds;
                bestCost = cost;
            }
        }
    }
    Solver solver(best);
    std::vector<std::uint8_t> steps;
    solver.run(&steps);
    return solver.trace(steps);
}

} // namespace cantiva::notation
