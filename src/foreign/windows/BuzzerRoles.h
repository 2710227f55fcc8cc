#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <array>
#include <memory>
#include <vector>

#include "foreign/ForeignTransport.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Platform.h"

namespace foreign {

// "Other Buzzers", from the set-up menu: what each attached Buzz! dongle and game
// controller is in the match. A dongle serves one team of four players or four teams of
// one player; a game controller's players 1 to 5 each press a button of the operator's
// choice. OK keeps the choices in the console's own settings. A device in use takes new
// buttons at its next arm, and a new split of teams when the console next starts, so an
// armed question is never decided by buttons chosen while it was up.
class BuzzerRoles final : public ui::Form {
    Q_OBJECT
  public:
    BuzzerRoles(ForeignTransport& devices, ui::Platform& platform);
    ~BuzzerRoles() override;

    // One attached device and its controls.
    struct Row {
        ForeignTransport::Attached device;
        QGroupBox* box = nullptr;
        std::unique_ptr<ui::OptionButton> oneTeam, fourTeams;  // Buzz! dongles
        std::array<QComboBox*, 5> playerButton{};              // game controllers
    };

    ui::Label Label1;  // what a change does, or that nothing is attached
    ui::CommandButton cmdOK, cmdCancel;

    // Lists the devices attached now with their kept roles, and shows the window.
    void showRoles();
    int rowCount() const { return static_cast<int>(rows_.size()); }
    Row& row(int i) { return *rows_.at(static_cast<std::size_t>(i)); }

    void cmdOK_Click();

  private:
    void addRow(const ForeignTransport::Attached& device);
    DeviceRole chosenRole(const Row& row) const;
    // The first button chosen for two players of a controller, with its device; none when
    // every choice is sound.
    QString doubleChoice() const;

    ForeignTransport& devices_;
    ui::Platform& platform_;
    QWidget* list_;
    std::vector<std::unique_ptr<Row>> rows_;
};

}  // namespace foreign
