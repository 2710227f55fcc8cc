#pragma once

namespace boards::prompt {

// The operator prompts: what the control under the pointer does, shown on the prompt line
// of the boards, the all-players list and the question window. Texts as the operators
// know them, double blanks included.
inline constexpr char kScore[] =
    "Left click increments score if highlighted.  Right click decrements score if highlighted";
inline constexpr char kTeam[] =
    "Left click makes this team ineligible.  Right click to edit this team's score";
inline constexpr char kName[] =
    "Left click clears and arms the system. Right click arms unhighlighted teams only";
inline constexpr char kTimer[] =
    "Left click starts 'toss-up' timer.  Right click starts 'bonus' timer.";
inline constexpr char kTimerWithQuestion[] =
    "Displays next question and starts timer. Left click starts 'toss-up' timer.  Right click "
    "starts 'bonus' timer.";
inline constexpr char kClock[] =
    "Left click starts 'match' clock.  Right click stops 'match' clock.";
inline constexpr char kSetupMenu[] =
    "Click here to set 'time-out' timer and return to Set-Up Menu.";
inline constexpr char kStep1[] = "Sets score to change in increments of 1.";
inline constexpr char kStep5[] = "Sets score to change in increments of 5.";
inline constexpr char kStep10[] = "Sets score to change in increments of 10.";
inline constexpr char kBackground[] = "";

inline constexpr char kCutThroatScore[] =
    "Left click to increment score when highted.  Right click to decrement score when "
    "highlighted.";
inline constexpr char kShowAllButton[] = "Click to display and edit all Cut Throat players.";

inline constexpr char kShowAllName[] =
    "Player names used for Cut Throat Scoreboard must be unique or scoring will not be "
    "accurate.  Names must be edited in the Main Set-Up Menu.";
inline constexpr char kShowAllScore[] =
    "Edit individual player scores by typing edited score in the corresponding text box.  "
    "Corrected scores will be sorted when the system is cleared on the CUt Throat Scoreboard.";
inline constexpr char kShowAllHide[] = "Click here to return to Cut Throat Scoreboard.";

inline constexpr char kQuestionAnswer[] = "Click to display answer to question.";
inline constexpr char kQuestionHide[] =
    "Click here to hide the Question Display and return to ScoreBoard.";
inline constexpr char kQuestionView[] = "Click to show ALL questions and answers in Question Set.";
inline constexpr char kQuestionNext[] =
    "Clicking on the ScoreBoard Timer will display next question, start timer, and arm system.";

}  // namespace boards::prompt
