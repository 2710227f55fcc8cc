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
    if (classic_) {
        classic_->hide();
    }
}

boards::ScoreBoard3& Console::classicBoard() {
    if (!classic_) {
        classic_ = std::make_unique<boards::ScoreBoard3>(settings_, state_, menu(), link_, clock_,
                                                         platform_);
    }
    return *classic_;
}

// The classic board stands in for the leader and cut-throat boards until they exist.
boards::Board& Console::board(model::BoardChoice) {
    return classicBoard();
}

boards::Board* Console::existingBoard(model::BoardChoice) {
    return classic_.get();
}

}  // namespace app
