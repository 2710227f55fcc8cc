#include "rf/ChangeChannel.h"

#include "modulelink/ModuleCommands.h"

namespace rf {

ChangeChannel::ChangeChannel(RadioHost& host, modulelink::ModuleExchange& modules,
                             model::MatchSettings& settings, model::MatchState& state)
    : RadioDialog("Change Channel",
                  "Temporarily change the frequecy of all transmitters.  All transmitters will "
                  "return to their default channel (0) when they next awake from sleep or the "
                  "battery is removed..",
                  "Press and hold the button on all transmitters whose channel you are changing "
                  "until the LED shows solid green.  Release the transmitter button and the LED "
                  "on the selected transmitter should now be flashing green. Enter a new channel "
                  "number (0-15) and press Change Channel button. Transmitters should blink the "
                  "Morse letter \"R\" to indicate the code has been changed.",
                  host, modules, state),
      Label1(client(), "Enter Channel (0-15)"),
      Text1(client(), "0"),
      Command2(client(), "Change Channel") {
    addBox(Label1, Text1, 0, 15,
           [&settings](const QString& text) { settings.radioChannel = text; });
    settings.radioChannel = Text1.text();
    addButton(Command2);
    Command2.Click = [this] { Command2_Click(); };
}

void ChangeChannel::Command2_Click() {
    send(modulelink::command::kChannelBase, Text1);
}

}  // namespace rf
