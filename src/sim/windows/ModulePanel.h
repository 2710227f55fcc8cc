#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "sim/VirtualModule.h"
#include "sim/windows/PlayerButton.h"

namespace sim {

// One virtual module on the window: what it is (model, identity, teams), its state
// (plugged, armed or locked, the latched press, the tone, an RF module's channel), a
// button with its lamp per contestant or transmitter, and the plug/unplug button. It
// follows the module's changed() signal.
class ModulePanel final : public QGroupBox {
    Q_OBJECT
  public:
    explicit ModulePanel(VirtualModule& module, QWidget* parent = nullptr);

    VirtualModule& module() const { return module_; }
    PlayerButton* button(Button b) const;
    const std::vector<PlayerButton*>& buttons() const { return buttons_; }
    QPushButton* plugButton() const { return plug_; }
    QString stateText() const { return state_->text(); }
    QString identityText() const { return identity_->text(); }

    // The buttons gathered for a press together, marked on their faces.
    void setGathered(const std::vector<Button>& gathered);
    void refresh();

  signals:
    void pressRequested(sim::Button button);
    void gatherRequested(sim::Button button);

  private:
    void addButtons(QGridLayout* grid);
    QString buttonCaption(Button b) const;
    void togglePlug();
    void toggleProgramming(Button b);

    VirtualModule& module_;
    QLabel* identity_;
    QLabel* state_;
    QPushButton* plug_;
    std::vector<PlayerButton*> buttons_;
    std::vector<Button> gathered_;
};

}  // namespace sim
