#pragma once

#include "model/MatchSettings.h"
#include "rf/RadioDialog.h"

namespace rf {

// "Change Power Level": sets the power of every transmitter in programming mode until it
// next sleeps.
class PALevel final : public RadioDialog {
    Q_OBJECT
  public:
    PALevel(RadioHost& host, modulelink::ModuleExchange& modules, model::MatchSettings& settings,
            model::MatchState& state);

    ui::Label Label1;
    ui::TextBox Text1;           // power level, kept in MatchSettings::powerLevel
    ui::CommandButton Command2;  // "Change Power"

    void Command2_Click();
};

}  // namespace rf
