#pragma once

#include "model/MatchSettings.h"

namespace engine {

// Where a board refuses a press from a team (or player) that is marked orange.
enum class Refusal {
    BeforeSecondPlace,  // in both modes, before the second-place test
    InRowScanModeOff,   // only with second-place mode off, while the accepted row is marked
};

// What a right click on NameLabel marks before arming.
enum class RightClickMark {
    ResponderTeam,  // rows captioned like Labelteam turn orange
    MarkedRows,     // every orange or red row turns orange
};

// Where the responder's score is marked green after the names are shown.
enum class ScoreMark {
    RowScore,        // the score of every row captioned like the new Labelteam
    None,            // the row steps already did it
    ResponderScore,  // the board's own ScoreLabel, looked up by the player's name
};

enum class ClockSound { Game, Timer };

// Everything that differs between boards in buzz-in, arm, timers and alerts. A new board
// is a new value of this table, never a new copy of the engine.
struct BoardPolicy {
    model::BoardChoice board = model::BoardChoice::Classic;
    int pollingIntervalMs = 2;

    // Buzz-in.
    bool comparesPlayerName = false;  // rows show players, not teams
    Refusal refusal = Refusal::BeforeSecondPlace;
    bool firstResponderScoreGreen = false;  // second-place mode: row score green as well
    bool acceptedRowRed = false;            // mode off: the responder's row turns red
    bool acceptedRowScoreGreen = false;     // ... and its score green
    bool showsTeamName = true;              // Labelteam shows the team; else never touched
    ScoreMark scoreMark = ScoreMark::RowScore;
    bool repaintsAfterNames = true;
    bool hidesQuestionWindow = true;  // at a buzz and at timer expiry
    bool soundTimerAlways = true;     // a buzz starts soundtimer even without the speaker
    bool hasDiagnosticLabel = true;   // Label6 shows two-team interface codes

    // Clear and arm.
    bool sortsFirst = false;
    RightClickMark rightClick = RightClickMark::ResponderTeam;
    bool clearsResponderScore = false;      // the arm also empties the board's ScoreLabel
    bool clearsAnswerLabel = true;          // spacekey empties LabelAnswer
    bool timerRuleBeforeHandOver = false;   // the ndigit1 rule runs even on a hand-over
    bool mousePollsBeforeHandOver = false;  // reset click starts porttimer before the test
    bool mouseRearmLocksFirst = true;       // reset click re-arms with 124 then 125
    bool rfSettlingResends = true;          // settling ticks send 124, 125 and poll again

    // Timers.
    bool timerClickSetsKind = true;       // timerlabel click shows "Toss Up" / "Bonus"
    bool timerClickShowsQuestion = true;  // in computer-question mode
    ClockSound clockSound = ClockSound::Game;
};

const BoardPolicy& classicBoardPolicy();
const BoardPolicy& leaderBoardPolicy();
const BoardPolicy& cutThroatBoardPolicy();

}  // namespace engine
