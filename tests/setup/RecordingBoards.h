#pragma once

#include <QStringList>
#include <array>
#include <memory>

#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "boards/Board.h"
#include "setup/FrmMenu3_5.h"

namespace test {

// A board that notes what the set-up menu does to it, as "Leader: tabs on".
class RecordingBoard final : public boards::Board {
  public:
    RecordingBoard(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}

    void showBoard() override {
        visible_ = true;
        note("show");
    }
    void hideBoard() override {
        visible_ = false;
        note("hide");
    }
    bool boardVisible() const override { return visible_; }
    void setStepButton(int step, bool selected) override {
        note(QString("step %1 %2").arg(step).arg(selected ? "on" : "off"));
    }
    void setBoardBackColor(ui::Color c) override { note(QString("back %1").arg(c.toInt())); }
    void setBoardTextColor(ui::Color c) override { note(QString("fore %1").arg(c.toInt())); }
    void showTwentySecondTab(bool on) override { note(onOff("20", on)); }
    void showTimerTabs(bool on) override { note(onOff("tabs", on)); }
    void showPromptLine(bool on) override { note(onOff("prompts", on)); }
    void showQuestionButton(bool on) override { note(onOff("question", on)); }
    void setClockCaption(const QString& caption) override { note("clock " + caption); }
    void eraseScores() override { note("erase"); }

  private:
    static QString onOff(const QString& what, bool on) { return what + (on ? " on" : " off"); }
    void note(const QString& what) { log_ << name_ + ": " + what; }

    QString name_;
    QStringList& log_;
    bool visible_ = false;
};

// The set-up menu in front of three recording boards, each made on first use. The menu is
// not loaded, so nothing happens until a test asks.
struct RecordingBoardsHarness : setup::MenuHost {
    TempFolder folder;
    model::MatchSettings settings;
    model::MatchState state;
    RecordingPlatform platform{folder.path()};
    QStringList log;
    std::array<std::unique_ptr<RecordingBoard>, 3> boards;
    std::unique_ptr<setup::FrmMenu3_5> menu;

    RecordingBoardsHarness() {
        state.modelNumber = 2012;
        state.teamCount = 2;
        state.teamModuleHandle[0] = state.teamModuleHandle[1] = 100;
        state.moduleListConfirmed = state.startupComplete = true;
        menu = std::make_unique<setup::FrmMenu3_5>(settings, state, platform, *this);
    }

    static QString name(model::BoardChoice choice) {
        return choice == model::BoardChoice::Leader    ? "Leader"
               : choice == model::BoardChoice::Classic ? "Classic"
                                                       : "CutThroat";
    }

    void showTitleForm() override {}
    void ShutItDown() override {}
    void showRadioDialog(setup::RadioDialog) override {}
    boards::Board& board(model::BoardChoice choice) override {
        auto& b = boards[static_cast<int>(choice)];
        if (!b) {
            log << name(choice) + " created";
            b = std::make_unique<RecordingBoard>(name(choice), log);
        }
        return *b;
    }
    boards::Board* existingBoard(model::BoardChoice choice) override {
        return boards[static_cast<int>(choice)].get();
    }

    // The notes of one board, without its name, from the first note `from` on.
    QStringList notesOf(const QString& board, const QString& from = {}) const {
        QStringList notes;
        for (const QString& entry : log) {
            if (entry.startsWith(board + ": ")) {
                notes << entry.mid(board.size() + 2);
            }
        }
        const qsizetype start = from.isEmpty() ? 0 : notes.indexOf(from);
        return start < 0 ? QStringList{} : notes.mid(start);
    }
};

}  // namespace test
