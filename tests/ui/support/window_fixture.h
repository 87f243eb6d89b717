#pragma once

#include "support/cp1251.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/support/current_directory.h"
#include "ui/support/find_child.h"
#include "ui/support/scripted_platform.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace cantiva::test_support {

// A main window over a temporary dictionary folder that is the current directory, with a
// scripted platform. Members are destroyed window first, folder last.
class WindowFixture : public ::testing::Test {
protected:
    // Russian dictionaries whose only pattern is а1м and English ones whose only pattern is a1m.
    void useTinyDictionaries() {
        folder.writeDictionaries(MainSource(dictionaries::Language::Russian, {"", W("а1м")}), "",
                                 MainSource(dictionaries::Language::English, {"", "a1m"}));
        cwd.emplace(folder.path());
    }
    // Empty dictionaries of every language.
    void useEmptyDictionaries() {
        folder.writeDictionaries();
        cwd.emplace(folder.path());
    }

    // The window as the user first sees it: created, shown and activated.
    ui::MainWindow& open() {
        window = std::make_unique<ui::MainWindow>(platform);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename T> T* child(const char* name) const { return Child<T>(*window, name); }
    QPlainTextEdit* input() const { return child<QPlainTextEdit>("inputPane"); }
    QPlainTextEdit* result() const { return child<QPlainTextEdit>("resultPane"); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    // The result pane shows `text`, and nothing said so far counts.
    void showResult(const QString& text) {
        result()->setPlainText(text);
        platform.clearRecord();
    }
    QString file(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    TempFolder folder;
    std::optional<ScopedCurrentDirectory> cwd;
    ScriptedPlatform platform;
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace cantiva::test_support
