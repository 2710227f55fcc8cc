#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "FakeModuleExchange.h"
#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "boards/BoardSet.h"
#include "questions/QuestionWindows.h"
#include "setup/FrmMenu3_5.h"

namespace test {

// The set-up menu and the boards as the console wires them, on fake modules.
struct WindowHarness : setup::MenuHost {
    TempFolder folder;
    model::MatchSettings settings;
    model::MatchState state;
    RecordingPlatform platform{folder.path()};
    ManualClock clock;
    std::vector<std::string> log;
    std::unique_ptr<FakeModuleExchange> modules;
    std::unique_ptr<setup::FrmMenu3_5> menu;
    questions::QuestionWindows questions{state, platform};
    std::unique_ptr<boards::BoardSet> boardSet;
    int titleShows = 0;
    int shutdowns = 0;
    std::vector<setup::RadioDialog> radioDialogs;

    // Modules serving the given team slots (0-based); teamCount as the module check set it.
    WindowHarness(int modelNumber, int teamCount, std::vector<int> servedSlots,
                  int moduleCount = 2) {
        state.modelNumber = modelNumber;
        state.teamCount = teamCount;
        for (int slot : servedSlots) {
            state.teamModuleHandle[slot] = 100 + slot;
        }
        state.moduleListConfirmed = true;
        state.startupComplete = true;
        modules = std::make_unique<FakeModuleExchange>(state, clock, moduleCount, log);
        menu = std::make_unique<setup::FrmMenu3_5>(settings, state, platform, *this);
        boardSet = std::make_unique<boards::BoardSet>(settings, state, *menu, questions, *modules,
                                                      clock, platform);
    }

    void showTitleForm() override { ++titleShows; }
    void ShutItDown() override { ++shutdowns; }
    boards::Board& board(model::BoardChoice choice) override { return boardSet->board(choice); }
    boards::Board* existingBoard(model::BoardChoice choice) override {
        return boardSet->existing(choice);
    }
    void showRadioDialog(setup::RadioDialog d) override { radioDialogs.push_back(d); }
    boards::ScoreBoard3& classicBoard() { return boardSet->classic(); }
    boards::LeaderBoard& leaderBoard() { return boardSet->leader(); }
    boards::CutThroat& cutThroatBoard() { return boardSet->cutThroat(); }
    // The leader, classic and cut-throat boards, made if need be.
    std::array<boards::BoardWindow*, 3> allBoards() {
        return {&leaderBoard(), &classicBoard(), &cutThroatBoard()};
    }

    // Start-up: the menu loads and shows, then "Hide Set-up Menu" opens the board.
    boards::ScoreBoard3& openBoard() {
        menu->show();
        menu->CommandHide_Click();
        return classicBoard();
    }
    // The same with the leader or the cut-throat board chosen.
    boards::LeaderBoard& openLeaderBoard() {
        settings.chooseBoard(model::BoardChoice::Leader);
        menu->show();
        menu->CommandHide_Click();
        return leaderBoard();
    }
    boards::CutThroat& openCutThroat() {
        settings.chooseBoard(model::BoardChoice::CutThroat);
        menu->show();
        menu->CommandHide_Click();
        return cutThroatBoard();
    }
};

}  // namespace test
