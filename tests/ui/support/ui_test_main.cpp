// The window tests' entry: one QApplication for the whole binary, on the offscreen platform so
// the tests run without a display (ctest sets the same; this covers running the binary by hand).
// Settings go to the process's own home (support/test_home.h) and are forgotten before every test,
// so no test starts with another's language, folders or window size, and none touches the user's.
#include "support/test_home.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

class ForgetSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings(QStringLiteral("Cantiva"), QStringLiteral("Cantiva")).clear();
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    const std::filesystem::path config = cantiva::test_support::TestHome() / ".config";
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.string()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetSettings);
    return RUN_ALL_TESTS();
}
