#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

namespace cantiva::ui {

// How a control follows its window when the window is larger than designed: the shares of the
// extra width and height by which it moves and grows (0 stays, 1 takes all of it).
struct Stretch {
    double moveX = 0, moveY = 0, growX = 0, growY = 0;
};

// A client area laid out at designed positions, as the controls were placed, that stretches them
// by their rules when the window grows. At the designed size every control is exactly where it
// was designed; the area never gets smaller than that.
class StretchingArea : public QWidget {
public:
    StretchingArea(QSize designed, QWidget* parent = nullptr);

    // `control` is a child placed at its designed geometry.
    void follow(QWidget* control, Stretch stretch);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Rule {
        QWidget* control;
        QRect designed;
        Stretch stretch;
    };
    QSize designed_;
    std::vector<Rule> rules_;
};

} // namespace cantiva::ui
