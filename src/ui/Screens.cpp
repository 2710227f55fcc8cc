#include "ui/Screens.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui::screens {
namespace {

QPointer<QWidget> g_operatorWindow;
QPointer<QWidget> g_companion;

// The companion column is never narrower than this or than its contents need, nor wider
// than half the screen.
constexpr int kCompanionMinWidth = 460;

// The screen under the middle of a window, shown or not.
QScreen* screenOf(const QWidget* window) {
    if (QScreen* s = QGuiApplication::screenAt(window->geometry().center())) {
        return s;
    }
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

bool secondScreenAttached() {
    return audienceScreen() != operatorScreen();
}

// What the window manager's frame adds around a window; nothing until it is shown.
QMargins frameOf(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Moves a window into the middle of an area of a screen, at its size or the size it asks
// for, no larger than that area.
void centreIn(QWidget* window, QScreen* target, const QRect& area) {
    const QRect free = area.marginsRemoved(frameOf(window));
    QSize size = window->testAttribute(Qt::WA_Resized)
                     ? window->size()
                     : window->sizeHint().expandedTo(window->minimumSize());
    size = size.boundedTo(free.size());
    window->setScreen(target);
    window->setGeometry(
        QRect(QPoint(), size)
            .translated(free.center() - QPoint(size.width() / 2, size.height() / 2)));
}

void centreOn(QWidget* window, QScreen* target) {
    centreIn(window, target, target->availableGeometry());
}

// Moves a window to a screen, unless it is there already.
void bringTo(QWidget* window, QScreen* target) {
    if (target != nullptr && window != g_operatorWindow && screenOf(window) != target) {
        centreOn(window, target);
    }
}

// The free area of a screen less the column of the companion window when it stands there.
QRect freeAreaBesideCompanion(QScreen* screen) {
    QRect free = screen->availableGeometry();
    if (g_companion == nullptr || !g_companion->isVisible() || screenOf(g_companion) != screen) {
        return free;
    }
    const QRect column = g_companion->frameGeometry();
    if (column.center().x() >= free.center().x()) {
        free.setRight(std::max(free.left(), column.left() - 1));
    } else {
        free.setLeft(std::min(free.right(), column.right() + 1));
    }
    return free;
}

void fillAudienceScreen(QWidget* window) {
    QScreen* target = audienceScreen();
    if (target == nullptr) {
        return;
    }
    window->setScreen(target);
    if (secondScreenAttached()) {
        // The projector shows nothing but the board: no frame, no panels.
        window->setGeometry(target->geometry());
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
    } else {
        // A normal window whose frame fills the free area (its frame is known once shown).
        window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
        window->setGeometry(freeAreaBesideCompanion(target).marginsRemoved(frameOf(window)));
    }
}

}  // namespace

void setOperatorWindow(QWidget* window) {
    g_operatorWindow = window;
}

QScreen* operatorScreen() {
    return g_operatorWindow != nullptr ? screenOf(g_operatorWindow)
                                       : QGuiApplication::primaryScreen();
}

QScreen* audienceScreen() {
    QScreen* own = operatorScreen();
    const QList<QScreen*> all = QGuiApplication::screens();
    const auto other = std::find_if(all.begin(), all.end(), [own](QScreen* s) { return s != own; });
    return other != all.end() ? *other : own;
}

void showCompanion(QWidget* window) {
    g_companion = window;
    QScreen* screen = operatorScreen();
    if (window == nullptr || screen == nullptr) {
        return;
    }
    // The boards are drawn 4:3: at the screen's full height they leave this much width.
    const QRect free = screen->availableGeometry();
    const int spare = free.width() - free.height() * 4 / 3;
    const auto column = [&] {
        const QMargins frame = frameOf(window);
        const int contents = std::max(window->minimumSizeHint().width(), window->minimumWidth());
        const int needed = std::max(kCompanionMinWidth, contents + frame.left() + frame.right());
        const int width = std::clamp(spare, std::min(needed, free.width() / 2), free.width() / 2);
        return QRect(free.right() + 1 - width, free.top(), width, free.height());
    };
    window->setScreen(screen);
    window->setGeometry(column());
    window->show();
    window->setGeometry(column().marginsRemoved(frameOf(window)));  // now that the frame is known
}

void place(QWidget* window, WindowPlace where) {
    switch (where) {
        case WindowPlace::Operator:
            bringTo(window, operatorScreen());
            break;
        case WindowPlace::Audience:
            fillAudienceScreen(window);
            break;
        case WindowPlace::OverBoard:
            bringTo(window, audienceScreen());
            break;
    }
}

void centreOnOperatorScreen(QWidget* window) {
    if (QScreen* screen = operatorScreen()) {
        centreIn(window, screen, freeAreaBesideCompanion(screen));
    }
}

void placeDialog(QWidget* dialog) {
    // With one screen the platform centres a dialog over the window in front, as always.
    if (secondScreenAttached()) {
        centreOn(dialog, operatorScreen());
    }
}

void show(QWidget* window, WindowPlace where, Activation activation) {
    place(window, where);
    window->show();
    if (where == WindowPlace::Audience && !secondScreenAttached()) {
        place(window, where);  // again, now that its frame is known
    }
    window->raise();
    if (activation == Activation::TakeKeyboard) {
        window->activateWindow();
    }
}

}  // namespace ui::screens
