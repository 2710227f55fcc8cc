#pragma once

#include <QString>
#include <QStringList>

#include "model/MatchSettings.h"
#include "model/SetupFileTarget.h"

namespace test {

// Stands in for the windows: logs every call of a set-up read in order, with the colour
// values that the colour calls find in the settings at that moment.
class RecordingTarget final : public model::SetupFileTarget {
  public:
    explicit RecordingTarget(const model::MatchSettings& settings) : settings_(settings) {}

    void setStepButton(model::BoardChoice board, int step, bool selected) override {
        log << QString("step %1 %2 %3").arg(name(board)).arg(step).arg(selected ? "on" : "off");
    }
    void showBoard(model::BoardChoice board) override { log << "show " + name(board); }
    void hideBoard(model::BoardChoice board) override { log << "hide " + name(board); }
    void bringSetupMenuToFront() override { log << "front"; }
    void setbackcolor() override {
        log << "setbackcolor";
        backSeen = settings_.boardBackColor;
        textSeenByBack = settings_.boardTextColor;
    }
    void SetForeColor() override {
        log << "SetForeColor";
        textSeen = settings_.boardTextColor;
    }
    void optionBoxChanged(model::OptionBox box) override { log << "box " + name(box); }
    void showSettings() override { log << "showSettings"; }
    void SetUpFormOptions() override { log << "SetUpFormOptions"; }
    void OptionDisplay() override { log << "OptionDisplay"; }

    // The calls since the last look, and forget them.
    QStringList take() {
        QStringList calls = log;
        log.clear();
        return calls;
    }

    QStringList log;
    ui::Color backSeen, textSeenByBack, textSeen;

  private:
    static QString name(model::BoardChoice board) {
        switch (board) {
            case model::BoardChoice::Leader:
                return "Leader";
            case model::BoardChoice::Classic:
                return "Classic";
            case model::BoardChoice::CutThroat:
                return "CutThroat";
        }
        return {};
    }
    static QString name(model::OptionBox box) {
        static const char* names[] = {"CheckTimerTabs",         "Check20SecondTab",
                                      "CheckBuzzonBonus",       "CheckTimerContinues",
                                      "CheckDisableMatchTimer", "CheckPlayerWaiting",
                                      "CheckPromptsOff"};
        return names[static_cast<int>(box)];
    }

    const model::MatchSettings& settings_;
};

}  // namespace test
