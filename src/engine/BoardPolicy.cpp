#include "engine/BoardPolicy.h"

namespace engine {

const BoardPolicy& classicBoardPolicy() {
    static const BoardPolicy policy{};
    return policy;
}

// The ten-row boards poll less often, refuse only with second-place mode off, re-rank
// before every arm and keep the reset click's re-arm to a plain 125.
static BoardPolicy rowBoard() {
    BoardPolicy p;
    p.pollingIntervalMs = 10;
    p.refusal = Refusal::InRowScanModeOff;
    p.firstResponderScoreGreen = true;
    p.acceptedRowRed = true;
    p.acceptedRowScoreGreen = true;
    p.scoreMark = ScoreMark::None;
    p.repaintsAfterNames = false;
    p.hidesQuestionWindow = false;
    p.soundTimerAlways = false;
    p.sortsFirst = true;
    p.rightClick = RightClickMark::MarkedRows;
    p.clearsAnswerLabel = false;
    p.timerRuleBeforeHandOver = true;
    p.mousePollsBeforeHandOver = true;
    p.mouseRearmLocksFirst = false;
    p.rfSettlingResends = false;
    p.timerClickShowsQuestion = false;
    p.clockSound = ClockSound::Timer;
    return p;
}

const BoardPolicy& leaderBoardPolicy() {
    static const BoardPolicy policy = [] {
        BoardPolicy p = rowBoard();
        p.board = model::BoardChoice::Leader;
        p.timerClickSetsKind = false;
        return p;
    }();
    return policy;
}

const BoardPolicy& cutThroatBoardPolicy() {
    static const BoardPolicy policy = [] {
        BoardPolicy p = rowBoard();
        p.board = model::BoardChoice::CutThroat;
        p.comparesPlayerName = true;
        p.acceptedRowScoreGreen = false;
        p.showsTeamName = false;
        p.scoreMark = ScoreMark::ResponderScore;
        p.hasDiagnosticLabel = false;
        p.clearsResponderScore = true;
        return p;
    }();
    return policy;
}

}  // namespace engine
