#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "sim/VirtualModuleSet.h"
#include "sim/windows/AddModuleBar.h"
#include "sim/windows/ModulePanel.h"
#include "sim/windows/PressTogether.h"

class QScrollArea;

namespace sim {

// The "Virtual Team Modules" window: every virtual module with its contestants' buttons
// and lamps, tone, armed or locked state, plug and unplug, and "Add module".
//   sim::VirtualModulesWindow modules(*set);
//   modules.show();  // shown beside the board without taking the focus from it
// Contestants press by clicking a button or by its key (see keymap::legend()); a
// shift-click gathers buttons that "Press together" (or releasing Shift) presses at once.
// The window never takes the space bar: it does not accept the focus, its buttons take no
// focus, it shows without activating, and a space pressed in it does nothing.
class VirtualModulesWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit VirtualModulesWindow(VirtualModuleSet& set, QWidget* parent = nullptr);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    ModulePanel& panel(int i) const { return *panels_.at(static_cast<std::size_t>(i)); }
    AddModuleBar& addBar() const { return *addBar_; }
    QPushButton* pressTogetherButton() const { return together_; }
    // What the last press did: "2012:1-2: team 1 player 3 latched".
    QString status() const { return status_->text(); }

    // Adds panels for modules added to the set since (by the window or by others).
    void syncPanels();
    // Adds the panel of a device beside the modules (a foreign buzzer's); the window owns it.
    void addPanel(QWidget* panel);
    // A contestant's press as a key or click makes it.
    void pressButton(VirtualModule& module, Button button);
    void gather(VirtualModule& module, Button button);
    void pressGathered();
    // Contestant keys typed anywhere in the program (a board in front, say) press too,
    // except into a text box or a message; the space bar stays the board's.
    void takeContestantKeysEverywhere();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    VirtualModule* moduleForKey(Button button) const;
    void fitPanels();
    void showGathered();
    void pressKey(int key);

    VirtualModuleSet& set_;
    std::vector<ModulePanel*> panels_;
    QVBoxLayout* panelColumn_;
    QScrollArea* scroll_;
    AddModuleBar* addBar_;
    QPushButton* together_;
    QLabel* status_;
    PressTogether gathered_;
};

}  // namespace sim
