// What the audience sees: the boards as painted, at a projector's size. With
// QVX_SCREENSHOT_DIR set, each picture is also saved there for a person to look at.
#include <gtest/gtest.h>

#include <QImage>

#include "BoardPresses.h"
#include "WindowPictures.h"

using test::grabWindow;
using test::placeOf;
using test::WindowHarness;

namespace {

// The horizontal middle of what is painted in `text` colour inside a control.
double inkCentre(const QImage& image, QRect box, QColor text) {
    int left = box.right(), right = box.left();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - text.red()) + std::abs(c.green() - text.green()) +
                    std::abs(c.blue() - text.blue()) <
                60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return (left + right) / 2.0;
}

void expectFits(const ui::Label& label) {
    const QFontMetrics metrics(label.widget()->font());
    const int room = label.widget()->width() - std::max(0, label.label()->indent());
    EXPECT_LE(metrics.horizontalAdvance(label.shownText()), room) << label.caption().toStdString();
    EXPECT_LE(metrics.height(), label.widget()->height() * 1.2) << label.caption().toStdString();
}

TEST(BoardPictures, TheLeaderBoardShowsEightTeamsLegiblyWithCentredScores) {
    WindowHarness h(4097, 8, {0, 1, 2, 3, 4, 5, 6, 7}, 8);
    h.settings.rosterText[0] = "Lincoln High Tigers";
    auto& board = h.openLeaderBoard();
    board.window()->resize(1280, 720);
    board.SLabel(0).setCaption(" 125");
    board.SLabel(1).setCaption(" 5");
    board.SLabel(7).setCaption("-15");
    board.TLabel(11).setBackColor(ui::colors::orange);
    board.SLabel(2).setBackColor(ui::colors::green);
    board.NameLabel.setCaption("Alexandra Longname");
    board.Labelteam.setCaption("Lincoln High Tigers");
    board.clocklabel.setCaption(" 9:05");
    const QImage image = grabWindow(board, "leader-board");
    EXPECT_GT(board.NameLabel.widget()->width(), 900) << "the layout follows the window";

    EXPECT_EQ(image.pixelColor(placeOf(board, board.TLabel(11)).topLeft() + QPoint(2, 2)),
              QColor(255, 128, 0));
    EXPECT_EQ(image.pixelColor(placeOf(board, board.SLabel(2)).topLeft() + QPoint(2, 2)),
              QColor(0, 255, 0));
    for (int i = 10; i <= 17; ++i) {
        expectFits(board.TLabel(i));
        EXPECT_GE(board.TLabel(i).widget()->font().pointSizeF(), 14) << i;
    }
    expectFits(board.NameLabel);
    EXPECT_GE(board.NameLabel.widget()->font().pointSizeF(), 30);

    // " 5" keeps its blank for the program, but the 5 stands in the middle of its box.
    EXPECT_EQ(board.SLabel(1).caption(), " 5");
    const QRect five = placeOf(board, board.SLabel(1));
    EXPECT_NEAR(inkCentre(image, five, Qt::black), five.center().x(), 2.0);
    const QRect clock = placeOf(board, board.clocklabel);
    EXPECT_NEAR(inkCentre(image, clock, Qt::black), clock.center().x(), 3.0);
}

// The board colours reach the window and its seven listed labels, never the rows, whose
// colours are the marks.
TEST(BoardPictures, BoardColoursPaintTheWindowAndItsPanelsButNotTheRows) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    auto& board = h.openCutThroat();
    const ui::Color back = ui::Color::rgb(20, 20, 60);
    const ui::Color text = ui::Color::rgb(255, 255, 0);
    board.setBoardBackColor(back);
    board.setBoardTextColor(text);
    EXPECT_EQ(board.backColor(), back);
    for (ui::Label* l : {&board.Labelteam, &board.Labeltimerstate, &board.Label2, &board.Label3,
                         &board.Label1, &board.Label4, &board.Label5}) {
        EXPECT_EQ(l->backColor(), back) << l->caption().toStdString();
    }
    EXPECT_EQ(board.TLabel(10).backColor(), ui::colors::buttonFace);
    EXPECT_EQ(board.NameLabel.backColor(), ui::colors::buttonFace);
    for (ui::Label* l : {&board.NameLabel, &board.Labelteam, &board.ScoreLabel}) {
        EXPECT_EQ(l->foreColor(), text);
    }
    EXPECT_NE(board.TLabel(10).foreColor(), text);
    const QImage image = grabWindow(board, "cut-throat-colours");
    EXPECT_EQ(image.pixelColor(placeOf(board, board.Label4).topLeft() + QPoint(1, 1)),
              QColor(20, 20, 60));
}

TEST(BoardPictures, TheCutThroatBoardShowsTheResponderScoreBesideTheName) {
    WindowHarness h(4097, 3, {0, 1, 2}, 3);
    auto& board = h.openCutThroat();
    board.window()->resize(1280, 720);
    board.showAll().setScore(5, " 25");
    board.Sort();
    board.NameLabel.setCaption("Seven");
    board.ScoreLabel.setCaption(" 25");
    board.ScoreLabel.setBackColor(ui::colors::green);
    const QImage image = grabWindow(board, "cut-throat-board");
    EXPECT_EQ(board.TLabel(10).caption(), "Six");
    const QRect score = placeOf(board, board.ScoreLabel);
    EXPECT_EQ(image.pixelColor(score.topLeft() + QPoint(2, 2)), QColor(0, 255, 0));
    EXPECT_NEAR(inkCentre(image, score, QColor(192, 0, 0)), score.center().x(), 3.0);
    EXPECT_GE(board.ScoreLabel.widget()->font().pointSizeF(), 30);
    expectFits(board.Labelteam);
    EXPECT_FALSE(placeOf(board, board.NameLabel).intersects(score));
    EXPECT_FALSE(
        placeOf(board, board.CommandShowAll).intersects(placeOf(board, board.Commandsetupmenu)));

    board.CommandShowAll.click();
    const QImage list = grabWindow(board.showAll(), "all-players");
    EXPECT_GE(list.width(), 600);
    for (int k = 0; k < board.showAll().playerCount(); ++k) {
        expectFits(*board.showAll().NameLabel[k]);
    }
}

}  // namespace
