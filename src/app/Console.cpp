#include "app/Console.h"

#include "ui/Screens.h"

namespace app {

Console::Console(ui::Platform& platform, ui::Clock& clock, modulelink::HidTransport& transport)
    : platform_(platform),
      clock_(clock),
      agent_(transport, clock),
      link_(agent_, state_, platform, clock, *this),
      titleForm_(link_, platform),
      questions_(state_, platform),
      recordController_(platform, settings_, state_, *this, *this),
      audience_(std::make_unique<AudienceLink>(*this, clock)) {}

Console::~Console() = default;

void Console::start() {
    titleForm_.show();
}

setup::FrmMenu3_5& Console::menu() {
    if (!menu_) {
        menu_ = std::make_unique<setup::FrmMenu3_5>(settings_, state_, platform_, *this);
        // The set-up menu's screen is the operator's; the boards open on another one.
        ui::screens::setOperatorWindow(menu_->window());
    }
    return *menu_;
}

void Console::unloadSetupMenu() {
    if (menu_) {
        menu_->unload();
    }
    if (boards_) {
        boards_->hideAll();
    }
}

boards::BoardSet& Console::boards() {
    if (!boards_) {
        boards_ = std::make_unique<boards::BoardSet>(settings_, state_, menu(), questions_, link_,
                                                     clock_, platform_);
    }
    return *boards_;
}

void Console::showSetupMenu() {
    menu().show();
    recordController_.start();
}

boards::Board* Console::existingBoard(model::BoardChoice choice) {
    return boards_ ? boards_->existing(choice) : nullptr;
}

rf::XmitterCode& Console::xmitterCode() {
    if (!xmitterCode_) {
        xmitterCode_ = std::make_unique<rf::XmitterCode>(*this, link_, state_);
    }
    return *xmitterCode_;
}

rf::ChangeChannel& Console::changeChannel() {
    if (!changeChannel_) {
        changeChannel_ = std::make_unique<rf::ChangeChannel>(*this, link_, settings_, state_);
    }
    return *changeChannel_;
}

rf::PALevel& Console::paLevel() {
    if (!paLevel_) {
        paLevel_ = std::make_unique<rf::PALevel>(*this, link_, settings_, state_);
    }
    return *paLevel_;
}

void Console::showRadioDialog(setup::RadioDialog dialog) {
    switch (dialog) {
        case setup::RadioDialog::TransmitterCode:
            xmitterCode().open();
            break;
        case setup::RadioDialog::Channel:
            changeChannel().open();
            break;
        case setup::RadioDialog::PowerLevel:
            paLevel().open();
            break;
    }
}

}  // namespace app
