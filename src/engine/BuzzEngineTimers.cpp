// The response timer: the tabs, clicks on the count and the count-down with its expiry.
#include "engine/BuzzEngine.h"
#include "model/LeadingNumber.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/ModuleCommands.h"
#include "modulelink/ModuleExchange.h"

namespace engine {

namespace {
// The set-up menu's length boxes.
constexpr int kTossUpBox = 7;
constexpr int kBonusBox = 8;
constexpr int kAuxiliaryBox = 10;
}  // namespace

// Lengths beyond the 16-bit count are limited to it.
std::int16_t BuzzEngine::timerLength(int box) const {
    return model::leadingInt16(settings_.timerText(box));
}

void BuzzEngine::startCount(int length, const QString& caption, model::TimerKind kind) {
    responseTimer_.stop();
    ndigit1_ = static_cast<std::int16_t>(length);
    view_.setTimerCaption(QString::number(ndigit1_));
    view_.setTimerKindCaption(caption);
    responseTimer_.start();
    tellTimer(model::MatchEvent::Kind::TimerStarted, kind);
}

void BuzzEngine::CommandT_Click() {
    startCount(timerLength(kTossUpBox), QStringLiteral("Toss Up"), model::TimerKind::TossUp);
}

void BuzzEngine::CommandA_Click() {
    startCount(timerLength(kAuxiliaryBox), QStringLiteral("Auxillary"), model::TimerKind::Aux);
}

void BuzzEngine::Command20_Click() {
    startCount(20, QStringLiteral("20 sec."), model::TimerKind::Twenty);
}

void BuzzEngine::CommandB_Click() {
    startBonus(true);
}

// Without buzz-in during the bonus every module is locked; with it the system is armed.
void BuzzEngine::startBonus(bool showKind) {
    const QString bonus = QStringLiteral("Bonus");
    if (!state_.allowBuzzOnBonus) {
        sendAll(modulelink::command::kLock);
        responseTimer_.stop();
        porttimer_.stop();
        ndigit1_ = timerLength(kBonusBox);
        view_.setTimerCaption(QString::number(ndigit1_));
        if (showKind) {
            view_.setTimerKindCaption(bonus);
        }
        view_.setNameCaption(bonus);
    } else {
        responseTimer_.stop();
        porttimer_.start();
        spacekey();
        ndigit1_ = timerLength(kBonusBox);
        view_.setTimerCaption(QString::number(ndigit1_));
        if (showKind) {
            view_.setTimerKindCaption(bonus);
        }
        view_.setNameCaption({});
    }
    responseTimer_.start();
    tellTimer(model::MatchEvent::Kind::TimerStarted, model::TimerKind::Bonus);
}

// A click on a running count stops it; otherwise left starts the toss-up count and right
// the bonus count.
void BuzzEngine::timerlabel_MouseDown(int button) {
    if (responseTimer_.enabled()) {
        responseTimer_.stop();
        return;
    }
    ndigit1_ = timerLength(kTossUpBox);
    view_.setTimerCaption(QString::number(ndigit1_));
    if (policy_.timerClickSetsKind) {
        view_.setTimerKindCaption(QStringLiteral("Toss Up"));
    }
    responseTimer_.start();
    tellTimer(model::MatchEvent::Kind::TimerStarted, model::TimerKind::TossUp);
    if (policy_.timerClickShowsQuestion && state_.computerQuestionMode) {
        view_.showQuestionWindow();
    }
    if (button == kRightButton) {
        startBonus(policy_.timerClickSetsKind);
    }
}

void BuzzEngine::ResponseTimer_Timer() {
    if (ndigit1_ > -32768) {
        --ndigit1_;
    }
    view_.setTimerCaption(QString::number(ndigit1_));
    if (ndigit1_ >= 1) {
        return;
    }
    porttimer_.stop();
    responseTimer_.stop();
    view_.setNameCaption(QStringLiteral("Timer Expired"));
    tellTimer(model::MatchEvent::Kind::TimerExpired, countKind_);
    sendAll(modulelink::command::kLock);
    if (settings_.moduleSpeakersOn) {
        sendEach(modulelink::command::kTimerExpiredTone);
        startSoundTimer();
    }
    view_.setTimerKindCaption({});
    if (settings_.soundCardOn) {
        playSound(settings_.timerSoundFile);
    }
    if (policy_.hidesQuestionWindow) {
        view_.hideQuestionWindow();
    }
}

}  // namespace engine
