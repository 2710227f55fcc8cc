#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <vector>

#include "foreign/VirtualForeignDevice.h"

namespace foreign {

// One virtual foreign device on the "Virtual Team Modules" window: a Buzz! dongle's four
// handsets, each with its lamp, its red buzz button and the four colour buttons, or a game
// controller's buttons; and plug/unplug. A button is held while the mouse holds it, as a
// contestant holds a real one. The buttons never take the keyboard focus, so the space bar
// stays the board's. Follows the device's changed() signal.
class ForeignPanel final : public QGroupBox {
    Q_OBJECT
  public:
    ForeignPanel(VirtualForeignDevice& device, const QString& title, QWidget* parent = nullptr);

    VirtualForeignDevice& device() const { return device_; }
    // The device's button n (1-based, as VirtualForeignDevice numbers them).
    QPushButton* button(int n) const { return buttons_.at(static_cast<std::size_t>(n - 1)); }
    // A Buzz! handset's lamp (1..4); none on a game controller.
    QLabel* lamp(int handset) const;
    QPushButton* plugButton() const { return plug_; }
    QString stateText() const { return state_->text(); }

    void refresh();

  private:
    void addBuzzHandsets(QGridLayout* grid);
    void addControllerButtons(QGridLayout* grid);
    QPushButton* addButton(int n, const QString& caption, const QString& face);

    VirtualForeignDevice& device_;
    QLabel* state_;
    QPushButton* plug_;
    std::vector<QPushButton*> buttons_;
    std::array<QLabel*, kBuzzHandsets> lamps_{};
};

}  // namespace foreign
