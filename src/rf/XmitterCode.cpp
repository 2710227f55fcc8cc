#include "rf/XmitterCode.h"

#include "modulelink/ModuleCommands.h"
#include "rf/RadioValue.h"

namespace rf {

XmitterCode::XmitterCode(RadioHost& host, modulelink::ModuleExchange& modules,
                         model::MatchState& state)
    : RadioDialog("Change Transmitter Code",
                  "Permanately change a transmitters unit code.  This code can be reset by "
                  "re-running this routine.",
                  "Click the Clear/Arm button and then press and hold the button on thransmitter "
                  "whose code you are changing until the LED shows solid green.  Release the "
                  "transmitter button and the LED on the selected transmitter should now be "
                  "flashing green. The current transmitter code should be dispalyed as the Old "
                  "Unit Code.  Enter a New Unit Code (1-32) in the text box and click the Change "
                  "Code button.  Transmitter should blink the Morse letter \"R\" to indicate the "
                  "code has been changed.",
                  host, modules, state),
      Label1(client(), "Old Unit Code (1-32)"),
      Label2(client(), "New Unit Code (1-32)"),
      Text1(client(), "1"),
      Text2(client(), "1"),
      Command3(client(), "Clear/Arm"),
      Command2(client(), "Change Code") {
    addBox(Label1, Text1, 1, 32);
    addBox(Label2, Text2, 1, 32);
    addButton(Command3);
    addButton(Command2);
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

void XmitterCode::Command2_Click() {
    send(modulelink::command::kOldCodeBase, Text1);
    send(modulelink::command::kNewCodeBase, Text2);
}

// The box waits for the code that the transmitter's press shows on the board.
void XmitterCode::Command3_Click() {
    Text1.setText(kClearedBox);
    host_.armClassicBoard();
}

}  // namespace rf
