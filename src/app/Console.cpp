#include "app/Console.h"

namespace app {

Console::Console(ui::Platform& platform, ui::Clock& clock, modulelink::HidTransport& transport)
    : platform_(platform),
      clock_(clock),
      agent_(transport, clock),
      link_(agent_, state_, platform, clock, *this),
      titleForm_(link_, platform) {}

Console::~Console() = default;

void Console::start() {
    titleForm_.show();
}

setup::FrmMenu3_5& Console::menu() {
    if (!menu_) {
        menu_ = std::make_unique<setup::FrmMenu3_5>(settings_, state_, platform_, *this);
    }
    return *menu_;
}

void Console::unloadSetupMenu() {
    if (menu_) {
        menu_->unload();
    }
    for (auto choice :
         {model::BoardChoice::Leader, model::BoardChoice::Classic, model::BoardChoice::CutThroat}) {
        if (boards::Board* b = existingBoard(choice)) {
            b->hideBoard();
        }
    }
}

// Each board is made the first time something needs it, and kept for the run.
template <typename BoardType>
BoardType& Console::made(std::unique_ptr<BoardType>& board) {
    if (!board) {
        board = std::make_unique<BoardType>(settings_, state_, menu(), link_, clock_, platform_);
    }
    return *board;
}

boards::ScoreBoard3& Console::classicBoard() {
    return made(classic_);
}

boards::LeaderBoard& Console::leaderBoard() {
    return made(leader_);
}

boards::CutThroat& Console::cutThroatBoard() {
    return made(cutThroat_);
}

boards::Board& Console::board(model::BoardChoice choice) {
    switch (choice) {
        case model::BoardChoice::Leader:
            return leaderBoard();
        case model::BoardChoice::CutThroat:
            return cutThroatBoard();
        case model::BoardChoice::Classic:
            break;
    }
    return classicBoard();
}

boards::Board* Console::existingBoard(model::BoardChoice choice) {
    switch (choice) {
        case model::BoardChoice::Leader:
            return leader_.get();
        case model::BoardChoice::CutThroat:
            return cutThroat_.get();
        case model::BoardChoice::Classic:
            break;
    }
    return classic_.get();
}

}  // namespace app
