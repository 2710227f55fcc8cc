#include "sim/windows/ModelHelp.h"

#include <QStringList>

#include "sim/ModuleList.h"
#include "sim/windows/KeyMap.h"

namespace sim {

QString modelHelpText() {
    QString text = QStringLiteral(
        "Virtual team modules (--simulate[=LIST]):\n"
        "  LIST names the modules, separated by commas: MODEL or MODEL:TEAMS, e.g.\n"
        "    --simulate=2012:1-2,2012:3-4   two two-team modules (the default)\n"
        "    --simulate=4097:1,4097:2       one-team modules serving teams 1 and 2\n"
        "    --simulate=712                 an RF module serving teams 1-4\n"
        "    --simulate=512:5-6             a two-team module serving teams 5-6\n"
        "    --simulate=812                 an RF module\n"
        "  Models:\n"
        "    4097, 272, 901   one team; TEAMS is one of 1..8 (default 1)\n"
        "    2012, 512        two teams; TEAMS is 1-2, 3-4 or 5-6 (default 1-2)\n"
        "    712, 812         RF, up to 32 transmitters; teams 1-4\n"
        "  MODEL:TEAMS+status adds a second input report (a status report) to the module.\n"
        "  No team may be served by two modules. Without a list: %1.\n"
        "  Keys of the \"Virtual Team Modules\" window, players 1-5 left to right:\n");
    text = text.arg(QString::fromLatin1(kDefaultModuleList));
    const QStringList lines = keymap::legend().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        text += QStringLiteral("    ") + line + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "  Shift-click gathers buttons to press together; the window never "
        "takes the space bar.\n");
    return text;
}

}  // namespace sim
