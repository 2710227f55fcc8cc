#include "ui/MenuItem.h"

namespace ui {

MenuItem::MenuItem(QMenuBar* bar, const QString& caption) : bar_(bar) {
    submenu_ = bar->addMenu(caption);
    action_ = submenu_->menuAction();
}

MenuItem::MenuItem(MenuItem& parent, const QString& caption) : ownerMenu_(parent.submenu()) {
    action_ = ownerMenu_->addAction(caption);
    action_->setCheckable(false);
    connect(action_, &QAction::triggered, this, [this] {
        action_->setChecked(checked_);  // check marks change only through the handlers
        if (Click) {
            Click();
        }
    });
}

QMenu* MenuItem::submenu() {
    if (submenu_ == nullptr) {
        // An item gains items of its own: it becomes a submenu in the same place.
        submenu_ = new QMenu(action_->text(), ownerMenu_);
        ownerMenu_->insertMenu(action_, submenu_);
        const bool wasEnabled = action_->isEnabled();
        ownerMenu_->removeAction(action_);
        action_->deleteLater();
        action_ = submenu_->menuAction();
        action_->setEnabled(wasEnabled);
    }
    return submenu_;
}

void MenuItem::setChecked(bool on) {
    checked_ = on;
    action_->setCheckable(on || action_->isCheckable());
    action_->setChecked(on);
}

void MenuItem::click() {
    if (action_->isEnabled() && Click) {
        Click();
    }
}

}  // namespace ui
