#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

namespace cantiva::ui {

// A control of a designed layout: made with `args` (a caption, say) in `parent`, named `name`
// and put at its designed place.
template <class Control, class... Args>
Control* Placed(QWidget* parent, const char* name, const QRect& geometry, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace cantiva::ui
