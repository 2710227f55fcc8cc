#pragma once

#include <array>
#include <functional>

#include "model/MatchSettings.h"
#include "model/SetupFileTarget.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace setup {

// "Options Menu": the seven option switches as check boxes, each described in `TextOption`
// while the mouse is over it. Opened modeless from the set-up menu and closed with "Done".
// The boxes are bound to the settings: a click changes the switch and runs its effect at
// once through `changed`.
class FormOptions final : public ui::Form {
    Q_OBJECT
  public:
    FormOptions(model::MatchSettings& settings, std::function<void(model::OptionBox)> changed);
    ~FormOptions() override;

    // Controls.
    ui::CheckBox Check20SecondTab, CheckTimerTabs, CheckBuzzonBonus, CheckTimerContinues,
        CheckDisableMatchTimer, CheckPlayerWaiting, CheckPromptsOff;
    ui::Label TextOption;  // the read-only description box
    ui::CommandButton CommandOptions;
    // The audience screen in a browser and its port, beyond the seven switches.
    ui::CheckBox CheckAudienceScreen;
    ui::TextBox TextWebPort;

    // Switches the audience screen; the reason when it cannot serve. Unset: it cannot.
    std::function<QString(bool on, quint16 port)> switchAudienceScreen;
    // Shows the audience screen's switch and port as the console has them.
    void showAudienceScreen(bool on, quint16 port);

    // Puts the switches into the boxes (after a set-up read); a box that already shows its
    // switch runs nothing.
    void showSettings();

    void CommandOptions_Click() { hide(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Row {
        model::OptionBox box;
        ui::CheckBox* control;
        bool model::MatchSettings::*field;
        const char* description;
    };
    void boxChanged(const Row& row);
    void audienceScreenChanged();
    void layOut();

    model::MatchSettings& settings_;
    std::function<void(model::OptionBox)> changed_;
    std::array<Row, 7> rows_;
    bool showingAudience_ = false;  // the console's own state is being shown, not changed
};

}  // namespace setup
