// Clear and arm: the space bar, the reset click on NameLabel and the hand-over of the turn
// to a waiting second responder.
#include "engine/BuzzEngine.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/ModuleCommands.h"
#include "modulelink/ModuleExchange.h"

namespace engine {

namespace {
constexpr int kSpaceKey = 32;
}

void BuzzEngine::keyDown(int keyCode) {
    if (keyCode == kSpaceKey) {
        spacekey();
    }
}

void BuzzEngine::spacekey() {
    if (policy_.sortsFirst) {
        view_.sortRows();
    }
    clearAllMarks();
    porttimer_.start();
    view_.setTimerCaption({});
    view_.setTimerKindCaption({});
    responseTimer_.stop();
    if (policy_.timerRuleBeforeHandOver) {
        applyTimerRule();
    }
    if (handOverDue()) {
        handOver();
        return;
    }
    state_.firstResponderTaken = 0;
    if (policy_.clearsAnswerLabel) {
        view_.clearAnswerLabel();
    }
    if (!policy_.timerRuleBeforeHandOver) {
        applyTimerRule();
    }
    porttimer_.start();
    timerBlink_.stop();
    state_.rearmedSinceSound = true;
    tellLaterPresses();
    modules_.startAfresh();  // the operator's arm starts afresh
    sendAll(modulelink::command::kArm);
    state_.excludedModule = 0;
    state_.pointsAwarded = false;
    state_.secondResponderWaiting = false;  // a full re-arm drops a held second responder
    modules_.startDelay();
    tellArm(false);
}

void BuzzEngine::NameLabel_MouseDown(int button) {
    if (policy_.sortsFirst) {
        view_.sortRows();
    }
    if (button == kLeftButton || button == kRightButton) {
        if (button == kLeftButton) {
            clearAllMarks();
        } else {
            markAnsweredRows();
        }
        view_.setTimerCaption({});
        view_.setTimerKindCaption({});
        responseTimer_.stop();
    }
    if (policy_.mousePollsBeforeHandOver) {
        porttimer_.start();
    }
    if (policy_.timerRuleBeforeHandOver) {
        applyTimerRule();
    }
    if (handOverDue()) {
        handOver();
        return;
    }
    state_.firstResponderTaken = 0;
    if (!policy_.timerRuleBeforeHandOver) {
        applyTimerRule();
    }
    timerBlink_.stop();
    tellLaterPresses();
    state_.excludedModule = 0;
    state_.pointsAwarded = false;
    // A re-arm that is not the hand-over starts a new question: a held second responder
    // of the last one must never get the floor later.
    state_.secondResponderWaiting = false;
    modules_.startDelay();
    state_.rearmedSinceSound = true;
    if (state_.settlesAfterArm()) {
        modules_.NopReader();  // presses that came in while nobody listened
    }
    modules_.startAfresh();
    if (policy_.mouseRearmLocksFirst) {
        sendAll(modulelink::command::kLock);
    }
    sendAll(modulelink::command::kArm);
    porttimer_.start();
    tellArm(button == kRightButton);
}

// Every mark goes, including the orange marks of teams that may not answer.
void BuzzEngine::clearAllMarks() {
    view_.setNameCaption({});
    if (policy_.showsTeamName) {
        view_.setTeamCaption({});
    }
    for (int row = 0; row < view_.rowCount(); ++row) {
        view_.setRowScoreColor(row, ui::colors::buttonFace);
        view_.setRowColor(row, ui::colors::buttonFace);
    }
    if (policy_.clearsResponderScore) {
        view_.clearResponderScore();
    }
}

// Right click: the team that just answered may not answer again; earlier marks stay.
void BuzzEngine::markAnsweredRows() {
    const QString answered = view_.teamCaption();
    for (int row = 0; row < view_.rowCount(); ++row) {
        const ui::Color color = view_.rowColor(row);
        const bool marks = policy_.rightClick == RightClickMark::ResponderTeam
                               ? view_.rowCaption(row) == answered
                               : color == ui::colors::orange || color == ui::colors::red;
        if (marks) {
            view_.setRowColor(row, ui::colors::orange);
        }
    }
    view_.setNameCaption({});
    if (policy_.showsTeamName) {
        view_.setTeamCaption({});
    }
    for (int row = 0; row < view_.rowCount(); ++row) {
        view_.setRowScoreColor(row, ui::colors::buttonFace);
    }
    if (policy_.clearsResponderScore) {
        view_.clearResponderScore();
    }
}

// The turn passes to the held second responder only while no points went to the first.
bool BuzzEngine::handOverDue() const {
    return state_.secondResponderWaiting && !state_.pointsAwarded &&
           state_.firstResponderTaken == 1;
}

void BuzzEngine::handOver() {
    state_.secondResponderWaiting = false;
    state_.firstResponderTaken = 0;
    state_.responderCode = state_.secondResponderCode;
    state_.respondingModule = state_.secondResponderModule;
    state_.responderData4 = secondResponderData4_;
    state_.responderModel = secondResponderModel_;
    timerBlink_.stop();
    // What came while polling stood behind the held press is no news for the new turn.
    modules_.discardArrivals();
    sendAll(modulelink::command::kLock);  // also puts out the blinking lamp
    tellHandOver();
    usbwired();
}

void BuzzEngine::standDown() {
    porttimer_.stop();
    responseTimer_.stop();
    timer2_.stop();
    timerBlink_.stop();
}

// A count still running after the re-arm gets a few seconds more.
void BuzzEngine::applyTimerRule() {
    if (settings_.timerContinuesAfterBuzz && ndigit1_ < 3) {
        ndigit1_ = 4;
    }
}

}  // namespace engine
