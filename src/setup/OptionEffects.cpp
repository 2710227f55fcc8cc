#include "setup/OptionEffects.h"

#include "model/LeadingNumber.h"

namespace setup {

using model::OptionBox;

OptionEffects::OptionEffects(model::MatchSettings& settings, model::MatchState& state,
                             MenuHost& host, std::function<void()> matchTimeRefilled)
    : settings_(settings),
      state_(state),
      host_(host),
      matchTimeRefilled_(std::move(matchTimeRefilled)) {}

void OptionEffects::run(OptionBox box) {
    switch (box) {
        case OptionBox::Check20SecondTab:
            forEachBoard(host_, [this](boards::Board& b) {
                b.showTwentySecondTab(settings_.twentySecondTabOn);
            });
            break;
        case OptionBox::CheckTimerTabs:
            forEachBoard(host_,
                         [this](boards::Board& b) { b.showTimerTabs(settings_.timerTabsOn); });
            break;
        case OptionBox::CheckPromptsOff:
            forEachBoard(host_, [this](boards::Board& b) {
                b.showPromptLine(!settings_.operatorPromptsOff);
            });
            break;
        case OptionBox::CheckBuzzonBonus:
            state_.allowBuzzOnBonus = settings_.buzzDuringBonus;
            break;
        case OptionBox::CheckDisableMatchTimer:
            matchTimer();
            break;
        case OptionBox::CheckTimerContinues:
        case OptionBox::CheckPlayerWaiting:
            break;  // the engine reads them when it needs them
    }
}

void OptionEffects::runAll() {
    for (OptionBox box :
         {OptionBox::Check20SecondTab, OptionBox::CheckBuzzonBonus,
          OptionBox::CheckDisableMatchTimer, OptionBox::CheckTimerContinues,
          OptionBox::CheckPromptsOff, OptionBox::CheckPromptsOff, OptionBox::CheckTimerTabs}) {
        run(box);
    }
}

// "Disable Match Timer": remember the last real match time, refill a match time that has
// none, and show "0:00" on the clocks while the option is on.
void OptionEffects::matchTimer() {
    if (model::leadingNumber(settings_.matchTime) != 0) {
        state_.savedMatchTime = settings_.matchTime;
    }
    const bool remembered = model::leadingNumber(state_.savedMatchTime) != 0;
    if (!remembered) {
        settings_.matchTime = state_.matchTimeSetting;
        matchTimeRefilled_();
    }
    // With no real time remembered the clocks show the refilled match time, never a blank.
    const QString& time = remembered ? state_.savedMatchTime : settings_.matchTime;
    const QString clock = settings_.matchTimerDisabled ? QStringLiteral("0:00") : time;
    forEachBoard(host_, [&](boards::Board& b) { b.setClockCaption(clock); });
}

}  // namespace setup
