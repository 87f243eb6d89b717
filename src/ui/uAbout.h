#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace cantiva::ui {

// The About box: the version, the date and two credit lines, and "OK".
class TForm5 : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1 = nullptr;
    QPushButton* btOK = nullptr;
};

} // namespace cantiva::ui
