#include "notation/voice_reading.h"

#include "text/cp1251.h"

#include <charconv>
#include <optional>
#include <set>
#include <string_view>

namespace cantiva::notation {
namespace {

// The leading number of a text ("12a" is 12); 0 when there is none.
int LeadingNumber(std::string_view text) {
    text = text::TrimView(text);
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
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

// A fermata, a breath mark or a caesura on the note: the phrase breathes after it.
bool EndsPhrase(pugi::xml_node note) {
    for (pugi::xml_node mark : note.child("notations").children()) {
        const std::string_view name = mark.name();
        if (name == "fermata" || mark.child("breath-mark") || mark.child("caesura"))
            return true;
    }
    return false;
}

bool ContinuesBeam(pugi::xml_node note) {
    for (pugi::xml_node beam : note.children("beam")) {
        if (std::string_view(beam.attribute("number").as_string("1")) != "1")
            continue;
        const std::string_view value = text::TrimView(beam.child_value());
        return value == "continue" || value == "end";
    }
    return false;
}

bool IsShortNote(pugi::xml_node note) {
    static const std::set<std::string_view> kShort = {"eighth", "16th",  "32nd",
                                                      "64th",   "128th", "256th"};
    return kShort.count(text::TrimView(note.child_value("type"))) > 0;
}

// Whether a lyric of `verse` is on the note.
bool HasVerse(pugi::xml_node note, const std::string& verse) {
    for (pugi::xml_node lyric : note.children("lyric")) {
        if (IsVerse(lyric, verse))
            return true;
    }
    return false;
}

// The verse that guides: the one asked for, else the lowest other verse the voice sings.
std::string GuideVerse(const std::vector<VoiceNote>& notes, const VoiceReadingOptions& options) {
    if (!options.followVerse.empty())
        return options.followVerse;
    int lowest = 0;
    for (const VoiceNote& n : notes) {
        for (pugi::xml_node lyric : n.note.children("lyric")) {
            const pugi::xml_attribute number = lyric.attribute("number");
            const int verse = number ? LeadingNumber(number.value()) : 1;
            if (!IsVerse(lyric, options.verse) && verse > 0 && (lowest == 0 || verse < lowest))
                lowest = verse;
        }
    }
    return lowest == 0 ? std::string() : std::to_string(lowest);
}

// Marks the notes the guide verse sings (+1) and the notes its melismas hold (-1).
void MarkOtherVerse(std::vector<VoiceNote>& notes, const VoiceReadingOptions& options) {
    const std::string guide = GuideVerse(notes, options);
    if (guide.empty())
        return;
    std::size_t first = notes.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (HasVerse(notes[i].note, guide)) {
            first = std::min(first, i);
            last = i;
        }
    }
    for (std::size_t i = first; i <= last && i < notes.size(); ++i)
        notes[i].evidence.otherVerse = HasVerse(notes[i].note, guide) ? 1 : -1;
}

// The written pitch in semitones, or nothing for an unpitched note.
std::optional<double> PitchOf(pugi::xml_node note) {
    static constexpr std::string_view kSteps = "C D EF G A B";
    const pugi::xml_node pitch = note.child("pitch");
    const std::string_view step = text::TrimView(pitch.child_value("step"));
    if (!pitch || step.size() != 1 || kSteps.find(step[0]) == std::string_view::npos)
        return std::nullopt;
    return 12.0 * pitch.child("octave").text().as_double() +
           static_cast<double>(kSteps.find(step[0])) + pitch.child("alter").text().as_double();
}

bool InMeasures(const std::string& measure, const VoiceReadingOptions& options) {
    const int number = LeadingNumber(measure);
    return (options.fromMeasure == 0 || number >= options.fromMeasure) &&
           (options.toMeasure == 0 || number <= options.toMeasure);
}

} // namespace

int VoiceOf(pugi::xml_node note) {
    const pugi::xml_node voice = note.child("voice");
    return voice ? LeadingNumber(voice.child_value()) : 1;
}

bool IsVerse(pugi::xml_node lyric, const std::string& verse) {
    const pugi::xml_attribute number = lyric.attribute("number");
    return number ? text::TrimView(number.value()) == verse : verse == "1";
}

std::vector<VoiceNote> ReadVoice(pugi::xml_node part, const VoiceReadingOptions& options) {
    std::vector<VoiceNote> sung;
    std::set<std::string> openSlurs;
    bool restBefore = true; // the voice's first note starts a phrase
    double previousLength = 0;
    std::optional<double> previousPitch;
    for (pugi::xml_node measure : part.children("measure")) {
        const std::string number = measure.attribute("number").value();
        const bool inRange = InMeasures(number, options);
        for (pugi::xml_node note : measure.children("note")) {
            if (VoiceOf(note) != options.voice)
                continue;
            if (note.child("rest")) {
                restBefore = true;
                continue;
            }
            if (!IsSingable(note))
                continue; // a grace note's slur leads to its main note, no melisma
            if (!note.child("chord")) {
                const bool underSlur = !openSlurs.empty();
                if (options.slurMelisma && underSlur && !sung.empty() && inRange)
                    sung.back().slurHoldsOver = true;
                if (!ContinuesTie(note) && !(options.slurMelisma && underSlur) && inRange) {
                    const double length = note.child("duration").text().as_double();
                    const std::optional<double> pitch = PitchOf(note);
                    NoteEvidence evidence;
                    evidence.continuesBeam = ContinuesBeam(note);
                    evidence.underSlur = underSlur;
                    evidence.afterRest =
                        restBefore || (!sung.empty() && EndsPhrase(sung.back().note));
                    evidence.flagged = IsShortNote(note) && !note.child("beam");
                    evidence.lengthRatio =
                        previousLength > 0 && length > 0 ? length / previousLength : 1.0;
                    evidence.repeatsPitch = pitch && pitch == previousPitch;
                    sung.push_back({note, number, evidence});
                    previousLength = length;
                    previousPitch = pitch;
                    restBefore = false;
                }
            }
            // Slurs that start or end on any note of the chord.
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
    }
    MarkOtherVerse(sung, options);
    return sung;
}

} // namespace cantiva::notation
