#include "rf/PALevel.h"

#include "modulelink/ModuleCommands.h"

namespace rf {

PALevel::PALevel(RadioHost& host, modulelink::ModuleExchange& modules,
                 model::MatchSettings& settings, model::MatchState& state)
    : OneBoxDialog(
          "Change Power Level",
          "Temporarily change the transmitter power level frequecy of all transmitters.  All "
          "transmitters will return to their default power level (9) when they next awake from "
          "sleep or the battery is removed..",
          "Press and hold the button on all transmitters whose power level you are changing "
          "until the LED shows solid green.  Release the transmitter button and the LED on the "
          "selected transmitters should now be flashing green. Enter a new power level  (1-9) "
          "and press Change Power button. Transmitters should blink the Morse letter \"R\" to "
          "indicate the code has been changed.",
          {"Enter Power (1-9)", 1, 9, "Change Power", modulelink::command::kPowerBase},
          settings.powerLevel, host, modules, state) {}

}  // namespace rf
