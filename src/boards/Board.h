#pragma once

#include "model/MatchSettings.h"
#include "ui/Color.h"

namespace boards {

// What the set-up menu and the set-up file readers do to any score board window.
class Board {
  public:
    virtual ~Board() = default;
    virtual void showBoard() = 0;
    virtual void hideBoard() = 0;
    virtual bool boardVisible() const = 0;
    // "Hide Set-up Menu": the board the operator goes to from the menu. The cut-throat
    // board also brings its player list up to date there.
    virtual void showFromSetupMenu() { showBoard(); }
    // Sets one score-step button (1, 5 or 10); selecting a button selects that step.
    virtual void setStepButton(int step, bool selected) = 0;
    virtual void setBoardBackColor(ui::Color color) = 0;
    virtual void setBoardTextColor(ui::Color color) = 0;
    // The board controls that the option switches show or hide, one switch each.
    virtual void showTwentySecondTab(bool on) = 0;   // "20"
    virtual void showTimerTabs(bool on) = 0;         // "Aux.", "Bonus", "Toss-up"
    virtual void showPromptLine(bool on) = 0;        // the operator prompts
    virtual void showQuestionButton(bool /*on*/) {}  // "View Question", where there is one
    // The clock caption that "Disable Match Timer" sets.
    virtual void setClockCaption(const QString& caption) = 0;
    // Sets every score of the board to "0".
    virtual void eraseScores() = 0;
};

// The set-up menu as the boards see it: the hidden score mirror, which team slots take
// part, and the way back.
class SetupMenuLink {
  public:
    virtual ~SetupMenuLink() = default;
    virtual QString scoreCaption(int slot) const = 0;
    virtual void setScoreCaption(int slot, const QString& caption) = 0;
    // A roster box is enabled when its team slot is served by a module.
    virtual bool nameBoxEnabled(int index) const = 0;
    virtual void showSetupMenu() = 0;
};

}  // namespace boards
