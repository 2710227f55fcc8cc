#pragma once

#include <QObject>
#include <memory>

#include "boards/BoardWindow.h"
#include "web/AudienceScreen.h"

namespace app {

class Console;

// Feeds the audience screen when something it shows changes: the match record's model
// (buzz-ins, scores recorded, the board chosen) and what the board in front shows (its
// captions and colours: responder box, rows, timer, clock). Changes that come together
// are sent as one picture once the console's event is done, so a press is locked before
// any page hears of it; nothing runs while nothing changes.
class AudienceFeed {
  public:
    static constexpr int kLogRows = 200;

    AudienceFeed(Console& console, web::AudienceScreen& screen);

    // Takes the picture now and hands it on.
    void sample();
    // Pictures taken so far.
    int samples() const { return samples_; }

  private:
    void changed();
    void watch(boards::BoardWindow* board);

    Console& console_;
    web::AudienceScreen& screen_;
    QObject context_;  // ends the model's connection and a picture still due with the feed
    std::unique_ptr<QObject> boardContext_;  // the same for the board's controls
    boards::BoardWindow* watched_ = nullptr;
    bool due_ = false;
    int samples_ = 0;
};

}  // namespace app
