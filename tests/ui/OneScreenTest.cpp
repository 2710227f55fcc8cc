#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "QtPrinters.h"
#include "ui/Form.h"
#include "ui/Screens.h"

// One screen (the offscreen platform's, 800 x 800): the boards fill it as normal windows,
// beside the companion window when it is shown.
namespace {

struct OneScreen : ::testing::Test {
    ~OneScreen() override { ui::screens::setOperatorWindow(nullptr); }
    QRect free() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(OneScreen, ABoardFillsTheScreenAsANormalWindow) {
    ui::Form menu("Main Set-up Menu");
    ui::screens::setOperatorWindow(menu.window());
    menu.show();
    ASSERT_EQ(ui::screens::audienceScreen(), ui::screens::operatorScreen());
    ui::Form board("Form1");
    board.setPlace(ui::WindowPlace::Audience);
    EXPECT_EQ(board.window()->geometry(), free()) << "sized for its place before it shows";
    board.show();
    EXPECT_EQ(board.window()->frameGeometry(), free()) << "frame and all";
    EXPECT_FALSE(board.window()->windowState().testFlag(Qt::WindowFullScreen));
}

TEST_F(OneScreen, ABoardLeavesTheCompanionItsColumn) {
    const int half = free().width() / 2;
    QWidget companion;
    // A 4:3 board of the full height leaves nothing of a square screen: the column takes
    // half of it then.
    ui::screens::showCompanion(&companion);
    EXPECT_EQ(companion.frameGeometry(), QRect(half, 0, half, free().height()));
    ui::Form board("Form1");
    board.setPlace(ui::WindowPlace::Audience);
    board.show();
    EXPECT_EQ(board.window()->frameGeometry(), QRect(0, 0, half, free().height()));

    companion.move(0, 0);  // the operator put it on the left
    board.hide();
    board.show();
    EXPECT_EQ(board.window()->frameGeometry(), QRect(half, 0, half, free().height()));

    companion.hide();
    board.hide();
    board.show();
    EXPECT_EQ(board.window()->frameGeometry(), free()) << "a hidden companion needs no room";
}

TEST_F(OneScreen, TheMenusDialogsCentreBesideTheCompanion) {
    ui::Form dialog("Change Channel");
    dialog.window()->resize(300, 200);
    ui::screens::centreOnOperatorScreen(dialog.window());
    EXPECT_LE((dialog.window()->frameGeometry().center() - free().center()).manhattanLength(), 2);

    QWidget companion;  // its column takes the right half of this square screen
    ui::screens::showCompanion(&companion);
    ui::screens::centreOnOperatorScreen(dialog.window());
    const QRect left(0, 0, free().width() / 2, free().height());
    EXPECT_TRUE(left.contains(dialog.window()->frameGeometry()));
    EXPECT_NEAR(dialog.window()->frameGeometry().center().x(), left.center().x(), 2);
}

TEST_F(OneScreen, OperatorsWindowsStayWhereTheyAre) {
    ui::Form dialog("Options Menu");
    dialog.window()->setGeometry(30, 40, 300, 200);
    dialog.show();
    EXPECT_EQ(dialog.window()->geometry(), QRect(30, 40, 300, 200)) << "neither moved nor sized";
}

}  // namespace
