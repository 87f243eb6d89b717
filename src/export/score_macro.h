#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The SCORE macro: Russian lyrics re-coded for the TimeScore text fonts, either as plain text
// lines (input mode) or as centred lyric lines with numbered syllables (output mode).
namespace cantiva::exporting {

// What the window and the command line say for a text of a language the macro's fonts lack.
inline constexpr std::string_view kScoreMacroLanguageMessage =
    "So far works only with Russian texts";

// Positions of the dialog's mode group.
enum class ScoreMode { Input = 0, Output = 1 };

inline constexpr std::array<std::string_view, 2> kScoreModeItems = {
    "Export input (plain text only)", "Export output (centered lyrics)"};
inline constexpr std::array<std::string_view, 2> kScoreHyphenItems = {"Dash", "Extender"};
inline constexpr std::array<std::string_view, 5> kScoreFontItems = {
    "TimeScore Accents", "TimeScore Bold", "TimeScore Bold Italic", "TimeScore Italic",
    "TimeScore Regular"};
inline constexpr int kScoreStaffCount = 16;
inline constexpr std::string_view kScoreStaffDontCare = "Don't care";

// The positions the dialog's lists are reset to on every opening.
inline constexpr int kScoreDefaultHyphen = 0; // "Dash"
inline constexpr int kScoreDefaultFont = 4;   // "TimeScore Regular"
inline constexpr int kScoreDefaultStaff = 0;  // "Don't care"
inline constexpr std::string_view kScoreDefaultVerticalPosition = "-4";

// "Don't care", "1", … "16".
std::vector<std::string> ScoreStaffItems();

// The codes of the chosen list positions; a position outside its list throws std::out_of_range.
std::string_view ScoreHyphenCode(int position);
std::string_view ScoreFontCode(int position);
// "1" for "Don't care" (position 0), else the item's own text.
std::string ScoreStaffText(int position);

struct ScoreMacroOptions {
    ScoreMode mode = ScoreMode::Output;
    int hyphen = kScoreDefaultHyphen;
    int font = kScoreDefaultFont;
    int staff = kScoreDefaultStaff;
    std::string verticalPosition =
        std::string(kScoreDefaultVerticalPosition); // written as typed, Windows-1251
};

// Each Cyrillic letter (and "[", "]") replaced by its TimeScore code; everything else copied.
// A character Windows-1251 cannot hold (the foreign placeholder) becomes "?".
std::string EncodeScoreText(std::string_view text);

// Marks word boundaries of an encoded line with "/" and binds the one-letter prepositions к, с,
// в to the next word and the particle ль to the word before it with a plain blank.
std::string BindShortWords(std::string_view encoded);

// Replaces every "-" by `hyphenCode`, counts the syllables ("-" and "/" each open one more) and
// appends the number lines: text CR LF, then "1" CR LF … N CR LF.
std::string NumberSyllables(std::string_view syllables, std::string_view hyphenCode);

// The whole macro for the pane's lines (empty lines included, none after a final line break).
std::string BuildScoreMacro(std::string_view paneText, const ScoreMacroOptions& options);

} // namespace cantiva::exporting
