#pragma once

#include <QString>

#include "ui/Clock.h"
#include "ui/Timer.h"
#include "web/AudienceScreen.h"

namespace app {

class Console;

// Feeds the audience screen from the board in front: every few milliseconds it takes the
// board's picture and hands it on when it changed, and keeps a buzz log of the responders
// with the time from the arm. It runs off the press path: a press is locked before any
// page hears of it.
class AudienceFeed {
  public:
    static constexpr int kIntervalMs = 10;
    static constexpr int kLogRows = 200;

    AudienceFeed(Console& console, web::AudienceScreen& screen, ui::Clock& clock);

    // Takes the picture now (the timer does it on its own).
    void sample();

  private:
    void logResponder(const web::AudienceState& state, bool polling);

    Console& console_;
    web::AudienceScreen& screen_;
    ui::Clock& clock_;
    ui::Timer timer_;
    QList<web::AudienceState::LogRow> log_;
    int buzzes_ = 0;
    bool wasPolling_ = false;
    ui::Milliseconds armedAt_{-1};
    QString lastResponder_;
    bool seenBoard_ = false;
};

}  // namespace app
