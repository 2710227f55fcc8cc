#include "app/AudienceFeed.h"

#include "app/BoardSnapshot.h"
#include "app/Console.h"

namespace app {

AudienceFeed::AudienceFeed(Console& console, web::AudienceScreen& screen, ui::Clock& clock)
    : console_(console), screen_(screen), clock_(clock), timer_(clock, kIntervalMs) {
    timer_.onTick = [this] { sample(); };
    timer_.start();
}

void AudienceFeed::sample() {
    const model::BoardChoice choice = console_.settings().boardChoice();
    auto* board = dynamic_cast<boards::BoardWindow*>(console_.existingBoard(choice));
    if (!board) {
        return;  // nothing on the audience's screen yet
    }
    web::AudienceState state = boardSnapshot(*board, choice, console_.settings(), console_.state());
    logResponder(state, board->engine().porttimer().enabled());
    state.log = log_;
    screen_.publish(state);
}

// A new name on the board after an arm is a buzz-in; the time-out caption is not.
void AudienceFeed::logResponder(const web::AudienceState& state, bool polling) {
    if (polling && !wasPolling_) {
        armedAt_ = clock_.now();
    }
    wasPolling_ = polling;
    const QString& name = state.responder;
    if (name == lastResponder_ && seenBoard_) {
        return;
    }
    lastResponder_ = name;
    const bool first = !seenBoard_;  // what a board shows before anything happened
    seenBoard_ = true;
    if (first || name.isEmpty() || name == QLatin1String("Time Out")) {
        return;
    }
    // An arm and a press between two pictures leave the arm unseen: no split then.
    const qint64 split = armedAt_.count() >= 0 ? (clock_.now() - armedAt_).count() : -1;
    armedAt_ = ui::Milliseconds{-1};
    log_.append({++buzzes_, name, state.responderTeam, split});
    if (log_.size() > kLogRows) {
        log_.removeFirst();
    }
}

}  // namespace app
