#pragma once

#include "model/MatchSettings.h"
#include "rf/OneBoxDialog.h"

namespace rf {

// "Change Channel": moves every transmitter in programming mode to another channel until
// it next sleeps. The box is MatchSettings::radioChannel.
class ChangeChannel final : public OneBoxDialog {
    Q_OBJECT
  public:
    ChangeChannel(RadioHost& host, modulelink::ModuleExchange& modules,
                  model::MatchSettings& settings, model::MatchState& state);
};

}  // namespace rf
