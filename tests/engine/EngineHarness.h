#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "FakeModuleExchange.h"
#include "ManualClock.h"
#include "RecordingBoardView.h"
#include "RecordingPlatform.h"
#include "engine/BuzzEngine.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"

namespace test {

// One board's engine wired to fake modules, a recording board and a manual clock. Team t
// is named "Team t" and its player p "Player t-p"; the classic board shows teams 0..2.
struct EngineHarness {
    explicit EngineHarness(int model, int moduleCount = 3,
                           const engine::BoardPolicy& policy = engine::classicBoardPolicy(),
                           const QStringList& rows = {"Team 0", "Team 1", "Team 2"});

    // Arms, lets the settling window pass and forgets what was sent so far.
    void armAndSettle();
    void advance(int ms) { clock.advanceMs(ms); }
    // A press on the one-team interface serving `team`, then one polling interval.
    void buzzOneTeam(int team, int player);
    // The first line of the shared log that starts with `prefix`, or -1.
    int logIndex(const std::string& entry) const;

    std::vector<std::string> log;
    ManualClock clock;
    RecordingPlatform platform;
    model::MatchSettings settings;
    model::MatchState state;
    FakeModuleExchange modules;
    RecordingBoardView view;
    engine::BuzzEngine engine;
    int pollingIntervalMs;
};

QString teamName(int team);
QString playerName(int team, int player);

// Data1 of a one-team interface serving team index `team` with `player` pressed.
int oneTeamPress(int team, int player);

}  // namespace test
