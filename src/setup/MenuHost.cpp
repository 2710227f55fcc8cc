#include "setup/MenuHost.h"

namespace setup {

void forEachBoard(MenuHost& host, const std::function<void(boards::Board&)>& apply) {
    for (auto choice :
         {model::BoardChoice::Leader, model::BoardChoice::Classic, model::BoardChoice::CutThroat}) {
        apply(host.board(choice));
    }
}

}  // namespace setup
