#include "support/test_home.h"

#include <cstdlib>
#include <pwd.h>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>

namespace cantiva::test_support {
namespace {

class ScopedHome {
public:
    ScopedHome() {
        std::string pattern = std::filesystem::temp_directory_path() / "cantiva-home-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a test home");
        path_ = pattern;
        Point("HOME", path_);
        Point("XDG_CONFIG_HOME", path_ / ".config");
        Point("XDG_DATA_HOME", path_ / ".local/share");
        Point("XDG_CACHE_HOME", path_ / ".cache");
        Point("XDG_STATE_HOME", path_ / ".local/state");
    }
    ~ScopedHome() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    static void Point(const char* variable, const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        ::setenv(variable, folder.c_str(), 1);
    }

    std::filesystem::path path_;
};

// Made during static initialisation, before any test or QApplication reads the environment.
const ScopedHome kHome;

} // namespace

const std::filesystem::path& TestHome() {
    return kHome.path();
}

std::filesystem::path RealHome() {
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

bool IsInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    const std::filesystem::path relative =
        std::filesystem::absolute(path).lexically_normal().lexically_relative(
            std::filesystem::absolute(folder).lexically_normal());
    return !relative.empty() && *relative.begin() != "..";
}

} // namespace cantiva::test_support
