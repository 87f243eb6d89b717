#include "notation/lyric_laying.h"

#include "export/user_file.h"
#include "io/file_io.h"
#include "notation/verse_alignment.h"
#include "notation/voice_reading.h"
#include "notation/vowel_meetings.h"
#include "text/cp1251.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

namespace cantiva::notation {
namespace {

std::vector<pugi::xml_node> NotesOfPart(pugi::xml_node part) {
    std::vector<pugi::xml_node> notes;
    for (pugi::xml_node measure : part.children("measure")) {
        for (pugi::xml_node note : measure.children("note"))
            notes.push_back(note);
    }
    return notes;
}

pugi::xml_node FindPart(pugi::xml_node root, const std::string& id, std::string& idsSeen) {
    for (pugi::xml_node part : root.children("part")) {
        if (id.empty() || id == part.attribute("id").value())
            return part;
        idsSeen += idsSeen.empty() ? "" : ", ";
        idsSeen += part.attribute("id").value();
    }
    return {};
}

std::set<int> VoicesOf(const std::vector<pugi::xml_node>& notes) {
    std::set<int> voices;
    for (pugi::xml_node note : notes)
        voices.insert(VoiceOf(note));
    return voices;
}

std::string JoinVoices(const std::set<int>& voices) {
    std::string out;
    for (int v : voices)
        out += (out.empty() ? "" : ", ") + std::to_string(v);
    return out;
}

// Whether the lyric number `a` sorts before `b`: numerically when both are numbers.
bool VerseBefore(std::string_view a, std::string_view b) {
    int x = 0;
    int y = 0;
    const bool numbers = std::from_chars(a.data(), a.data() + a.size(), x).ec == std::errc() &&
                         std::from_chars(b.data(), b.data() + b.size(), y).ec == std::errc();
    return numbers ? x < y : a < b;
}

// Inserts `node` before `next`, or after `previous`, repeating the indentation `next` or
// `previous` has so that the file keeps its layout.
pugi::xml_node InsertIndented(pugi::xml_node parent, pugi::xml_node previous, pugi::xml_node next) {
    const pugi::xml_node anchor = next ? next : previous;
    const pugi::xml_node space = anchor ? anchor.previous_sibling() : pugi::xml_node();
    const bool indented =
        space.type() == pugi::node_pcdata && text::TrimView(space.value()).empty();
    if (next) {
        pugi::xml_node lyric = parent.insert_child_before("lyric", next);
        if (indented)
            parent.insert_child_before(pugi::node_pcdata, next).set_value(space.value());
        return lyric;
    }
    if (!previous)
        return parent.append_child("lyric");
    pugi::xml_node lyric = parent.insert_child_after("lyric", previous);
    if (indented)
        parent.insert_child_after(pugi::node_pcdata, previous).set_value(space.value());
    return lyric;
}

// The new <lyric> in its place among the note's elements: after the lyrics of lower verses,
// before higher ones and before <play> and <listen>.
pugi::xml_node NewLyric(pugi::xml_node note, const std::string& verse) {
    pugi::xml_node last;
    for (pugi::xml_node child : note.children()) {
        if (child.type() != pugi::node_element)
            continue;
        const std::string_view name = child.name();
        if (name == "lyric") {
            const pugi::xml_attribute number = child.attribute("number");
            if (VerseBefore(verse, number ? text::TrimView(number.value()) : "1"))
                return InsertIndented(note, {}, child);
        } else if (name == "play" || name == "listen") {
            return InsertIndented(note, {}, child);
        }
        last = child;
    }
    return InsertIndented(note, last, {});
}

// One note's lyric: the syllable, and the syllables of the next words elided onto it.
void WriteLyric(pugi::xml_node note, const std::string& verse,
                const std::vector<PlacedSyllable>& chain, bool extend) {
    pugi::xml_node lyric = NewLyric(note, verse);
    lyric.append_attribute("number").set_value(verse.c_str());
    for (std::size_t k = 0; k < chain.size(); ++k) {
        if (k > 0)
            lyric.append_child("elision");
        lyric.append_child("syllabic")
            .text()
            .set(std::string(SyllabicName(chain[k].syllabic)).c_str());
        lyric.append_child("text").text().set(chain[k].text.c_str());
    }
    if (extend)
        lyric.append_child("extend");
}

bool StartsWord(Syllabic s) {
    return s == Syllabic::Single || s == Syllabic::Begin;
}

bool EndsWord(Syllabic s) {
    return s == Syllabic::Single || s == Syllabic::End;
}

// Puts `next` on the same note as `chain`: the same word's next syllable joins the text of the
// last one ("com" + "me" sung as "comme"), another word's is elided onto it.
void JoinOnNote(std::vector<PlacedSyllable>& chain, const PlacedSyllable& next) {
    PlacedSyllable& last = chain.back();
    if (EndsWord(last.syllabic) || StartsWord(next.syllabic)) {
        chain.push_back(next);
        return;
    }
    last.text += next.text;
    const bool starts = StartsWord(last.syllabic);
    last.syllabic = starts ? (EndsWord(next.syllabic) ? Syllabic::Single : Syllabic::Begin)
                           : (EndsWord(next.syllabic) ? Syllabic::End : Syllabic::Middle);
    last.next = next.next;
}

// The syllables grouped by the note they go on: an elision (SameNote) makes one group.
std::vector<std::vector<const PlacedSyllable*>>
NoteGroups(const std::vector<PlacedSyllable>& syllables) {
    std::vector<std::vector<const PlacedSyllable*>> groups;
    bool joined = false;
    for (const PlacedSyllable& s : syllables) {
        if (!joined)
            groups.emplace_back();
        groups.back().push_back(&s);
        joined = s.next == NextJoin::SameNote;
    }
    return groups;
}

// A syllable after which the text pauses: the end of a line, or a clause's punctuation.
bool EndsClause(const PlacedSyllable& s) {
    static constexpr std::string_view kMarks[] = {",", ".", ";", ":", "!", "?", "\u2026"};
    std::string_view text = s.text;
    while (!text.empty() && (text.back() == ' ' || text.back() == '"' || text.back() == ')'))
        text.remove_suffix(1);
    return s.endsLine || std::any_of(std::begin(kMarks), std::end(kMarks),
                                     [&](std::string_view m) { return text.ends_with(m); });
}

std::vector<SyllableShape> ShapesOf(const std::vector<std::vector<const PlacedSyllable*>>& groups) {
    std::vector<SyllableShape> shapes;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const Syllabic first = groups[k].front()->syllabic;
        shapes.push_back({first == Syllabic::Single || first == Syllabic::Begin,
                          groups[k].back()->next == NextJoin::SameNoteIfShort,
                          k > 0 && EndsClause(*groups[k - 1].back())});
    }
    return shapes;
}

VoiceReadingOptions ReadingOptions(const LayRequest& request, const std::string& verse) {
    VoiceReadingOptions options;
    options.voice = request.voice;
    options.verse = verse;
    options.slurMelisma = request.slurMelisma;
    options.fromMeasure = request.fromMeasure;
    options.toMeasure = request.toMeasure;
    if (request.followVerse > 0)
        options.followVerse = std::to_string(request.followVerse);
    return options;
}

// The phrases (from one rest or breath to the next) where the alignment had to guess: a
// melisma on a note nothing marks as one, or a syllable of its own on a beamed note.
std::vector<UnsurePhrase> UnsurePhrases(const std::vector<VoiceNote>& sung,
                                        const VerseAlignment& alignment) {
    std::vector<bool> starts(sung.size(), false);
    for (std::size_t note : alignment.noteOf)
        starts[note] = true;
    std::vector<UnsurePhrase> out;
    if (alignment.noteOf.empty())
        return out;
    UnsurePhrase phrase;
    for (std::size_t i = alignment.noteOf.front(); i <= alignment.lastNote; ++i) {
        const NoteEvidence& e = sung[i].evidence;
        if (e.afterRest && phrase.notes > 0) {
            if (phrase.guessedMelismas + phrase.guessedSyllables > 0)
                out.push_back(phrase);
            phrase = {};
        }
        if (phrase.notes == 0)
            phrase.firstMeasure = sung[i].measure;
        phrase.lastMeasure = sung[i].measure;
        ++phrase.notes;
        const bool marked = e.continuesBeam || e.underSlur || e.otherVerse < 0;
        if (starts[i])
            ++phrase.syllables;
        if (!starts[i] && !marked)
            ++phrase.guessedMelismas;
        if (starts[i] && (e.continuesBeam || e.otherVerse < 0))
            ++phrase.guessedSyllables;
    }
    if (phrase.guessedMelismas + phrase.guessedSyllables > 0)
        out.push_back(phrase);
    return out;
}

void PlaceSyllables(const std::vector<VoiceNote>& sung,
                    const std::vector<PlacedSyllable>& syllables, const std::string& verse,
                    const LayRequest& request, LayReport& report) {
    const std::vector<std::vector<const PlacedSyllable*>> groups = NoteGroups(syllables);
    std::vector<NoteEvidence> evidence;
    for (const VoiceNote& n : sung)
        evidence.push_back(n.evidence);
    AlignmentOptions options;
    options.everySlurIsMelisma = request.slurMelisma;
    options.followOtherVerse = request.followVerse > 0;
    const VerseAlignment alignment = AlignVerse(evidence, ShapesOf(groups), options);

    const std::size_t placed = alignment.noteOf.size();
    for (std::size_t k = 0; k < placed;) {
        // A synalepha taken puts the next group on the same note.
        std::vector<PlacedSyllable> chain;
        for (const PlacedSyllable* s : groups[k])
            chain.push_back(*s);
        std::size_t next = k + 1;
        for (; next < placed && alignment.sharesNote[next]; ++next) {
            for (const PlacedSyllable* s : groups[next])
                JoinOnNote(chain, *s);
        }
        const std::size_t note = alignment.noteOf[k];
        const std::size_t end = next < placed ? alignment.noteOf[next] : alignment.lastNote + 1;
        const bool held = std::any_of(sung.begin() + static_cast<std::ptrdiff_t>(note),
                                      sung.begin() + static_cast<std::ptrdiff_t>(end),
                                      [](const VoiceNote& n) { return n.slurHoldsOver; });
        WriteLyric(sung[note].note, verse, chain, held || end > note + 1);
        for (std::size_t g = k; g < next; ++g)
            report.laid += static_cast<int>(groups[g].size());
        k = next;
    }
    report.sungNotes = static_cast<int>(sung.size());
    for (std::size_t k = placed; k < groups.size(); ++k) {
        for (const PlacedSyllable* s : groups[k])
            report.leftover.push_back(*s);
    }
    report.notesWithoutSyllable =
        placed == 0
            ? static_cast<int>(sung.size())
            : static_cast<int>(sung.size() - 1 - std::min(alignment.lastNote, sung.size() - 1));
    report.unsure = UnsurePhrases(sung, alignment);
}

// A divided text from outside: the words where vowels meet may share a note where the melody is
// short of notes, as the engine's own joins would have said.
std::vector<PlacedSyllable> SyllablesToLay(std::string_view dividedUtf8) {
    std::vector<DividedLine> lines = ReadDividedText(dividedUtf8);
    MarkVowelMeetings(lines);
    return SyllablesInOrder(lines);
}

} // namespace

