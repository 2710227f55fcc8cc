#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "QtPrinters.h"
#include "ui/Form.h"
#include "ui/Screens.h"

// Runs on the offscreen platform with two screens side by side: the operator's laptop
// (1280 x 800 at 0,0) and a projector (1024 x 768 at 1280,0).
namespace {

QScreen* laptop() {
    return QGuiApplication::screens().at(0);
}
QScreen* projector() {
    return QGuiApplication::screens().at(1);
}
QScreen* screenAtMiddle(const QWidget* w) {
    return QGuiApplication::screenAt(w->geometry().center());
}

struct TwoScreens : ::testing::Test {
    TwoScreens() {
        menu.setCaption("menu");
        ui::screens::setOperatorWindow(menu.window());
    }
    ~TwoScreens() override { ui::screens::setOperatorWindow(nullptr); }
    ui::Form menu{"Main Set-up Menu"};
};

TEST_F(TwoScreens, TheScreensAreThereAsConfigured) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    EXPECT_EQ(projector()->geometry(), QRect(1280, 0, 1024, 768));
}

TEST_F(TwoScreens, ABoardOpensFullScreenOnTheScreenThatIsNotTheMenus) {
    menu.show();
    EXPECT_EQ(ui::screens::operatorScreen(), laptop());
    EXPECT_EQ(ui::screens::audienceScreen(), projector());

    ui::Form board("Form1");
    board.setPlace(ui::WindowPlace::Audience);
    board.show();
    EXPECT_TRUE(board.window()->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_EQ(board.window()->geometry(), projector()->geometry());
    EXPECT_EQ(screenAtMiddle(menu.window()), laptop()) << "the menu stays with the operator";
}

TEST_F(TwoScreens, MovingTheMenuToTheOtherScreenMakesTheLaptopTheAudiences) {
    menu.window()->setGeometry(1400, 100, 600, 400);
    menu.show();
    EXPECT_EQ(ui::screens::operatorScreen(), projector());
    ui::Form board("Form1");
    board.setPlace(ui::WindowPlace::Audience);
    board.show();
    EXPECT_EQ(board.window()->geometry(), laptop()->geometry());
}

TEST_F(TwoScreens, AnOperatorsWindowOnTheProjectorComesBackToTheOperatorsScreen) {
    menu.show();
    ui::Form options("Options Menu");
    options.window()->setGeometry(1500, 200, 500, 300);
    options.show();
    EXPECT_TRUE(laptop()->availableGeometry().contains(options.window()->frameGeometry()));
    EXPECT_EQ(options.window()->size(), QSize(500, 300)) << "moved, not resized";
    EXPECT_LE(
        (options.window()->geometry().center() - laptop()->geometry().center()).manhattanLength(),
        4)
        << "in the middle";

    options.window()->move(100, 50);  // where the operator put it on their screen
    options.hide();
    options.show();
    EXPECT_EQ(options.window()->pos(), QPoint(100, 50));
}

TEST_F(TwoScreens, AMessageOpensOnTheOperatorsScreenEvenWhenTheBoardIsInFront) {
    menu.show();
    ui::Form board("Form1");
    board.setPlace(ui::WindowPlace::Audience);
    board.show();
    QMessageBox box;
    box.setText("Team Module has DISCONNECTED.");
    ui::screens::placeDialog(&box);
    EXPECT_EQ(screenAtMiddle(&box), laptop());
}

TEST_F(TwoScreens, AListTheAudienceReadsOpensOnTheProjectorAtItsOwnSize) {
    menu.show();
    ui::Form list("Cut Throat Showing All Players");
    list.window()->resize(700, 500);
    list.setPlace(ui::WindowPlace::OverBoard);
    list.show();
    EXPECT_EQ(screenAtMiddle(list.window()), projector());
    EXPECT_EQ(list.window()->size(), QSize(700, 500));
    EXPECT_FALSE(list.window()->windowState().testFlag(Qt::WindowFullScreen));
}

TEST_F(TwoScreens, TheCompanionStaysOnTheOperatorsScreenAndTheBoardIgnoresIt) {
    menu.show();
    QWidget companion;
    ui::screens::showCompanion(&companion);
    EXPECT_EQ(companion.frameGeometry(), QRect(1280 - 460, 0, 460, 800))
        << "a column at the laptop's right edge, as narrow as its contents allow";
    companion.hide();
    companion.setMinimumWidth(600);  // contents that need more
    ui::screens::showCompanion(&companion);
    EXPECT_EQ(companion.width(), 600) << "all it needs, frame aside";
    EXPECT_EQ(companion.frameGeometry().right(), 1279);
    companion.setMinimumWidth(900);  // more than half the screen: half is all it gets
    ui::screens::showCompanion(&companion);
    EXPECT_EQ(companion.frameGeometry().left(), 1280 - 640);

    ui::Form board("Form1");
    board.setPlace(ui::WindowPlace::Audience);
    board.show();
    EXPECT_EQ(board.window()->geometry(), projector()->geometry());
}

}  // namespace
