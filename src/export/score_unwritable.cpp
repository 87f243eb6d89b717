#include "export/score_unwritable.h"

#include "text/utf8_codec.h"

#include <algorithm>
#include <cstdio>

namespace cantiva::exporting {

std::vector<std::string>
ScoreUnwritableCharacters(const std::vector<const std::vector<std::string>*>& foreignLists) {
    std::vector<std::string> characters;
    for (const std::vector<std::string>* list : foreignLists)
        for (const std::string& c : *list)
            if (std::find(characters.begin(), characters.end(), c) == characters.end())
                characters.push_back(c);
    return characters;
}

std::string ScoreUnwritableMessage(const std::vector<std::string>& characters) {
    std::string message =
        "The SCORE macro is written in Windows-1251, which cannot hold these characters: ";
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i > 0)
            message += ", ";
        const std::string& c = characters[i];
        char32_t cp = 0;
        char code[16];
        if (text::DecodeCodePoint(c, cp) == c.size() && !c.empty()) {
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            message += c + " (" + code + ")";
        } else {
            std::snprintf(code, sizeof code, "0x%02X", c.empty() ? 0U : unsigned(c[0] & 0xFF));
            message += "byte ";
            message += code;
        }
    }
    message += '.';
    return message;
}

} // namespace cantiva::exporting
