#pragma once

#include <filesystem>

namespace cantiva::test_support {

// The home every test process runs in instead of the user's: HOME, XDG_CONFIG_HOME,
// XDG_DATA_HOME, XDG_CACHE_HOME and XDG_STATE_HOME point inside it from before main() on, so no
// test reads or writes the user's settings, dictionaries or dialog history. Removed at exit.
const std::filesystem::path& TestHome();

// The home the user who runs the tests really has (from the password database, not HOME).
std::filesystem::path RealHome();

// Whether `path` lies inside `folder` (both made absolute and normal first).
bool IsInside(const std::filesystem::path& path, const std::filesystem::path& folder);

} // namespace cantiva::test_support
