#include "boards/ShowAll.h"

#include <QScreen>
#include <algorithm>

#include "boards/PromptTexts.h"
#include "boards/Prompts.h"
#include "boards/Ranking.h"
#include "engine/ScoreText.h"

namespace boards {
namespace {
const ui::Font kRowFont{"Arial", 11, false};
const ui::Font kButtonFont{"Arial", 12, true};
const QSize kDesign(900, 640);
constexpr int kPitch = 24;

// The list as the ranking sees it: names and name boxes travel with the scores.
class ListToRank final : public RankedList {
  public:
    ListToRank(ShowAll& list, int count) : list_(list), count_(count) {}
    int rankedCount() const override { return count_; }
    QString scoreAt(int row) const override { return list_.ScoreText[row]->text(); }
    void setScoreAt(int row, const QString& text) override { list_.setScore(row, text); }
    void exchangeOthers(int upper, int lower) override {
        const QString name = list_.NameLabel[upper]->caption();
        list_.NameLabel[upper]->setCaption(list_.NameLabel[lower]->caption());
        list_.NameLabel[lower]->setCaption(name);
        std::swap(list_.PositionText[upper], list_.PositionText[lower]);
    }

  private:
    ShowAll& list_;
    int count_;
};
}  // namespace

ShowAll::ShowAll(const model::MatchSettings& settings, model::MatchState& state,
                 const SetupMenuLink& menu, ShowAllHost& host)
    : ui::Form("Cut Throat Showing All Players"),
      CommandSort(client(), "Sort"),
      CommandHide(client(), "Hide Screen"),
      TextLabel(client(), ""),
      settings_(settings),
      state_(state),
      menu_(menu),
      host_(host),
      layout_(kDesign) {
    for (int k = 0; k < kRows; ++k) {
        Label1[k] = std::make_unique<ui::Label>(client(), QString::number(k + 1));
        NameLabel[k] = std::make_unique<ui::Label>(client(), "name");
        ScoreText[k] = std::make_unique<ui::TextBox>(client(), "0");
        PositionText[k] = -1;
        Label1[k]->setTransparent(true);
        Label1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        NameLabel[k]->label()->setIndent(4);
        for (ui::Control* c : {static_cast<ui::Control*>(Label1[k].get()),
                               static_cast<ui::Control*>(NameLabel[k].get()),
                               static_cast<ui::Control*>(ScoreText[k].get())}) {
            c->setFont(kRowFont);
        }
        // A finished entry is tidied at once, so what stays in the box is what counts.
        ui::TextBox& box = *ScoreText[k];
        connect(box.edit(), &QLineEdit::editingFinished, this, [this, &box] {
            box.setText(engine::tidyScore(box.text()));
            state_.events->scoresTouched(model::ScoreHow::Typed);
        });
    }
    for (ui::CommandButton* b : {&CommandSort, &CommandHide}) {
        b->setFont(kButtonFont);
    }
    TextLabel.setTransparent(true);
    TextLabel.setWordWrap(true);
    TextLabel.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    TextLabel.setFont(kRowFont);
    CommandSort.Click = [this] { Sort(); };
    CommandHide.Click = [this] { CommandHide_Click(); };
    for (int k = 0; k < kRows; ++k) {
        promptOnMove(*NameLabel[k], TextLabel, prompt::kShowAllName);
        promptOnMove(*ScoreText[k], TextLabel, prompt::kShowAllScore);
    }
    promptOnMove(CommandHide, TextLabel, prompt::kShowAllHide);
    layOut();
}

ShowAll::~ShowAll() = default;

void ShowAll::layOut() {
    for (int k = 0; k < kRows; ++k) {
        const int left = k < 25 ? 16 : 572;
        const int top = 20 + (k % 25) * kPitch;
        layout_.place(*Label1[k], {left, top, 34, kPitch - 2});
        layout_.place(*NameLabel[k], {left + 38, top, 190, kPitch - 2});
        layout_.place(*ScoreText[k], {left + 232, top, 80, kPitch - 2});
    }
    layout_.place(TextLabel, {344, 40, 212, 360});
    layout_.place(CommandSort, {344, 440, 212, 40});
    layout_.place(CommandHide, {344, 496, 212, 40});
    // Large enough to read, never larger than the screen: the audience's, above the board.
    const QScreen* screen = ui::screens::audienceScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() * 0.9 : kDesign;
    window()->resize(kDesign.scaled(room.boundedTo(kDesign * 1.25), Qt::KeepAspectRatio));
    setPlace(ui::WindowPlace::OverBoard);
    layout_.apply(client()->size());
}

std::vector<int> ShowAll::playerBoxes() const {
    // A two-team interface with four buttons per team has no fifth player.
    const bool fifthPlayers = state_.modelNumber != 2012;
    std::vector<int> boxes;
    for (int box = 1; box < model::kRosterSize; ++box) {
        const int row = box % 6;  // 0 is the team name
        if (row == 0 || (row == 5 && !fifthPlayers) || !menu_.nameBoxEnabled(box) ||
            settings_.rosterText[box].trimmed().isEmpty()) {
            continue;
        }
        boxes.push_back(box);
    }
    return boxes;
}

void ShowAll::refresh() {
    const std::vector<int> boxes = playerBoxes();
    const std::vector<int> rows(PositionText.begin(), PositionText.end());
    if (!holdsExactly(rows, boxes)) {
        std::array<QString, kRows> scores;
        for (int k = 0; k < kRows; ++k) {
            scores[k] = ScoreText[k]->text();
            if (rows[k] >= 0 && std::find(boxes.begin(), boxes.end(), rows[k]) == boxes.end()) {
                formerScore_[rows[k]] = scores[k];
            }
        }
        const std::vector<RowSource> sources = regroupRows(rows, boxes);
        for (int k = 0; k < kRows; ++k) {
            const RowSource& s = sources[k];
            PositionText[k] = s.member;
            if (s.fromRow >= 0) {
                ScoreText[k]->setText(scores[s.fromRow]);
            } else if (s.member >= 0) {
                const QString former = formerScore_[s.member];
                ScoreText[k]->setText(former.isEmpty() ? "0" : former);
            }
        }
    }
    count_ = static_cast<int>(boxes.size());
    state_.playerCount = count_;
    for (int k = 0; k < kRows; ++k) {
        const bool inUse = k < count_;
        NameLabel[k]->setCaption(inUse ? settings_.rosterText[PositionText[k]] : QString());
        if (!inUse) {
            ScoreText[k]->setText({});
        }
        Label1[k]->setVisible(inUse);
        NameLabel[k]->setVisible(inUse);
        ScoreText[k]->setVisible(inUse);
    }
}

void ShowAll::Sort() {
    refresh();
    for (int k = 0; k < count_; ++k) {
        ScoreText[k]->setText(engine::tidyScore(ScoreText[k]->text()));
    }
    ListToRank list(*this, count_);
    rankByScore(list);
    state_.events->scoresTouched(model::ScoreHow::Sort);
}

void ShowAll::CommandHide_Click() {
    hide();
    host_.returnToBoard();
}

std::vector<int> ShowAll::rowsNamed(const QString& name) const {
    std::vector<int> rows;
    for (int k = 0; k < count_; ++k) {
        if (NameLabel[k]->caption() == name) {
            rows.push_back(k);
        }
    }
    return rows;
}

int ShowAll::rowOfBox(int box) const {
    for (int k = 0; k < count_; ++k) {
        if (PositionText[k] == box) {
            return k;
        }
    }
    return -1;
}

void ShowAll::eraseScores() {
    for (int k = 0; k < count_; ++k) {
        ScoreText[k]->setText("0");
    }
    formerScore_.fill({});
}

}  // namespace boards
