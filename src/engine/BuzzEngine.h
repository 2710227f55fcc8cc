#pragma once

#include <QString>
#include <cstdint>

#include "engine/BoardPolicy.h"
#include "engine/BoardView.h"
#include "model/MatchEvents.h"
#include "modulelink/ModuleExchange.h"
#include "ui/Timer.h"

namespace model {
struct MatchSettings;
struct MatchState;
}  // namespace model
namespace ui {
class Platform;
}

namespace engine {

struct Press;

// The buzz-in and timing engine of one board: polling and buzz-in, clear and arm with the
// second-place hand-over, the response timer, the match clock and the blink and sound
// alerts. It owns the board's five timers; the board forwards its control events to the
// operations named after them. While it polls, reports that arrive are checked at once.
class BuzzEngine final : public modulelink::ArrivalListener {
  public:
    // Checks made for one arrival at most; the rest wait for the next arrival or tick.
    static constexpr int kMaxChecksPerArrival = 64;

    BuzzEngine(const BoardPolicy& policy, BoardView& view, modulelink::ModuleExchange& modules,
               model::MatchSettings& settings, model::MatchState& state, ui::Clock& clock,
               ui::Platform& platform);
    ~BuzzEngine() override;
    BuzzEngine(const BuzzEngine&) = delete;
    BuzzEngine& operator=(const BuzzEngine&) = delete;

    // Buzz-in: the press that the report check chose.
    void usbwired();

    // Clear and arm.
    void keyDown(int keyCode);  // the space bar arms
    void spacekey();
    void NameLabel_MouseDown(int button);
    void porttimer_Timer();
    void reportsArrived() override;

    // Response timer.
    void CommandT_Click();
    void CommandA_Click();
    void Command20_Click();
    void CommandB_Click();
    void timerlabel_MouseDown(int button);
    void ResponseTimer_Timer();

    // Match clock. showMatchTime loads the clock from the match time text (activation).
    void showMatchTime();
    void clocklabel_Click();
    // The left button is the click; the right button only stops a running clock.
    void clocklabel_MouseDown(int button);
    void Timer2_Timer();

    // Alerts.
    void soundtimer_Timer();
    void TimerBlink_Timer();

    // A board put away for another one: it stops polling, counting and blinking, so it
    // never takes a buzz, locks the modules at a time-out or lights a lamp while the other
    // board is in front. The next arm on it starts afresh.
    void standDown();

    // The engine's part of the "Set-up Menu" button: arm, lock, pause the clock, start a
    // time-out and keep the clock's time in the match time text.
    void leaveForSetupMenu();

    std::int16_t ndigit1() const { return ndigit1_; }
    std::int16_t responderPlayer() const { return responderPlayer_; }
    std::int16_t clockMinutes() const { return clockMinutes_; }
    std::int16_t clockSeconds() const { return clockSeconds_; }

    const ui::Timer& porttimer() const { return porttimer_; }
    const ui::Timer& responseTimer() const { return responseTimer_; }
    const ui::Timer& timer2() const { return timer2_; }
    const ui::Timer& timerBlink() const { return timerBlink_; }
    const ui::Timer& soundtimer() const { return soundtimer_; }

  private:
    void takePress();

    // Buzz-in steps.
    bool refusedByOrangeRow(const QString& name);
    bool scanRowsModeOff(const QString& name);
    void holdSecondResponder(const Press& press, const QString& name);
    void markRows(const QString& name, ui::Color color, bool scoreGreen);
    void refuse();

    // Arm steps.
    void clearAllMarks();
    void markAnsweredRows();
    bool handOverDue() const;
    void handOver();
    void applyTimerRule();

    // Response timer steps.
    void startCount(int length, const QString& caption, model::TimerKind kind);
    void startBonus(bool showKind);
    std::int16_t timerLength(int box) const;

    void sendAll(int command);
    void sendEach(int command);
    void playSound(const QString& path);
    void startSoundTimer();
    void showClock();
    void callTimeOut();

    // The match record's part: one call per event, after the modules were told.
    void tellArm(bool partial);
    void tellPress(model::MatchEvent::Kind kind, const Press& press);
    void tellPress(model::MatchEvent::Kind kind, const Press& press, int position,
                   std::int32_t pressModel, std::int64_t arrival);
    void tellLaterPresses();
    void tellHandOver();
    void tellTimer(model::MatchEvent::Kind kind, model::TimerKind timer);
    void tellClock(model::ClockChange change);

    const BoardPolicy& policy_;
    BoardView& view_;
    modulelink::ModuleExchange& modules_;
    model::MatchSettings& settings_;
    model::MatchState& state_;
    ui::Platform& platform_;

    ui::Timer porttimer_;
    ui::Timer responseTimer_;
    ui::Timer timer2_;
    ui::Timer timerBlink_;
    ui::Timer soundtimer_;

    std::int16_t ndigit1_ = 0;
    std::int16_t responderPlayer_ = 0;
    std::int16_t clockMinutes_ = 0;
    std::int16_t clockSeconds_ = 0;
    QString clockSecondsText_ = QStringLiteral("00");
    // The held second responder's interface address and model, so its replay decodes the
    // same.
    model::TimerKind countKind_ = model::TimerKind::TossUp;  // the count running
    std::int16_t secondResponderData4_ = 0;
    std::int32_t secondResponderModel_ = 0;
};

}  // namespace engine
