#pragma once

#include <QPushButton>

#include "sim/ModuleModel.h"

namespace sim {

// One contestant's button on the virtual modules window, with the player's lamp: the
// face turns yellow while the lamp is lit, red text marks the latched press, blue the
// buttons gathered for a press together. It never takes the keyboard focus.
// A click presses it; a shift-click gathers it instead; a right click asks for the
// transmitter's programming mode (RF).
class PlayerButton final : public QPushButton {
    Q_OBJECT
  public:
    PlayerButton(Button button, const QString& caption, QWidget* parent = nullptr);

    Button contestant() const { return button_; }
    bool lit() const { return lit_; }
    bool latched() const { return latched_; }
    bool gathered() const { return gathered_; }
    void showState(bool lit, bool latched, bool gathered);

  signals:
    void pressRequested(sim::Button button);
    void gatherRequested(sim::Button button);
    void programmingRequested(sim::Button button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void restyle();

    Button button_;
    bool lit_ = false;
    bool latched_ = false;
    bool gathered_ = false;
    bool shiftHeld_ = false;
};

}  // namespace sim
