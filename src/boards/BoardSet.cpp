#include "boards/BoardSet.h"

namespace boards {

BoardSet::BoardSet(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                   QuestionWindowLink& questions, modulelink::ModuleExchange& modules,
                   ui::Clock& clock, ui::Platform& platform)
    : settings_(settings),
      state_(state),
      menu_(menu),
      questions_(questions),
      modules_(modules),
      clock_(clock),
      platform_(platform) {}

BoardSet::~BoardSet() = default;

BoardWindow& BoardSet::board(model::BoardChoice choice) {
    switch (choice) {
        case model::BoardChoice::Leader:
            return leader();
        case model::BoardChoice::CutThroat:
            return cutThroat();
        case model::BoardChoice::Classic:
            break;
    }
    return classic();
}

Board* BoardSet::existing(model::BoardChoice choice) const {
    switch (choice) {
        case model::BoardChoice::Leader:
            return leader_.get();
        case model::BoardChoice::CutThroat:
            return cutThroat_.get();
        case model::BoardChoice::Classic:
            break;
    }
    return classic_.get();
}

void BoardSet::hideAll() {
    for (auto choice :
         {model::BoardChoice::Leader, model::BoardChoice::Classic, model::BoardChoice::CutThroat}) {
        if (Board* b = existing(choice)) {
            b->hideBoard();
        }
    }
}

}  // namespace boards
