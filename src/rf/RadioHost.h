#pragma once

namespace rf {

// The rest of the console as the radio dialogs see it.
class RadioHost {
  public:
    virtual ~RadioHost() = default;
    // The classic board, shown beside a dialog so the operator sees transmitter presses.
    virtual void showClassicBoard() = 0;
    // The classic board's clear-and-arm step (its space bar).
    virtual void armClassicBoard() = 0;
    virtual void showSetupMenu() = 0;
};

}  // namespace rf
