#include "sim/windows/PlayerButton.h"

#include <QMouseEvent>

namespace sim {

PlayerButton::PlayerButton(Button button, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), button_(button) {
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(64, 40);
    connect(this, &QPushButton::clicked, this, [this] {
        if (shiftHeld_) {
            emit gatherRequested(button_);
        } else {
            emit pressRequested(button_);
        }
    });
    restyle();
}

void PlayerButton::showState(bool lit, bool latched, bool gathered) {
    if (lit == lit_ && latched == latched_ && gathered == gathered_) {
        return;
    }
    lit_ = lit;
    latched_ = latched;
    gathered_ = gathered;
    restyle();
}

void PlayerButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit programmingRequested(button_);
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void PlayerButton::mouseReleaseEvent(QMouseEvent* event) {
    shiftHeld_ = event->modifiers().testFlag(Qt::ShiftModifier);
    QPushButton::mouseReleaseEvent(event);
    shiftHeld_ = false;
}

void PlayerButton::restyle() {
    const QString face = lit_ ? QStringLiteral("#ffe600") : QStringLiteral("#e4e4e4");
    const QString text = latched_ ? QStringLiteral("#c00000") : QStringLiteral("#101010");
    const QString border = gathered_  ? QStringLiteral("3px solid #2050ff")
                           : latched_ ? QStringLiteral("3px solid #c00000")
                                      : QStringLiteral("1px solid #808080");
    setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: %3; "
                                 "border-radius: 6px; padding: 2px 4px; }"
                                 "QPushButton:pressed { background: #b0b0b0; }"
                                 "QPushButton:disabled { background: #f4f4f4; color: #a0a0a0; }")
                      .arg(face, text, border));
}

}  // namespace sim
