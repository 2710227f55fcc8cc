#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <functional>
#include <memory>

namespace ui {

// A menu item: caption, checked, enabled, visible, and Click. A menu item with items of
// its own is a submenu. Check marks are plain state: the handlers set them.
class MenuItem final : public QObject {
    Q_OBJECT
  public:
    // An item on a menu bar.
    MenuItem(QMenuBar* bar, const QString& caption);
    // An item inside a parent item (which becomes a submenu).
    MenuItem(MenuItem& parent, const QString& caption);

    QString caption() const { return action_->text(); }
    bool checked() const { return checked_; }
    void setChecked(bool on);
    bool enabled() const { return action_->isEnabled(); }
    void setEnabled(bool on) { action_->setEnabled(on); }
    bool visible() const { return action_->isVisible(); }
    void setVisible(bool on) { action_->setVisible(on); }

    // Runs the item as a click would (enabled items only).
    void click();

    QAction* action() const { return action_; }
    QMenu* submenu();

    std::function<void()> Click;

  private:
    QMenu* ownerMenu_ = nullptr;
    QAction* action_ = nullptr;
    QMenu* submenu_ = nullptr;
    QMenuBar* bar_ = nullptr;
    bool checked_ = false;
};

}  // namespace ui
