#pragma once

#include <functional>

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "engine/BoardView.h"

namespace test {

// A board that keeps what the engine shows on it and counts the hooks it calls; repaints
// go into the shared event log so their order against module traffic shows.
class RecordingBoardView final : public engine::BoardView {
  public:
    struct Row {
        QString caption;
        ui::Color color = ui::colors::buttonFace;
        ui::Color scoreColor = ui::colors::buttonFace;
    };

    RecordingBoardView(std::vector<std::string>& log, const QStringList& rowCaptions);

    QString nameCaption() const override { return name; }
    void setNameCaption(const QString& caption) override {
        name = caption;
        if (nameSet) {
            nameSet();
        }
    }
    QString teamCaption() const override { return team; }
    void setTeamCaption(const QString& caption) override { team = caption; }
    void setTimerCaption(const QString& caption) override { timer = caption; }
    void setTimerKindCaption(const QString& caption) override { timerKind = caption; }
    QString clockCaption() const override { return clock; }
    void setClockCaption(const QString& caption) override { clock = caption; }
    void setClockTextColor(ui::Color color) override { clockColor = color; }

    int rowCount() const override { return static_cast<int>(rows.size()); }
    QString rowCaption(int row) const override { return rows.at(row).caption; }
    ui::Color rowColor(int row) const override { return rows.at(row).color; }
    void setRowColor(int row, ui::Color color) override { rows.at(row).color = color; }
    void setRowScoreColor(int row, ui::Color color) override { rows.at(row).scoreColor = color; }

    void repaintNow() override;
    void showQuestionWindow() override { ++questionShown; }
    void hideQuestionWindow() override { ++questionHidden; }
    void clearAnswerLabel() override { ++answerCleared; }
    void sortRows() override { ++sorts; }
    void showResponderScore(const QString& playerName) override {
        responderScoreLookups << playerName;
    }
    void clearResponderScore() override { ++responderScoreClears; }
    void setDiagnosticCaption(const QString& caption) override { diagnostic = caption; }

    // The row colours, row by row.
    std::vector<ui::Color> rowColors() const;
    std::vector<ui::Color> scoreColors() const;

    QString name = QStringLiteral("Quorvantix");
    // Runs as a name is shown: a watcher sees the responder before a later check moves on.
    std::function<void()> nameSet;
    QString team;
    QString timer = QStringLiteral("0");
    QString timerKind;
    QString clock = QStringLiteral("15:00");
    ui::Color clockColor = ui::colors::buttonText;
    QString diagnostic;
    std::vector<Row> rows;
    int questionShown = 0;
    int questionHidden = 0;
    int answerCleared = 0;
    int sorts = 0;
    QStringList responderScoreLookups;
    int responderScoreClears = 0;

  private:
    std::vector<std::string>& log_;
};

}  // namespace test