std::vector<PartSummary> ScoreParts(const ScoreContainer& score) {
    const pugi::xml_node root = score.document().document_element();
    std::vector<PartSummary> parts;
    for (pugi::xml_node part : root.children("part")) {
        PartSummary summary;
        summary.id = part.attribute("id").value();
        summary.name = root.child("part-list")
                           .find_child_by_attribute("score-part", "id", summary.id.c_str())
                           .child_value("part-name");
        const std::set<int> voices = VoicesOf(NotesOfPart(part));
        summary.voices.assign(voices.begin(), voices.end());
        parts.push_back(std::move(summary));
    }
    return parts;
}

LayReport LayLyrics(ScoreContainer& score, std::string_view dividedUtf8,
                    const LayRequest& request) {
    return LayLyrics(score, SyllablesToLay(dividedUtf8), request);
}

LayReport LayLyrics(ScoreContainer& score, const std::vector<PlacedSyllable>& syllables,
                    const LayRequest& request) {
    if (syllables.empty())
        throw ScoreError(ScoreError::Kind::NoLyrics, "There are no lyrics to lay");

    std::string idsSeen;
    const pugi::xml_node part =
        FindPart(score.document().document_element(), request.part, idsSeen);
    if (!part) {
        if (request.part.empty())
            throw ScoreError(ScoreError::Kind::MissingPart, "The score has no parts");
        throw ScoreError(ScoreError::Kind::MissingPart,
                         "The score has no part " + request.part + " (its parts: " + idsSeen + ")");
    }
    LayReport report;
    report.part = part.attribute("id").value();

    const std::vector<pugi::xml_node> partNotes = NotesOfPart(part);
    std::vector<pugi::xml_node> voiceNotes;
    std::copy_if(partNotes.begin(), partNotes.end(), std::back_inserter(voiceNotes),
                 [&](pugi::xml_node n) { return VoiceOf(n) == request.voice; });
    if (voiceNotes.empty())
        throw ScoreError(ScoreError::Kind::MissingVoice,
                         "Part " + report.part + " has no voice " + std::to_string(request.voice) +
                             " (its voices: " + JoinVoices(VoicesOf(partNotes)) + ")");

    // Checked before anything changes, so an error leaves the score whole.
    const std::string verse = std::to_string(request.verse);
    std::vector<pugi::xml_node> sameVerse;
    for (pugi::xml_node note : voiceNotes) {
        for (pugi::xml_node lyric : note.children("lyric")) {
            if (IsVerse(lyric, verse))
                sameVerse.push_back(lyric);
        }
    }
    if (!sameVerse.empty() && !request.replaceVerse)
        throw ScoreError(ScoreError::Kind::VerseTaken,
                         "Verse " + verse + " of part " + report.part + ", voice " +
                             std::to_string(request.voice) + " already has lyrics");
    for (pugi::xml_node lyric : sameVerse) {
        const pugi::xml_node space = lyric.previous_sibling();
        if (space.type() == pugi::node_pcdata && text::TrimView(space.value()).empty())
            lyric.parent().remove_child(space);
        lyric.parent().remove_child(lyric);
    }

    const std::vector<VoiceNote> sung = ReadVoice(part, ReadingOptions(request, verse));
    PlaceSyllables(sung, syllables, verse, request, report);
    return report;
}

