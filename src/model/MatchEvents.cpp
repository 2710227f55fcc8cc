#include "model/MatchEvents.h"

namespace model {

MatchEvent nameChanged(int rosterIndex, const QString& oldText, const QString& newText) {
    MatchEvent e;
    e.kind = MatchEvent::Kind::NameChanged;
    e.index = rosterIndex;
    e.oldText = oldText;
    e.newText = newText;
    return e;
}

MatchEvent boardChosen(BoardChoice board) {
    MatchEvent e;
    e.kind = MatchEvent::Kind::BoardChosen;
    e.board = board;
    return e;
}

MatchEvent moduleUnplugged(const QString& name) {
    MatchEvent e;
    e.kind = MatchEvent::Kind::ModuleUnplugged;
    e.text = name;
    return e;
}

MatchEvent consoleEnded() {
    MatchEvent e;
    e.kind = MatchEvent::Kind::Ended;
    return e;
}

MatchEvents& noMatchEvents() {
    struct Silent final : MatchEvents {
        void record(const MatchEvent&) override {}
    };
    static Silent silent;
    return silent;
}

}  // namespace model
