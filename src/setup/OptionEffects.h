#pragma once

#include <functional>

#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "model/SetupFileTarget.h"
#include "setup/MenuHost.h"

namespace setup {

// What each option switch does the moment it changes, on all three boards whether they
// are showing or not: the board buttons and prompt lines it shows or hides, the mirror of
// "Allow "Buzz-in" during Bonus", and the clock captions of "Disable Match Timer".
class OptionEffects {
  public:
    // `matchTimeRefilled` runs when "Disable Match Timer" has put the match time back.
    OptionEffects(model::MatchSettings& settings, model::MatchState& state, MenuHost& host,
                  std::function<void()> matchTimeRefilled);

    void run(model::OptionBox box);
    // Every effect, in the order the set-up menu applies them after a read and at each
    // activation (the prompts switch twice, as it always has been).
    void runAll();

  private:
    void matchTimer();

    model::MatchSettings& settings_;
    model::MatchState& state_;
    MenuHost& host_;
    std::function<void()> matchTimeRefilled_;
};

}  // namespace setup
