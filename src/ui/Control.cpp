#include "ui/Control.h"

#include <QMouseEvent>

#include "ui/QtColor.h"

namespace ui {

Control::Control(QWidget* widget, QWidget* parent, Color back, Color fore)
    : widget_(widget), backColor_(back), foreColor_(fore) {
    if (parent != nullptr) {
        widget_->setParent(parent);
    }
    widget_->installEventFilter(this);
    widget_->setMouseTracking(true);
    widget_->setFont(toQFont(font_));
    applyColors();
}

Control::~Control() {
    if (widget_ != nullptr && widget_->parent() == nullptr) {
        delete widget_;
    }
}

void Control::setVisible(bool on) {
    const bool changed = visible_ != on;
    visible_ = on;
    widget_->setVisible(on);
    if (changed) {
        emit looksChanged();
    }
}

void Control::setEnabled(bool on) {
    enabled_ = on;
    widget_->setEnabled(on);
}

void Control::setBackColor(Color c) {
    const bool changed = backColor_ != c;
    backColor_ = c;
    applyColors();
    if (changed) {
        emit looksChanged();
    }
}

void Control::setForeColor(Color c) {
    const bool changed = foreColor_ != c;
    foreColor_ = c;
    applyColors();
    if (changed) {
        emit looksChanged();
    }
}

void Control::setFont(const Font& f) {
    font_ = f;
    widget_->setFont(toQFont(f));
    fontChanged();
}

void Control::move(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, width, height);
}

// The set colours are the enabled look only: a disabled control keeps the platform's
// disabled colours, so a greyed box looks greyed and not merely refuses input.
void Control::applyColors() {
    QPalette p = widget_->palette();
    const QColor back = toQColor(backColor_);
    const QColor fore = toQColor(foreColor_);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, back);
        p.setColor(group, QPalette::Base, back);
        p.setColor(group, QPalette::Button, back);
        p.setColor(group, QPalette::WindowText, fore);
        p.setColor(group, QPalette::Text, fore);
        p.setColor(group, QPalette::ButtonText, fore);
    }
    widget_->setPalette(p);
}

void Control::fireClick() {
    if (Click) {
        Click();
    }
}

bool Control::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_) {
        // The second press of a quick double click is a press too: three fast clicks on a
        // score are three points.
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        if (press && MouseDown) {
            const auto* me = static_cast<QMouseEvent*>(event);
            const int button = me->button() == Qt::LeftButton    ? kLeftButton
                               : me->button() == Qt::RightButton ? kRightButton
                                                                 : kMiddleButton;
            MouseDown(button);
        } else if (event->type() == QEvent::MouseMove && MouseMove) {
            MouseMove();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
