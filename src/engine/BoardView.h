#pragma once

#include <QString>

#include "ui/Color.h"

namespace engine {

// Mouse buttons as the boards' MouseDown handlers pass them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// What the engine needs of a board window: the responder and timer displays, the team
// positions ("rows") with their marks, and a few hooks. The classic board's rows are its
// three banners (Labelalpha, LabelBeta, LabelGamma with their score labels); the leader
// and cut-throat boards' rows are TLabel(10..19) with SLabel(0..9).
class BoardView {
  public:
    virtual ~BoardView() = default;

    virtual QString nameCaption() const = 0;  // NameLabel
    virtual void setNameCaption(const QString& caption) = 0;
    virtual QString teamCaption() const = 0;  // Labelteam
    virtual void setTeamCaption(const QString& caption) = 0;
    virtual void setTimerCaption(const QString& caption) = 0;      // timerlabel
    virtual void setTimerKindCaption(const QString& caption) = 0;  // Labeltimerstate
    virtual QString clockCaption() const = 0;                      // clocklabel
    virtual void setClockCaption(const QString& caption) = 0;
    virtual void setClockTextColor(ui::Color color) = 0;

    virtual int rowCount() const = 0;
    virtual QString rowCaption(int row) const = 0;
    virtual ui::Color rowColor(int row) const = 0;
    virtual void setRowColor(int row, ui::Color color) = 0;
    virtual void setRowScoreColor(int row, ui::Color color) = 0;

    // Hooks; a board without the control leaves them empty.
    virtual void repaintNow() {}
    virtual void showQuestionWindow() {}
    virtual void hideQuestionWindow() {}
    virtual void clearAnswerLabel() {}  // LabelAnswer of the question window
    virtual void sortRows() {}          // Sort: ranks the rows by score
    // The cut-throat board's ScoreLabel: filled from the all-players list for the
    // responder's name and made green; emptied and made plain.
    virtual void showResponderScore(const QString& playerName) { (void)playerName; }
    virtual void clearResponderScore() {}
    virtual void setDiagnosticCaption(const QString& caption) { (void)caption; }  // Label6
};

}  // namespace engine
