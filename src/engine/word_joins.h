#pragma once

#include "dictionaries/language.h"
#include "text/divided_run.h"

#include <optional>
#include <string_view>

namespace cantiva::engine {

// How the word `previous` (its text; `divided` when it has a cut) meets `next`, the
// word after it on the same line, by the language's word join: an elision, a synalepha, or none.
std::optional<text::CutKind> JoinBetween(std::string_view previous, bool divided,
                                         std::string_view next,
                                         const dictionaries::LanguageInfo& language);

} // namespace cantiva::engine
