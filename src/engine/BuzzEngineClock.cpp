// The match clock and the engine's part of leaving the board for the set-up menu.
#include <algorithm>

#include "engine/BuzzEngine.h"
#include "engine/ScoreText.h"
#include "model/LeadingNumber.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "model/NumberText.h"
#include "modulelink/ModuleCommands.h"
#include "modulelink/ModuleExchange.h"

namespace engine {

namespace {
constexpr int kMatchTimeBox = 6;
constexpr int kTimeOutBox = 9;

// Seconds always show as two digits.
QString twoDigitSeconds(int seconds) {
    if (seconds < 10) {
        return QLatin1Char('0') + QString::number(seconds).right(1);
    }
    return model::signedText(seconds).right(2);
}
}  // namespace

void BuzzEngine::showClock() {
    view_.setClockCaption(model::signedText(clockMinutes_) + QLatin1Char(':') + clockSecondsText_);
}

// "15:00" gives 15 minutes from its first three characters and 0 seconds from its last two.
void BuzzEngine::showMatchTime() {
    const QString& text = settings_.timerText(kMatchTimeBox);
    clockMinutes_ = model::leadingInt16(text.left(3));
    clockSeconds_ = model::leadingInt16(text.right(2));
    clockSecondsText_ = twoDigitSeconds(clockSeconds_);
    const QString before = view_.clockCaption();
    showClock();
    view_.setClockTextColor(ui::colors::greyText);
    if (view_.clockCaption() != before) {
        tellClock(model::ClockChange::Set);
    }
}

// Starts the clock, or pauses it and calls a time-out.
void BuzzEngine::clocklabel_Click() {
    if (!settings_.matchTimerDisabled && !timer2_.enabled()) {
        timer2_.start();
        responseTimer_.stop();
        view_.setTimerCaption({});
        view_.setClockTextColor(ui::colors::buttonText);
        tellClock(model::ClockChange::Started);
        return;
    }
    callTimeOut();
}

void BuzzEngine::clocklabel_MouseDown(int button) {
    if (button == kLeftButton) {
        clocklabel_Click();
    } else if (button == kRightButton && timer2_.enabled()) {
        callTimeOut();
    }
}

// Pauses the clock (grey) and counts a time-out down on the response timer.
void BuzzEngine::callTimeOut() {
    timer2_.stop();
    view_.setClockTextColor(ui::colors::greyText);
    ndigit1_ = timerLength(kTimeOutBox);
    view_.setTimerCaption(QString::number(ndigit1_));
    view_.setNameCaption(QStringLiteral("Time Out"));
    responseTimer_.start();
    tellClock(model::ClockChange::Stopped);
    tellTimer(model::MatchEvent::Kind::TimerStarted, model::TimerKind::TimeOut);
}

void BuzzEngine::Timer2_Timer() {
    if (clockMinutes_ == 0 && clockSeconds_ == 0) {
        porttimer_.start();  // the match is over: the floor is open again
        timer2_.stop();
        view_.setNameCaption(QStringLiteral("Clock Expired"));
        tellClock(model::ClockChange::Expired);
        if (settings_.moduleSpeakersOn) {
            sendEach(modulelink::command::kClockExpiredTone);
            startSoundTimer();
        }
        if (settings_.soundCardOn) {
            playSound(policy_.clockSound == ClockSound::Game ? settings_.gameSoundFile
                                                             : settings_.timerSoundFile);
        }
    }
    if (clockSeconds_ == 0 && timer2_.enabled()) {
        clockSeconds_ = 60;
        --clockMinutes_;
        clockSecondsText_ = QStringLiteral("00");
    }
    clockSeconds_ = static_cast<std::int16_t>(std::max(clockSeconds_ - 1, 0));
    clockSecondsText_ = twoDigitSeconds(clockSeconds_);
    showClock();
}

void BuzzEngine::leaveForSetupMenu() {
    state_.pointsAwarded = true;  // no hand-over: the next arm is a full re-arm
    spacekey();
    responseTimer_.start();
    sendAll(modulelink::command::kLock);
    callTimeOut();
    // A clock that ran out gives the next match the full time again.
    const QString clock = view_.clockCaption();
    settings_.timerText(kMatchTimeBox) =
        clock == QStringLiteral(" 0:00") ? state_.matchTimeSetting : clock;
}

}  // namespace engine
