#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace cantiva::ui {

// The About box: the version, the date and two credit lines, and "OK".
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* creditsLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace cantiva::ui
