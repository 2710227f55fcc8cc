#include "rf/ChangeChannel.h"

#include "modulelink/ModuleCommands.h"

namespace rf {

ChangeChannel::ChangeChannel(RadioHost& host, modulelink::ModuleExchange& modules,
                             model::MatchSettings& settings, model::MatchState& state)
    : OneBoxDialog(
          "Change Channel",
          "Temporarily change the frequecy of all transmitters.  All transmitters will return to "
          "their default channel (0) when they next awake from sleep or the battery is removed..",
          "Press and hold the button on all transmitters whose channel you are changing until "
          "the LED shows solid green.  Release the transmitter button and the LED on the "
          "selected transmitter should now be flashing green. Enter a new channel number (0-15) "
          "and press Change Channel button. Transmitters should blink the Morse letter \"R\" to "
          "indicate the code has been changed.",
          {"Enter Channel (0-15)", 0, 15, "Change Channel", modulelink::command::kChannelBase},
          settings.radioChannel, host, modules, state) {}

}  // namespace rf
