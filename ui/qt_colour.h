#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include "engine/colour.h"

namespace varnholt {

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Text and background of an edit box or label, as the design styles its result fields.
inline void applyStyle(QWidget* widget, const FieldStyle& style) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Text, toQColor(style.text));
    p.setColor(QPalette::WindowText, toQColor(style.text));
    p.setColor(QPalette::Base, toQColor(style.background));
    widget->setPalette(p);
}

inline void applyTextColour(QWidget* widget, Rgb colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Text, toQColor(colour));
    p.setColor(QPalette::WindowText, toQColor(colour));
    widget->setPalette(p);
}

}  // namespace varnholt
