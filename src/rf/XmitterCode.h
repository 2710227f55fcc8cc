#pragma once

#include "rf/RadioDialog.h"

namespace rf {

// "Change Transmitter Code": gives the transmitter in programming mode with the old unit
// code a new one, for good.
class XmitterCode final : public RadioDialog {
    Q_OBJECT
  public:
    XmitterCode(RadioHost& host, modulelink::ModuleExchange& modules, model::MatchState& state);

    ui::Label Label1, Label2;
    ui::TextBox Text1, Text2;    // old and new unit code
    ui::CommandButton Command3;  // "Clear/Arm"
    ui::CommandButton Command2;  // "Change Code"

    void Command2_Click();
    void Command3_Click();
};

}  // namespace rf
