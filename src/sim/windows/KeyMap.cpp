#include "sim/windows/KeyMap.h"

#include <QKeySequence>
#include <QStringList>
#include <array>

namespace sim::keymap {

namespace {

// Teams 1..8 on the four character rows, two teams to a row; Qt's key code of these
// keys is their (upper case) character.
constexpr std::array<const char*, 8> kTeamKeys = {"12345", "67890", "QWERT", "YUIOP",
                                                  "ASDFG", "HJKL;", "ZXCVB", "NM,./"};
constexpr int kFunctionKeyTeam = 9;  // teams 9 and 10 on F1..F10

}  // namespace

int keyForButton(Button button) {
    if (button.player < 1 || button.player > kPlayers || button.team < 1 || button.team > kTeams) {
        return 0;
    }
    const int index = button.player - 1;
    if (button.team >= kFunctionKeyTeam) {
        return Qt::Key_F1 + (button.team - kFunctionKeyTeam) * kPlayers + index;
    }
    return kTeamKeys[static_cast<std::size_t>(button.team - 1)][index];
}

std::optional<Button> buttonForKey(int qtKey) {
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            if (keyForButton({team, player}) == qtKey) {
                return Button{team, player};
            }
        }
    }
    return std::nullopt;
}

QString keyLabel(Button button) {
    const int key = keyForButton(button);
    return key == 0 ? QString() : QKeySequence(key).toString(QKeySequence::NativeText);
}

QString legend() {
    QStringList lines;
    for (int team = 1; team < kTeams; team += 2) {
        QStringList left;
        QStringList right;
        for (int player = 1; player <= kPlayers; ++player) {
            left << keyLabel({team, player});
            right << keyLabel({team + 1, player});
        }
        lines << QStringLiteral("teams %1 and %2: %3 | %4")
                     .arg(team)
                     .arg(team + 1)
                     .arg(left.join(QLatin1Char(' ')), right.join(QLatin1Char(' ')));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace sim::keymap
