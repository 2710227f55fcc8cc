#include "EngineHarness.h"

#include <algorithm>

namespace test {

QString teamName(int team) {
    return QStringLiteral("Team %1").arg(team);
}

QString playerName(int team, int player) {
    return QStringLiteral("Player %1-%2").arg(team).arg(player);
}

int oneTeamPress(int team, int player) {
    const int bit = player == 5 ? 0 : player;
    return (224 - 32 * team) | (31 ^ (1 << bit));
}

EngineHarness::EngineHarness(int model, int moduleCount, const engine::BoardPolicy& policy,
                             const QStringList& rows)
    : modules(state, clock, moduleCount, log),
      view(log, rows),
      engine(policy, view, modules, settings, state, clock, platform),
      pollingIntervalMs(policy.pollingIntervalMs) {
    state.modelNumber = model;
    for (int t = 0; t < model::kTeamSlots; ++t) {
        settings.rosterText[model::teamNameIndex(t)] = teamName(t);
        for (int p = 1; p <= 5; ++p) {
            settings.rosterText[model::playerNameIndex(t, p)] = playerName(t, p);
        }
    }
    settings.moduleSpeakersOn = true;
    settings.soundCardOn = true;
    settings.lockSecondResponder = false;
    settings.timerContinuesAfterBuzz = false;
    settings.buzzSoundFile = "buzz.wav";
    settings.timerSoundFile = "timer.wav";
    settings.gameSoundFile = "game.wav";
}

void EngineHarness::armAndSettle() {
    engine.spacekey();
    advance(201);
    modules.clearCommands();
    modules.discards = 0;
    platform.sounds.clear();
}

int EngineHarness::logIndex(const std::string& entry) const {
    const auto it = std::find_if(log.begin(), log.end(),
                                 [&](const std::string& line) { return line.starts_with(entry); });
    return it == log.end() ? -1 : static_cast<int>(it - log.begin());
}

void EngineHarness::buzzOneTeam(int team, int player) {
    modules.press(team + 1, oneTeamPress(team, player));
    advance(pollingIntervalMs);
}

}  // namespace test
