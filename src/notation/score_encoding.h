#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cantiva::notation {

// A score whose XML declaration names an encoding the XML reader does not convert itself (any
// but UTF-8 and UTF-16), converted to UTF-8; nothing when there is nothing to convert. Throws
// ScoreError for an encoding the system cannot convert, or bytes that are not in it.
std::optional<std::string> ScoreAsUtf8(std::string_view xml);

} // namespace cantiva::notation
