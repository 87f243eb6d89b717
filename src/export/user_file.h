#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cantiva::exporting {

// The bytes of a text file written for the user: Windows-1251 when every character fits (no
// foreign characters), else UTF-8 with a byte-order mark.
std::string UserFileBytes(std::string_view cp1251, const std::vector<std::string>& foreign);

} // namespace cantiva::exporting
