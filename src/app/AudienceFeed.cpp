#include "app/AudienceFeed.h"

#include "app/AudienceLog.h"
#include "app/BoardSnapshot.h"
#include "app/Console.h"

namespace app {

AudienceFeed::AudienceFeed(Console& console, web::AudienceScreen& screen)
    : console_(console), screen_(screen) {
    QObject::connect(&console_.matchRecord().model(), &record::MatchModel::changed, &context_,
                     [this] { changed(); });
}

void AudienceFeed::changed() {
    if (due_) {
        return;
    }
    due_ = true;
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            due_ = false;
            sample();
        },
        Qt::QueuedConnection);
}

// Another board in front (or the first one made): its controls are the ones to follow.
void AudienceFeed::watch(boards::BoardWindow* board) {
    if (board == watched_) {
        return;
    }
    watched_ = board;
    boardContext_ = std::make_unique<QObject>();
    if (!board) {
        return;
    }
    for (const ui::Control* control : shownControls(*board)) {
        QObject::connect(control, &ui::Control::looksChanged, boardContext_.get(),
                         [this] { changed(); });
    }
}

void AudienceFeed::sample() {
    const model::BoardChoice choice = console_.settings().boardChoice();
    auto* board = dynamic_cast<boards::BoardWindow*>(console_.existingBoard(choice));
    watch(board);
    if (!board) {
        return;  // nothing on the audience's screen yet
    }
    web::AudienceState state = boardSnapshot(*board, choice, console_.settings(), console_.state());
    state.log = audienceLog(console_.matchRecord().model(), kLogRows);
    ++samples_;
    screen_.publish(state);
}

}  // namespace app
