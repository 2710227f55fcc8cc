#pragma once

#include "model/MatchSettings.h"

namespace model {

// The option check boxes: the six that a set-up file holds, in the file's order, and the
// prompts switch, which is never saved.
enum class OptionBox {
    CheckTimerTabs,
    Check20SecondTab,
    CheckBuzzonBonus,
    CheckTimerContinues,
    CheckDisableMatchTimer,
    CheckPlayerWaiting,
    CheckPromptsOff,
};

// What reading a set-up file does to the windows. The reader puts every value into
// MatchSettings first and then calls the hook that shows it, so a hook always sees the
// value it applies. The calls of one complete read, in order:
//   setStepButton for step 1 (leader, classic, cut-throat), then step 5, then step 10;
//   hideBoard/showBoard for the board marks (leader, then classic, then cut-throat);
//   bringSetupMenuToFront (reading a file the operator chose, or restoring defaults);
//   setbackcolor, SetForeColor;
//   optionBoxChanged for each box whose value the file changed, in the file's order;
//   showSettings, SetUpFormOptions, OptionDisplay;
//   the board marks once more (at start-up only).
// A read that fails part-way has made exactly the calls before the failing line, then
// showSettings.
class SetupFileTarget {
  public:
    virtual ~SetupFileTarget() = default;

    // Sets the score-step button (1, 5 or 10) of one board; selecting it runs the board's
    // step selection.
    virtual void setStepButton(BoardChoice board, int step, bool selected) = 0;
    virtual void showBoard(BoardChoice board) = 0;
    virtual void hideBoard(BoardChoice board) = 0;
    virtual void bringSetupMenuToFront() = 0;
    // Paint boardBackColor and boardTextColor onto the boards.
    virtual void setbackcolor() = 0;
    virtual void SetForeColor() = 0;
    // The box's field has just changed: run the box's effect.
    virtual void optionBoxChanged(OptionBox box) = 0;
    // The persisted fields changed (all of them, or those before a failure): show them in
    // the name and timer boxes and the menu check marks.
    virtual void showSettings() = 0;
    virtual void SetUpFormOptions() = 0;
    virtual void OptionDisplay() = 0;
};

}  // namespace model
