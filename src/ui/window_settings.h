#pragma once

#include "dictionaries/language.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What the program remembers between starts, in QSettings (organisation and application
// "Cantiva": ~/.config/Cantiva/Cantiva.conf): the language, the main window's size and place,
// and the last folders used for opening and for saving.
namespace cantiva::ui::settings {

std::optional<dictionaries::Language> Language();
void SetLanguage(dictionaries::Language language);

QByteArray MainWindowGeometry();
void SetMainWindowGeometry(const QByteArray& geometry);

// The folder a file dialog starts in: the one remembered, while it still exists, else the
// user's documents folder (never the dictionary folder, the program's current directory).
QString OpenFolder();
QString SaveFolder();
// Remember the folder of a file just opened or saved.
void RememberOpenedFile(const QString& fileName);
void RememberSavedFile(const QString& fileName);

} // namespace cantiva::ui::settings
