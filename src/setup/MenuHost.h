#pragma once

#include <QImage>
#include <QStringList>
#include <functional>

#include "boards/Board.h"
#include "model/MatchSettings.h"

namespace setup {

// The three radio dialogs of the "RF Wireless Options" menu.
enum class RadioDialog { TransmitterCode, Channel, PowerLevel };

// The audience screen in a browser, beyond the set-up file: its switch and port, and while
// it serves, the addresses to type and a QR code of the first.
struct AudienceScreenInfo {
    bool on = false;
    quint16 port = 8765;
    QStringList addresses;  // "http://192.168.1.20:8765/"
    QImage qrCode;
};

// The rest of the console as the set-up menu sees it.
class MenuHost {
  public:
    virtual ~MenuHost() = default;
    virtual void showTitleForm() = 0;
    virtual void ShutItDown() = 0;
    // The board window for a choice, created on first use.
    virtual boards::Board& board(model::BoardChoice choice) = 0;
    // The board window for a choice if it has been created.
    virtual boards::Board* existingBoard(model::BoardChoice choice) = 0;
    // Shows a radio dialog, made on first use.
    virtual void showRadioDialog(RadioDialog dialog) = 0;
    // The match record: "New Match", "Export Match...", "Print Score Sheet...", "Buzz Log".
    // A host without a record offers none of them.
    virtual void newMatch() {}
    virtual void exportMatch() {}
    virtual void printScoreSheet() {}
    virtual void showBuzzLog() {}
    // "Other Buzzers": the roles of the attached Buzz! dongles and game controllers. A host
    // without foreign devices offers none.
    virtual void showBuzzerRoles() {}
    // The audience screen; a console without one reports it off and refuses to serve.
    virtual AudienceScreenInfo audienceScreen() const { return {}; }
    // Switches it on at `port` or off; the reason when it cannot serve.
    virtual QString switchAudienceScreen(bool on, quint16 port) {
        (void)port;
        return on ? QStringLiteral("This console has no audience screen.") : QString{};
    }
};

// Runs `apply` on the leader, classic and cut-throat boards, in that order, creating a
// board that does not exist yet: a setting reaches every board before it is first shown.
void forEachBoard(MenuHost& host, const std::function<void(boards::Board&)>& apply);

}  // namespace setup
