#pragma once

#include "model/MatchSettings.h"
#include "rf/OneBoxDialog.h"

namespace rf {

// "Change Power Level": sets the power of every transmitter in programming mode until it
// next sleeps. The box is MatchSettings::powerLevel.
class PALevel final : public OneBoxDialog {
    Q_OBJECT
  public:
    PALevel(RadioHost& host, modulelink::ModuleExchange& modules, model::MatchSettings& settings,
            model::MatchState& state);
};

}  // namespace rf