LayReport LayLyricsOnFile(const std::filesystem::path& input, std::string_view dividedUtf8,
                          const LayRequest& request, const std::filesystem::path& output) {
    return LayLyricsOnFile(input, SyllablesToLay(dividedUtf8), request, output);
}

LayReport LayLyricsOnFile(const std::filesystem::path& input,
                          const std::vector<PlacedSyllable>& syllables, const LayRequest& request,
                          const std::filesystem::path& output) {
    ScoreContainer score(ReadWholeFile(input));
    const LayReport report = LayLyrics(score, syllables, request);
    exporting::WriteUserFile(output, score.bytes(ScoreFormOfName(output.string())));
    return report;
}

namespace {

std::string Counted(std::size_t count, const char* noun) {
    return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

} // namespace

std::string UnsurePhraseText(const UnsurePhrase& phrase) {
    std::string text = phrase.firstMeasure == phrase.lastMeasure
                           ? "bar " + phrase.firstMeasure
                           : "bars " + phrase.firstMeasure + "\u2013" + phrase.lastMeasure;
    text += ": " + Counted(static_cast<std::size_t>(phrase.syllables), "syllable") + ", " +
            Counted(static_cast<std::size_t>(phrase.notes), "note") + ":";
    if (phrase.guessedMelismas > 0)
        text +=
            " " + Counted(static_cast<std::size_t>(phrase.guessedMelismas), "melisma") + " guessed";
    if (phrase.guessedSyllables > 0)
        text += std::string(phrase.guessedMelismas > 0 ? "," : "") + " " +
                Counted(static_cast<std::size_t>(phrase.guessedSyllables), "beamed note") +
                " given a syllable";
    return text;
}

std::string LayReportText(const LayReport& report, const LayRequest& request) {
    const auto counted = Counted;
    std::string text = "Laid " + counted(static_cast<std::size_t>(report.laid), "syllable") +
                       " on part " + report.part + ", voice " + std::to_string(request.voice) +
                       ", verse " + std::to_string(request.verse) + ".";
    if (!report.leftover.empty())
        text += "\n" + counted(report.leftover.size(), "syllable") +
                " left over, no notes for them: " + DividedTextOf(report.leftover);
    if (report.notesWithoutSyllable > 0)
        text += "\n" + counted(static_cast<std::size_t>(report.notesWithoutSyllable), "note") +
                " left without a syllable.";
    if (!report.unsure.empty())
        text += "\nCheck " + Counted(report.unsure.size(), "phrase") + " laid with a guess:";
    for (const UnsurePhrase& phrase : report.unsure)
        text += "\n  " + UnsurePhraseText(phrase);
    return text;
}

std::filesystem::path LaidScorePath(const std::filesystem::path& input) {
    std::filesystem::path out = input;
    out.replace_filename(input.stem().string() + "-lyrics" + input.extension().string());
    return out;
}

} // namespace cantiva::notation
