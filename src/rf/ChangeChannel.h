#pragma once

#include "model/MatchSettings.h"
#include "rf/RadioDialog.h"

namespace rf {

// "Change Channel": moves every transmitter in programming mode to another channel until
// it next sleeps.
class ChangeChannel final : public RadioDialog {
    Q_OBJECT
  public:
    ChangeChannel(RadioHost& host, modulelink::ModuleExchange& modules,
                  model::MatchSettings& settings, model::MatchState& state);

    ui::Label Label1;
    ui::TextBox Text1;           // channel, kept in MatchSettings::radioChannel
    ui::CommandButton Command2;  // "Change Channel"

    void Command2_Click();
};

}  // namespace rf
