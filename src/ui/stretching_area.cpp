#include "ui/stretching_area.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace cantiva::ui {

StretchingArea::StretchingArea(QSize designed, QWidget* parent)
    : QWidget(parent), designed_(designed) {
    setMinimumSize(designed);
    resize(designed);
}

void StretchingArea::follow(QWidget* control, Stretch stretch) {
    rules_.push_back({control, control->geometry(), stretch});
}

void StretchingArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double dx = std::max(0, width() - designed_.width());
    const double dy = std::max(0, height() - designed_.height());
    auto part = [](double extra, double share) {
        return static_cast<int>(std::lround(extra * share));
    };
    for (const Rule& r : rules_) {
        const QRect& g = r.designed;
        r.control->setGeometry(g.x() + part(dx, r.stretch.moveX), g.y() + part(dy, r.stretch.moveY),
                               g.width() + part(dx, r.stretch.growX),
                               g.height() + part(dy, r.stretch.growY));
    }
}

} // namespace cantiva::ui
