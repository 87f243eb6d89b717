#include "ui/support/scripted_platform.h"

#include <QDialog>

namespace cantiva::test_support {

const char* KindName(ScriptedPlatform::Kind kind) {
    using Kind = ScriptedPlatform::Kind;
    switch (kind) {
    case Kind::Error:
        return "error";
    case Kind::WarningYesNo:
        return "yes-no";
    case Kind::Information:
        return "information";
    case Kind::Warning:
        return "warning";
    case Kind::Message:
        return "message";
    case Kind::Beep:
        return "beep";
    case Kind::OpenFile:
        return "open-file";
    case Kind::SaveFile:
        return "save-file";
    case Kind::Clipboard:
        return "clipboard";
    case Kind::Modal:
        return "modal";
    case Kind::Question:
        return "question";
    }
    return "?";
}

std::vector<std::string> ScriptedPlatform::transcript() const {
    std::vector<std::string> lines;
    for (const Call& call : calls) {
        std::string line = KindName(call.kind);
        if (call.kind != Kind::Beep)
            line += ": " + call.text.toStdString();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ScriptedPlatform::texts(Kind kind) const {
    std::vector<std::string> out;
    for (const Call& call : calls)
        if (call.kind == kind)
            out.push_back(call.text.toStdString());
    return out;
}

int ScriptedPlatform::count(Kind kind) const {
    int n = 0;
    for (const Call& call : calls)
        n += call.kind == kind ? 1 : 0;
    return n;
}

void ScriptedPlatform::clearRecord() {
    calls.clear();
    fileRequests.clear();
    clipboard.clear();
    busyPushes = 0;
    busyPops = 0;
}

void ScriptedPlatform::record(Kind kind, const QString& text) {
    calls.push_back({kind, text});
}

void ScriptedPlatform::error(QWidget*, const QString& text) {
    record(Kind::Error, text);
}

bool ScriptedPlatform::warningYesNo(QWidget*, const QString& text) {
    record(Kind::WarningYesNo, text);
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::information(QWidget*, const QString& text) {
    record(Kind::Information, text);
}

void ScriptedPlatform::warning(QWidget*, const QString& text) {
    record(Kind::Warning, text);
}

void ScriptedPlatform::message(QWidget*, const QString& text) {
    record(Kind::Message, text);
}

int ScriptedPlatform::question(QWidget*, const QString& text, const QStringList& buttons) {
    record(Kind::Question,
           text + QStringLiteral(" [") + buttons.join(QLatin1Char('|')) + QLatin1Char(']'));
    const int cancel = static_cast<int>(buttons.size()) - 1;
    if (questionAnswers.empty())
        return cancel;
    const int answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::beep() {
    record(Kind::Beep);
}

void ScriptedPlatform::pushBusyCursor() {
    ++busyPushes;
}

void ScriptedPlatform::popBusyCursor() {
    ++busyPops;
}

namespace {
QString TakeFront(std::deque<QString>& queue) {
    if (queue.empty())
        return {};
    QString answer = queue.front();
    queue.pop_front();
    return answer;
}
} // namespace

QString ScriptedPlatform::openFileName(QWidget*, const ui::FileDialogRequest& request) {
    record(Kind::OpenFile, request.filter);
    fileRequests.push_back(request);
    return TakeFront(openFileAnswers);
}

QString ScriptedPlatform::saveFileName(QWidget*, const ui::FileDialogRequest& request) {
    record(Kind::SaveFile, request.filter);
    fileRequests.push_back(request);
    return TakeFront(saveFileAnswers);
}

void ScriptedPlatform::setClipboardText(const QString& text) {
    record(Kind::Clipboard, text);
    clipboard = text;
}

int ScriptedPlatform::showModal(QDialog& dialog) {
    record(Kind::Modal, dialog.objectName());
    return onModal ? onModal(dialog) : QDialog::Rejected;
}

} // namespace cantiva::test_support
