#include "notation/lyric_laying.h"

#include "export/user_file.h"
#include "io/file_io.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

namespace cantiva::notation {
namespace {

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// A note's voice; notes without a <voice> element are in voice 1. Unreadable numbers are 0.
int VoiceOf(pugi::xml_node note) {
    const pugi::xml_node voice = note.child("voice");
    if (!voice)
        return 1;
    const std::string_view text = Trimmed(voice.child_value());
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string VerseName(int verse) {
    return std::to_string(verse);
}

// A lyric without a number is verse 1.
bool IsVerse(pugi::xml_node lyric, const std::string& verse) {
    const pugi::xml_attribute number = lyric.attribute("number");
    return number ? Trimmed(number.value()) == verse : verse == "1";
}

bool HasTypedChild(pugi::xml_node parent, const char* name, std::string_view type) {
    for (pugi::xml_node child : parent.children(name)) {
        if (type == child.attribute("type").value())
            return true;
    }
    return false;
}

// The second and later notes of a tie, by the sounding tie or the drawn one.
bool ContinuesTie(pugi::xml_node note) {
    const pugi::xml_node notations = note.child("notations");
    return HasTypedChild(note, "tie", "stop") || HasTypedChild(notations, "tied", "stop") ||
           HasTypedChild(notations, "tied", "continue");
}

bool IsSingable(pugi::xml_node note) {
    return !note.child("rest") && !note.child("grace") && !note.child("cue");
}

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
    const bool indented = space.type() == pugi::node_pcdata && Trimmed(space.value()).empty();
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
            if (VerseBefore(verse, number ? Trimmed(number.value()) : "1"))
                return InsertIndented(note, {}, child);
        } else if (name == "play" || name == "listen") {
            return InsertIndented(note, {}, child);
        }
        last = child;
    }
    return InsertIndented(note, last, {});
}

void WriteLyric(pugi::xml_node note, const std::string& verse, const PlacedSyllable& syllable,
                bool extend) {
    pugi::xml_node lyric = NewLyric(note, verse);
    lyric.append_attribute("number").set_value(verse.c_str());
    lyric.append_child("syllabic").text().set(std::string(SyllabicName(syllable.syllabic)).c_str());
    lyric.append_child("text").text().set(syllable.text.c_str());
    if (extend)
        lyric.append_child("extend");
}

struct SungNote {
    pugi::xml_node note;
    bool melismaFollows = false;
};

// The notes that take a syllable, in order, with whether a slurred melisma follows each.
std::vector<SungNote> SungNotes(const std::vector<pugi::xml_node>& voiceNotes, bool slurMelisma) {
    std::vector<SungNote> sung;
    std::set<std::string> openSlurs;
    for (pugi::xml_node note : voiceNotes) {
        if (!IsSingable(note))
            continue;
        if (!note.child("chord")) {
            const bool underSlur = slurMelisma && !openSlurs.empty();
            if (underSlur && !sung.empty())
                sung.back().melismaFollows = true;
            if (!underSlur && !ContinuesTie(note))
                sung.push_back({note});
        }
        // Slurs that start or end on any note of the chord; a grace note's slur is ignored, so
        // the main note it leads to is not taken for a melisma.
        const pugi::xml_node notations = note.child("notations");
        for (pugi::xml_node slur : notations.children("slur")) {
            if (std::string_view(slur.attribute("type").value()) == "stop")
                openSlurs.erase(slur.attribute("number").as_string("1"));
        }
        for (pugi::xml_node slur : notations.children("slur")) {
            if (std::string_view(slur.attribute("type").value()) == "start")
                openSlurs.insert(slur.attribute("number").as_string("1"));
        }
    }
    return sung;
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
    return LayLyrics(score, SyllablesInOrder(dividedUtf8), request);
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
    const std::string verse = VerseName(request.verse);
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
        if (space.type() == pugi::node_pcdata && Trimmed(space.value()).empty())
            lyric.parent().remove_child(space);
        lyric.parent().remove_child(lyric);
    }

    const std::vector<SungNote> sung = SungNotes(voiceNotes, request.slurMelisma);
    const std::size_t laid = std::min(sung.size(), syllables.size());
    for (std::size_t i = 0; i < laid; ++i)
        WriteLyric(sung[i].note, verse, syllables[i], sung[i].melismaFollows);

    report.sungNotes = static_cast<int>(sung.size());
    report.laid = static_cast<int>(laid);
    report.leftover.assign(syllables.begin() + static_cast<std::ptrdiff_t>(laid), syllables.end());
    report.notesWithoutSyllable = static_cast<int>(sung.size() - laid);
    return report;
}

LayReport LayLyricsOnFile(const std::filesystem::path& input, std::string_view dividedUtf8,
                          const LayRequest& request, const std::filesystem::path& output) {
    return LayLyricsOnFile(input, SyllablesInOrder(dividedUtf8), request, output);
}

LayReport LayLyricsOnFile(const std::filesystem::path& input,
                          const std::vector<PlacedSyllable>& syllables, const LayRequest& request,
                          const std::filesystem::path& output) {
    ScoreContainer score(ReadWholeFile(input));
    const LayReport report = LayLyrics(score, syllables, request);
    exporting::WriteUserFile(output, score.bytes(ScoreFormOfName(output.string())));
    return report;
}

std::string LayReportText(const LayReport& report, const LayRequest& request) {
    auto counted = [](std::size_t count, const char* noun) {
        return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
    };
    std::string text = "Laid " + counted(static_cast<std::size_t>(report.laid), "syllable") +
                       " on part " + report.part + ", voice " + std::to_string(request.voice) +
                       ", verse " + std::to_string(request.verse) + ".";
    if (!report.leftover.empty())
        text += "\n" + counted(report.leftover.size(), "syllable") +
                " left over, no notes for them: " + DividedTextOf(report.leftover);
    if (report.notesWithoutSyllable > 0)
        text += "\n" + counted(static_cast<std::size_t>(report.notesWithoutSyllable), "note") +
                " left without a syllable.";
    return text;
}

std::filesystem::path LaidScorePath(const std::filesystem::path& input) {
    std::filesystem::path out = input;
    out.replace_filename(input.stem().string() + "-lyrics" + input.extension().string());
    return out;
}

} // namespace cantiva::notation
