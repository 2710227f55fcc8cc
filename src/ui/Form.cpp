#include "ui/Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "ui/QtColor.h"

namespace ui {
namespace {
// One front form for the whole program: the window the operator works in.
Form* g_front = nullptr;
}  // namespace

Form::Form(const QString& caption) : window_(new QMainWindow) {
    window_->setWindowTitle(caption);
    client_ = new QWidget;
    client_->setAutoFillBackground(true);
    client_->setMouseTracking(true);
    window_->setCentralWidget(client_);
    // One application-wide filter sees the window's own events (close, resize) and every
    // key and click inside it before the controls do.
    qApp->installEventFilter(this);
    setBackColor(backColor_);
}

Form::~Form() {
    if (g_front == this) {
        g_front = nullptr;
    }
    // No more events for this form while its widgets go away.
    qApp->removeEventFilter(this);
    delete window_;
}

Form* Form::front() {
    return g_front;
}

bool Form::isFront() const {
    return g_front == this;
}

void Form::setBackColor(Color c) {
    backColor_ = c;
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, toQColor(c));
    client_->setPalette(p);
}

void Form::setPlace(WindowPlace place) {
    place_ = place;
    screens::place(window_, place_);
}

void Form::load() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void Form::setCompanionOf(Form& owner) {
    owner_ = &owner;
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    window_->winId();
    owner.window()->winId();
    window_->windowHandle()->setTransientParent(owner.window()->windowHandle());
}

void Form::show() {
    load();
    if (!loaded_) {
        return;  // unloaded by its own load step
    }
    visible_ = true;
    if (owner_ != nullptr) {
        screens::show(window_, place_, screens::Activation::LeaveKeyboard);
        Form_Activate();
        return;
    }
    screens::show(window_, place_);
    becomeFront();
}

void Form::hide() {
    visible_ = false;
    window_->hide();
    if (g_front == this) {
        g_front = nullptr;
    }
}

void Form::unload() {
    hide();
    loaded_ = false;
}

void Form::becomeFront() {
    if (g_front != this) {
        g_front = this;
        Form_Activate();
    }
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close) {
        if (event->spontaneous()) {  // the operator's close button
            event->ignore();
            Form_Close();
            return true;
        }
        // A close the program starts itself (ending, say) only hides the window: it must
        // never turn into the operator's close action.
        hide();
        return false;
    }
    // The client area is laid out after the window, so its size is the one to follow.
    if (watched == client_ && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    if (backgroundMove(watched, event)) {
        Form_MouseMove();
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease) {
        lastKeyEvent_ = nullptr;  // the next press is a new key, wherever its event lives
    }
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress) {
        return false;
    }
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || target->window() != window_) {
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        // A click into a form behind the front one brings it forward first.
        if (visible_ && g_front != this && owner_ == nullptr) {
            becomeFront();
        }
        return false;
    }
    // An unhandled key travels up to the parents; the form sees it once, at the first.
    if (event == lastKeyEvent_ && lastKeyTarget_ != nullptr &&
        (target == lastKeyTarget_ || target->isAncestorOf(lastKeyTarget_))) {
        return false;
    }
    lastKeyEvent_ = event;
    lastKeyTarget_ = target;
    Form* keyForm = owner_ != nullptr ? owner_.data() : this;
    return keyForm->Form_KeyDown(static_cast<QKeyEvent*>(event)->key());
}

// A move that reaches the client area itself with no control under the pointer; a move
// over a control that passes it on to its parent does not count.
bool Form::backgroundMove(QObject* watched, QEvent* event) const {
    if (watched != client_ || event->type() != QEvent::MouseMove) {
        return false;
    }
    const auto* move = static_cast<QMouseEvent*>(event);
    return client_->childAt(move->position().toPoint()) == nullptr;
}

}  // namespace ui
