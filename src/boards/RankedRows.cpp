#include "boards/RankedRows.h"

#include "boards/Ranking.h"
#include "engine/ScoreText.h"

namespace boards {
namespace {
const ui::Font kNumberFont{"Arial Black", 22, false};
const ui::Font kRowNameFont{"Arial Black", 26, false};
const ui::Font kRowScoreFont{"Arial Black", 30, false};

void swapCaptions(ui::Label& a, ui::Label& b) {
    const QString caption = a.caption();
    a.setCaption(b.caption());
    b.setCaption(caption);
}

void swapColours(ui::Label& a, ui::Label& b) {
    const ui::Color colour = a.backColor();
    a.setBackColor(b.backColor());
    b.setBackColor(colour);
}

// The rows as the ranking sees them: names, members and marks travel with the scores.
class RowsToRank final : public RankedList {
  public:
    RowsToRank(RankedRows& rows, std::array<int, RankedRows::kRows>& members)
        : rows_(rows), members_(members) {}
    int rankedCount() const override { return RankedRows::kRows; }
    QString scoreAt(int row) const override { return rows_.score(row).caption(); }
    void setScoreAt(int row, const QString& text) override { rows_.score(row).setCaption(text); }
    void exchangeOthers(int upper, int lower) override {
        swapCaptions(rows_.name(upper), rows_.name(lower));
        swapColours(rows_.name(upper), rows_.name(lower));
        swapColours(rows_.score(upper), rows_.score(lower));
        std::swap(members_[upper], members_[lower]);
    }

  private:
    RankedRows& rows_;
    std::array<int, RankedRows::kRows>& members_;
};
}  // namespace

RankedRows::RankedRows(QWidget* parent, const QStringList& designNames) {
    for (int r = 0; r < kRows; ++r) {
        numbers_[r] = std::make_unique<ui::Label>(parent, QString::number(r + 1) + ")");
        names_[r] = std::make_unique<ui::Label>(parent, designNames.value(r));
        scores_[r] = std::make_unique<ui::Label>(parent, "0");
        numbers_[r]->setFont(kNumberFont);
        names_[r]->setFont(kRowNameFont);
        scores_[r]->setFont(kRowScoreFont);
        numbers_[r]->setAlignment(Qt::AlignCenter);
        names_[r]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        names_[r]->label()->setIndent(10);
        scores_[r]->setAlignment(Qt::AlignCenter);
        for (auto* l : {numbers_[r].get(), names_[r].get(), scores_[r].get()}) {
            l->setFitText(true);
        }
        numbers_[r]->MouseDown = [this, r](int button) {
            if (numberMouseDown) {
                numberMouseDown(r, button);
            }
        };
        scores_[r]->MouseDown = [this, r](int button) {
            if (scoreMouseDown) {
                scoreMouseDown(r, button);
            }
        };
        members_[r] = -1;
    }
}

RankedRows::~RankedRows() = default;

void RankedRows::placeIn(ui::ScaledLayout& layout, QRect area) {
    const int columnWidth = (area.width() - 16) / 2;
    const int pitch = area.height() / 5;
    const int height = pitch - 6;
    const int numberWidth = 64;
    const int scoreWidth = 110;
    for (int r = 0; r < kRows; ++r) {
        const int left = area.left() + (r < 5 ? 0 : columnWidth + 16);
        const int top = area.top() + (r % 5) * pitch;
        layout.place(*numbers_[r], {left, top, numberWidth, height});
        layout.place(*names_[r], {left + numberWidth + 4, top,
                                  columnWidth - numberWidth - scoreWidth - 8, height});
        layout.place(*scores_[r], {left + columnWidth - scoreWidth, top, scoreWidth, height});
    }
}

void RankedRows::setRow(int r, int member, const QString& name, const QString& score) {
    members_.at(r) = member;
    names_[r]->setCaption(name);
    scores_[r]->setCaption(score);
    if (member < 0) {
        names_[r]->setBackColor(ui::colors::buttonFace);
        scores_[r]->setBackColor(ui::colors::buttonFace);
    }
}

RankedRows::Row RankedRows::row(int r) const {
    return {members_[r], names_[r]->caption(), scores_[r]->caption(), names_[r]->backColor(),
            scores_[r]->backColor()};
}

void RankedRows::put(int r, const Row& content) {
    members_[r] = content.member;
    names_[r]->setCaption(content.name);
    scores_[r]->setCaption(content.score);
    names_[r]->setBackColor(content.nameColor);
    scores_[r]->setBackColor(content.scoreColor);
}

void RankedRows::showMembers(const std::vector<int>& members,
                             const std::function<QString(int)>& nameOf, const QString& newScore) {
    if (!holdsExactly(this->members(), members)) {
        std::array<Row, kRows> before;
        for (int r = 0; r < kRows; ++r) {
            before[r] = row(r);
        }
        const std::vector<RowSource> sources = regroupRows(this->members(), members);
        for (int r = 0; r < kRows; ++r) {
            const RowSource& s = sources[r];
            if (s.fromRow >= 0) {
                put(r, before[s.fromRow]);
            } else {
                blankRow(r);
                if (s.member >= 0) {
                    setRow(r, s.member, {}, newScore);
                }
            }
        }
    }
    for (int r = 0; r < kRows; ++r) {
        if (blank(r)) {
            blankRow(r);
        } else {
            names_[r]->setCaption(nameOf(members_[r]));
        }
    }
}

void RankedRows::Sort() {
    RowsToRank ranked(*this, members_);
    rankByScore(ranked);
    for (int r = 0; r < kRows; ++r) {
        if (blank(r)) {
            scores_[r]->setCaption({});  // a blank row moved down past a score stays blank
        }
    }
}

std::vector<int> RankedRows::changeGreenScores(int delta) {
    std::vector<int> changed;
    for (int r = 0; r < kRows; ++r) {
        if (!blank(r) && scores_[r]->backColor() == ui::colors::green) {
            scores_[r]->setCaption(engine::changeScore(scores_[r]->caption(), delta));
            changed.push_back(r);
        }
    }
    return changed;
}

}  // namespace boards
