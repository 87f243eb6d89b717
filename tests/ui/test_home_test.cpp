// No window test can reach the user's own settings, dictionaries or dialog history: every place
// the program reads them from lies in the test process's own home.
#include "support/test_home.h"
#include "ui/dictionary_folder.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cantiva::ui {
namespace {

using test_support::IsInside;
using test_support::TestHome;

std::string Location(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

TEST(TestHome, EveryUserPlaceIsInsideTheTestHome) {
    const struct {
        const char* what;
        std::string path;
    } places[] = {
        {"HOME", std::getenv("HOME")},
        {"XDG_CONFIG_HOME", std::getenv("XDG_CONFIG_HOME")},
        {"XDG_DATA_HOME", std::getenv("XDG_DATA_HOME")},
        {"settings file",
         QSettings(QStringLiteral("Cantiva"), QStringLiteral("Cantiva")).fileName().toStdString()},
        {"config location", Location(QStandardPaths::GenericConfigLocation)},
        {"data location", Location(QStandardPaths::GenericDataLocation)},
        {"documents (dialogs start there)", Location(QStandardPaths::DocumentsLocation)},
        {"user dictionary folder", UserDictionaryFolder().string()},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.what);
        EXPECT_TRUE(IsInside(place.path, TestHome())) << place.path;
    }
}

} // namespace
} // namespace cantiva::ui
