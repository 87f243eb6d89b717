#include "ui/designed_layout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace cantiva::ui {
namespace {

// Push buttons keep their designed size: their captions are short, and their size hints carry
// the style's minimum width rather than the text's.
bool ShowsTextThatMayBeCut(QWidget* w) {
    if (qobject_cast<QPushButton*>(w))
        return false;
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QComboBox*>(w);
}

int Scaled(int value, double factor) {
    return static_cast<int>(std::lround(value * factor));
}

} // namespace

void WidenToFitTexts(QWidget& window) {
    double factor = 1.0;
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (ShowsTextThatMayBeCut(child) && child->width() > 0)
            factor =
                std::max(factor, static_cast<double>(child->sizeHint().width()) / child->width());
    }
    if (factor <= 1.0)
        return;
    // Every geometry is relative to its parent, which is scaled by the same factor.
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        const QRect g = child->geometry();
        child->setGeometry(Scaled(g.x(), factor), g.y(), Scaled(g.width(), factor), g.height());
    }
    const QSize size = window.size();
    window.setFixedSize(Scaled(size.width(), factor), size.height());
}

} // namespace cantiva::ui
