#include "app/BoardSnapshot.h"

#include "boards/CutThroat.h"
#include "boards/RowBoard.h"
#include "boards/ScoreBoard3.h"

namespace app {
namespace {

using Mark = web::AudienceState::Mark;

Mark markOf(const ui::Label& name, const ui::Label& score) {
    const ui::Color c = name.backColor();
    if (c == ui::colors::orange) {
        return Mark::Ineligible;
    }
    if (c == ui::colors::red) {
        return Mark::Responder;
    }
    if (c == ui::colors::yellow) {
        return Mark::SecondResponder;
    }
    return score.backColor() == ui::colors::green ? Mark::Scoring : Mark::None;
}

void addRow(web::AudienceState& s, const ui::Label& name, const ui::Label& score) {
    s.rows.append({name.caption().trimmed(), score.caption(), markOf(name, score)});
}

// A yellow row that outlived its hold (the ranking moves names, not marks) names nobody.
QString heldSecondResponder(const web::AudienceState& s, const model::MatchState& state) {
    if (state.secondResponderWaiting) {
        for (const auto& row : s.rows) {
            if (row.mark == Mark::SecondResponder) {
                return row.name;
            }
        }
    }
    return {};
}

const char* boardName(model::BoardChoice choice) {
    switch (choice) {
        case model::BoardChoice::Classic:
            return "classic";
        case model::BoardChoice::Leader:
            return "leader";
        case model::BoardChoice::CutThroat:
            return "cutthroat";
    }
    return "";
}

}  // namespace

std::vector<const ui::Control*> shownControls(const boards::BoardWindow& board) {
    // Labelteam takes the board colour, NameLabel the text colour.
    std::vector<const ui::Control*> shown{&board.NameLabel, &board.Labelteam, &board.timerlabel,
                                          &board.Labeltimerstate, &board.clocklabel};
    if (const auto* classic = dynamic_cast<const boards::ScoreBoard3*>(&board)) {
        for (int position = 0; position < 3; ++position) {
            shown.push_back(&classic->banner(position));
            shown.push_back(&classic->scoreLabel(position));
        }
        return shown;
    }
    const auto& rows = dynamic_cast<const boards::RowBoard&>(board);
    for (int r = 1; r <= boards::RankedRows::kRows; ++r) {
        shown.push_back(&rows.TLabel(9 + r));
        shown.push_back(&rows.SLabel(r - 1));
    }
    if (const auto* cutThroat = dynamic_cast<const boards::CutThroat*>(&board)) {
        shown.push_back(&cutThroat->ScoreLabel);
    }
    return shown;
}

QString webColor(ui::Color color) {
    if (color == ui::colors::buttonFace) {
        return QStringLiteral("#f0f0f0");
    }
    if (color.isSystem()) {
        return color == ui::colors::greyText ? QStringLiteral("#a0a0a0")
                                             : QStringLiteral("#000000");
    }
    return QStringLiteral("#%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'));
}

web::AudienceState boardSnapshot(boards::BoardWindow& board, model::BoardChoice choice,
                                 const model::MatchSettings& settings,
                                 const model::MatchState& state) {
    web::AudienceState s;
    s.board = QString::fromLatin1(boardName(choice));
    s.responder = board.NameLabel.caption().trimmed();
    s.timer = board.timerlabel.caption();
    s.timerKind = board.Labeltimerstate.caption();
    s.clock = board.clocklabel.caption();
    s.clockRunning = board.engine().timer2().enabled();
    s.background = webColor(settings.boardBackColor);
    s.text = webColor(settings.boardTextColor);
    if (const auto* classic = dynamic_cast<const boards::ScoreBoard3*>(&board)) {
        s.responderTeam = board.Labelteam.caption().trimmed();
        for (int position = 0; position < 3; ++position) {
            if (classic->banner(position).visible()) {
                addRow(s, classic->banner(position), classic->scoreLabel(position));
            }
        }
        s.secondResponder = heldSecondResponder(s, state);
        return s;
    }
    const auto& rows = dynamic_cast<const boards::RowBoard&>(board);
    for (int r = 1; r <= boards::RankedRows::kRows; ++r) {
        if (!rows.TLabel(9 + r).caption().trimmed().isEmpty()) {
            addRow(s, rows.TLabel(9 + r), rows.SLabel(r - 1));
        }
    }
    if (const auto* cutThroat = dynamic_cast<const boards::CutThroat*>(&board)) {
        s.title = board.Labelteam.caption();
        s.responderScore = cutThroat->ScoreLabel.caption();
    } else {
        s.responderTeam = board.Labelteam.caption().trimmed();
    }
    s.secondResponder = heldSecondResponder(s, state);
    return s;
}

}  // namespace app
