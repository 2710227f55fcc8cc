#include "engine/BuzzEngine.h"

#include "engine/PressDecoder.h"
#include "engine/ScoreText.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "model/NumberText.h"
#include "modulelink/ModuleCommands.h"
#include "modulelink/ModuleExchange.h"
#include "ui/Platform.h"

namespace engine {

BuzzEngine::BuzzEngine(const BoardPolicy& policy, BoardView& view,
                       modulelink::ModuleExchange& modules, model::MatchSettings& settings,
                       model::MatchState& state, ui::Clock& clock, ui::Platform& platform)
    : policy_(policy),
      view_(view),
      modules_(modules),
      settings_(settings),
      state_(state),
      platform_(platform),
      porttimer_(clock, policy.pollingIntervalMs),
      responseTimer_(clock, 1000),
      timer2_(clock, 1000),
      timerBlink_(clock, 500),
      soundtimer_(clock, 800) {
    porttimer_.onTick = [this] { porttimer_Timer(); };
    responseTimer_.onTick = [this] { ResponseTimer_Timer(); };
    timer2_.onTick = [this] { Timer2_Timer(); };
    timerBlink_.onTick = [this] { TimerBlink_Timer(); };
    soundtimer_.onTick = [this] { soundtimer_Timer(); };
    modules_.addArrivalListener(*this);
}

BuzzEngine::~BuzzEngine() {
    modules_.removeArrivalListener(*this);
}

void BuzzEngine::porttimer_Timer() {
    modules_.ReportChecker();
    if (modules_.rfSettling()) {
        if (policy_.rfSettlingResends) {
            sendAll(modulelink::command::kLock);
            sendAll(modulelink::command::kArm);
            modules_.ReportChecker();
        }
        return;
    }
    takePress();
}

// The same check as a tick's, made as soon as reports arrive, so a press never waits for
// the tick. Ticks keep what is theirs: the settling window passes untouched (its re-sends
// come with the ticks), and a board that does not poll takes nothing.
void BuzzEngine::reportsArrived() {
    for (int checks = 0; checks < kMaxChecksPerArrival && porttimer_.enabled() &&
                         !modules_.rfSettling() && modules_.arrivalsWaiting();
         ++checks) {
        modules_.ReportChecker();
        takePress();
    }
}

void BuzzEngine::takePress() {
    if (state_.responderCode != 255 && state_.responderCode != 1023) {
        usbwired();
        if (!porttimer_.enabled()) {
            tellLaterPresses();
            // Presses that came just behind this one, before the lock reached their modules,
            // lost: left queued they would buzz in right after the next arm.
            modules_.discardArrivals();
        }
    }
}

void BuzzEngine::usbwired() {
    const std::int32_t pressModel = state_.pressModel();
    if (policy_.hasDiagnosticLabel && (pressModel == 2012 || pressModel == 512)) {
        view_.setDiagnosticCaption(model::signedText(state_.responderCode));
    }
    const auto press = decodePress(pressModel, state_.responderCode, state_.responderData4,
                                   [this] { return platform_.random(); });
    if (!press) {
        return;
    }
    state_.responderCode = press->code;
    responderPlayer_ = static_cast<std::int16_t>(press->player);
    const QString& teamName = settings_.rosterText[model::teamNameIndex(press->team)];
    const QString& playerName =
        settings_.rosterText[model::playerNameIndex(press->team, press->player)];
    const QString& name = policy_.comparesPlayerName ? playerName : teamName;
    const bool secondPlaceMode = settings_.lockSecondResponder;

    if (policy_.refusal == Refusal::BeforeSecondPlace && refusedByOrangeRow(name)) {
        tellPress(model::MatchEvent::Kind::PressRefused, *press);
        return;
    }
    if (secondPlaceMode) {
        if (state_.firstResponderTaken == 1) {
            holdSecondResponder(*press, name);
            tellPress(model::MatchEvent::Kind::SecondHeld, *press);
            return;
        }
        if (state_.firstResponderTaken == 0) {
            state_.firstResponderTaken = 1;
            // That team may not answer again until the marks are cleared.
            markRows(name, ui::colors::orange, policy_.firstResponderScoreGreen);
        }
    } else if (policy_.refusal == Refusal::InRowScanModeOff && !scanRowsModeOff(name)) {
        tellPress(model::MatchEvent::Kind::PressRefused, *press);
        return;
    }

    if (policy_.showsTeamName) {
        view_.setTeamCaption(teamName);
    }
    view_.setNameCaption(playerName);
    if (policy_.repaintsAfterNames) {
        view_.repaintNow();  // the operator sees the name before any module traffic
    }
    switch (policy_.scoreMark) {
        case ScoreMark::RowScore:
            for (int row = 0; row < view_.rowCount(); ++row) {
                if (view_.rowCaption(row) == view_.teamCaption()) {
                    view_.setRowScoreColor(row, ui::colors::green);
                }
            }
            break;
        case ScoreMark::ResponderScore:
            view_.showResponderScore(playerName);
            break;
        case ScoreMark::None:
            break;
    }
    if (!secondPlaceMode) {
        porttimer_.stop();
        sendAll(modulelink::command::kLock);
    }
    modules_.TurnOnLights();
    if (settings_.moduleSpeakersOn) {
        modules_.TurnOnSound();
        startSoundTimer();
    }
    if (policy_.hidesQuestionWindow) {
        view_.hideQuestionWindow();
    }
    if (settings_.soundCardOn) {
        playSound(settings_.buzzSoundFile);
    }
    if (!settings_.timerContinuesAfterBuzz) {
        responseTimer_.stop();
    }
    state_.excludedModule = state_.respondingModule;
    if (policy_.soundTimerAlways) {
        startSoundTimer();  // its tick also re-arms the others in second-place mode
    }
    tellPress(model::MatchEvent::Kind::PressTaken, *press);
}

bool BuzzEngine::refusedByOrangeRow(const QString& name) {
    for (int row = 0; row < view_.rowCount(); ++row) {
        if (view_.rowCaption(row) == name && view_.rowColor(row) == ui::colors::orange) {
            refuse();
            return true;
        }
    }
    return false;
}

// Marks the accepted responder's rows; false when one of them is orange (refused).
bool BuzzEngine::scanRowsModeOff(const QString& name) {
    for (int row = 0; row < view_.rowCount(); ++row) {
        if (view_.rowCaption(row) != name) {
            continue;
        }
        if (view_.rowColor(row) == ui::colors::orange) {
            refuse();
            return false;
        }
        if (policy_.acceptedRowRed) {
            view_.setRowColor(row, ui::colors::red);
        }
        if (policy_.acceptedRowScoreGreen) {
            view_.setRowScoreColor(row, ui::colors::green);
        }
    }
    return true;
}

// Lock then re-arm: the refused press is cleared and everybody may buzz again.
void BuzzEngine::refuse() {
    sendAll(modulelink::command::kLock);
    sendAll(modulelink::command::kArm);
}

void BuzzEngine::holdSecondResponder(const Press& press, const QString& name) {
    state_.secondResponderCode = press.heldCode;
    state_.secondResponderModule = state_.respondingModule;
    state_.secondResponderWaiting = true;
    state_.secondResponderPlayer = static_cast<std::int16_t>(press.player);
    secondResponderData4_ = state_.responderData4;
    secondResponderModel_ = state_.responderModel;
    state_.blinkLit = false;
    timerBlink_.start();
    porttimer_.stop();
    markRows(name, ui::colors::yellow, false);
}

void BuzzEngine::markRows(const QString& name, ui::Color color, bool scoreGreen) {
    for (int row = 0; row < view_.rowCount(); ++row) {
        if (view_.rowCaption(row) == name) {
            view_.setRowColor(row, color);
            if (scoreGreen) {
                view_.setRowScoreColor(row, ui::colors::green);
            }
        }
    }
}

void BuzzEngine::sendAll(int command) {
    state_.moduleCommand = static_cast<std::int16_t>(command);
    modules_.ReportSender();
}

void BuzzEngine::sendEach(int command) {
    for (int position = 1; position <= modules_.moduleCount(); ++position) {
        modules_.sendToModule(position, static_cast<std::int16_t>(command));
    }
}

void BuzzEngine::playSound(const QString& path) {
    platform_.playSound(path, ui::kSoundAsync | ui::kSoundNoWait);
}

// Every alert's sound lasts its 800 ms, and the second-place re-arm comes that long after
// its buzz: a timer still running for an earlier alert starts over.
void BuzzEngine::startSoundTimer() {
    soundtimer_.stop();
    soundtimer_.start();
    state_.rearmedSinceSound = false;
}

}  // namespace engine
