#include "export/score_macro.h"

#include "export/pane_text.h"
#include "text/cp1251.h"
#include "text/utf8_codec.h"

#include <algorithm>
#include <stdexcept>

namespace cantiva::exporting {
namespace {

// Codes of 0xC0 (А) … 0xFF (я). Capital and small Ш, Щ, Ъ, Ь, Ю have unrelated codes.
constexpr std::array<std::string_view, 64> kLetterCodes = {
    "A", "B", "V", "G", "D", "E", "W", "Z", "I",  "J",  "K",  "L", "M",  "N", "O",  "P",
    "R", "S", "T", "U", "F", "H", "C", "Q", "!p", "!m", "!q", "Y", "?O", "@", "?s", "X",
    "a", "b", "v", "g", "d", "e", "w", "z", "i",  "j",  "k",  "l", "m",  "n", "o",  "p",
    "r", "s", "t", "u", "f", "h", "c", "q", "?E", "!g", "?o", "y", "!h", "$", "?t", "x"};

constexpr std::array<std::string_view, 2> kHyphenCodes = {"!!", "??"};
constexpr std::array<std::string_view, 5> kFontCodes = {"_53", "_51", "_54", "_52", "_50"};

constexpr char kBlank = ' ';

bool IsBindingPreposition(char c) {
    return c == 'k' || c == 's' || c == 'v' || c == 'K' || c == 'S' || c == 'V';
}

// The vertical position goes in as typed; only what Windows-1251 cannot hold becomes "?".
std::string HeaderLine(const ScoreMacroOptions& options) {
    std::string staff = ScoreStaffText(options.staff);
    std::string verticalPosition = options.verticalPosition;
    std::replace(verticalPosition.begin(), verticalPosition.end(), text::kForeignPlaceholder, '?');
    if (options.mode == ScoreMode::Input)
        return "T " + staff + " 10 " + verticalPosition + " 1.0 1.0 0\r\n";
    return "TC " + staff + " 0 " + verticalPosition + " 1.0 1.0 0\r\n";
}

} // namespace

std::vector<std::string> ScoreStaffItems() {
    std::vector<std::string> items{std::string(kScoreStaffDontCare)};
    for (int staff = 1; staff <= kScoreStaffCount; ++staff)
        items.push_back(std::to_string(staff));
    return items;
}

std::string_view ScoreHyphenCode(int position) {
    return kHyphenCodes.at(static_cast<std::size_t>(position));
}

std::string_view ScoreFontCode(int position) {
    return kFontCodes.at(static_cast<std::size_t>(position));
}

std::string ScoreStaffText(int position) {
    if (position < 0 || position > kScoreStaffCount)
        throw std::out_of_range("staff position");
    return position == 0 ? "1" : std::to_string(position);
}

std::string EncodeScoreText(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xC0)
            out += kLetterCodes[byte - 0xC0];
        else if (c == '[')
            out += "?[";
        else if (c == ']')
            out += "?]";
        else if (c == text::kForeignPlaceholder)
            out += '?';
        else
            out += c;
    }
    return out;
}

std::string BindShortWords(std::string_view encoded) {
    const std::string_view s = encoded;
    std::string out;
    out.reserve(s.size());
    bool bindNext = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        bool blankBefore = i > 0 && s[i - 1] == kBlank;
        if (c == kBlank) {
            out += bindNext ? kBlank : '/';
            bindNext = false;
            continue;
        }
        if (IsBindingPreposition(c)) {
            bool blankAfter = i + 1 < s.size() && s[i + 1] == kBlank;
            if (blankAfter && (i == 0 || blankBefore))
                bindNext = true;
        } else if (c == 'l' && blankBefore && s.substr(i + 1, 3) == "!h ") {
            // ль joins the word before it: undo the "/" of the blank just written.
            out.back() = kBlank;
        }
        out += c;
    }
    return out;
}

std::string NumberSyllables(std::string_view syllables, std::string_view hyphenCode) {
    std::string out;
    out.reserve(syllables.size() + 16);
    int count = 1;
    for (char c : syllables) {
        if (c == '-') {
            ++count;
            out += hyphenCode;
            continue;
        }
        if (c == '/')
            ++count;
        out += c;
    }
    out += text::kCrLf;
    for (int n = 1; n <= count; ++n) {
        out += std::to_string(n);
        out += text::kCrLf;
    }
    return out;
}

std::string BuildScoreMacro(std::string_view paneText, const ScoreMacroOptions& options) {
    const std::string header = HeaderLine(options);
    const std::string_view font = ScoreFontCode(options.font);
    const std::string_view hyphen = ScoreHyphenCode(options.hyphen);
    std::string macro;
    for (std::string_view line : PaneLines(paneText)) {
        macro += header;
        macro += font;
        if (options.mode == ScoreMode::Input) {
            macro += EncodeScoreText(line);
        } else {
            macro += NumberSyllables(BindShortWords(EncodeScoreText(line)), hyphen);
        }
        macro += text::kCrLf;
    }
    return macro;
}

} // namespace cantiva::exporting
