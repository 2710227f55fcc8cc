#include "ui/QtColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

QColor toQColor(Color color) {
    if (!color.isSystem()) {
        return QColor(color.red(), color.green(), color.blue());
    }
    const QPalette palette = QGuiApplication::palette();
    switch (static_cast<SystemColor>(color.toInt() & 0xFF)) {
        case SystemColor::ButtonFace:
            return palette.color(QPalette::Button);
        case SystemColor::GreyText:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case SystemColor::ButtonText:
            return palette.color(QPalette::ButtonText);
    }
    return palette.color(QPalette::WindowText);
}

}  // namespace ui
