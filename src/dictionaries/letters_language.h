#pragma once

#include "dictionaries/language.h"

#include <optional>
#include <string_view>

namespace cantiva::dictionaries {

// The language the letters of a text (UTF-8) are written for, when most of them belong to
// another alphabet than `current`'s: Russian for Cyrillic letters under a western language; for
// Latin letters under Russian, the western language whose own accented letters the text holds
// most of (German ä ö ü ß, French ç ê è ë î ï ô œ û, Italian à ì ò ù, Spanish ñ á í ó ú), else
// English. Nothing when the letters suit `current` or there are none.
std::optional<Language> LanguageOfTheLetters(std::string_view utf8, Language current);

} // namespace cantiva::dictionaries
