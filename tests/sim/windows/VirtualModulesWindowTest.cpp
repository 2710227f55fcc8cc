#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>

#include "WindowFixture.h"
#include "ui/Form.h"

using sim::Button;
using test::WindowFixture;

TEST(VirtualModulesWindow, ShowsEveryModuleWithItsIdentityTeamsAndButtons) {
    WindowFixture f("4097:1,272:2,2012:3-4,512:5-6");
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Virtual Team Modules"));
    ASSERT_EQ(f.window->panelCount(), 4);
    EXPECT_TRUE(f.panel(0).identityText().contains(QStringLiteral("model 4097 · team 1")));
    EXPECT_TRUE(f.panel(0).identityText().contains(QStringLiteral("identity bits 0xE0")));
    EXPECT_TRUE(f.panel(2).identityText().contains(QStringLiteral("teams 3-4")));
    EXPECT_TRUE(f.panel(3).identityText().contains(QStringLiteral("address 64")));
    EXPECT_EQ(f.panel(0).buttons().size(), 4u);
    EXPECT_EQ(f.panel(1).buttons().size(), 5u);
    EXPECT_EQ(f.panel(2).buttons().size(), 8u);
    EXPECT_EQ(f.panel(3).buttons().size(), 10u);
    EXPECT_EQ(f.panel(0).button({1, 5}), nullptr);
    ASSERT_NE(f.button(2, {3, 2}), nullptr);
    EXPECT_TRUE(f.button(2, {3, 2})->text().contains(QStringLiteral("[W]")));
    EXPECT_TRUE(f.button(3, {6, 5})->text().contains(QStringLiteral("[;]")));
}

TEST(VirtualModulesWindow, ClickingAContestantLatchesAndReportsThePress) {
    WindowFixture f("2012:1-2,2012:3-4");
    f.armAll();
    EXPECT_EQ(f.read(1).data1, 255);
    f.click(f.button(1, {4, 2}));
    EXPECT_EQ(f.module(1).latchedPress(), (std::vector<Button>{{4, 2}}));
    EXPECT_EQ(f.read(1).data1, 255 ^ 32);  // the second team's player 2
    EXPECT_TRUE(f.button(1, {4, 2})->latched());
    EXPECT_TRUE(f.panel(1).stateText().contains(QStringLiteral("latched: team 4 player 2")));
    EXPECT_EQ(f.window->status(), QStringLiteral("2012:3-4: team 4 player 2 latched"));
    EXPECT_TRUE(f.module(0).latchedPress().empty());
}

TEST(VirtualModulesWindow, ALockedModuleTakesNoPress) {
    WindowFixture f("4097:1");
    f.sendAll(123);
    EXPECT_TRUE(f.panel(0).stateText().startsWith(QStringLiteral("LOCKED")));
    f.click(f.button(0, {1, 1}));
    EXPECT_TRUE(f.module(0).latchedPress().empty());
    EXPECT_TRUE(f.window->status().contains(QStringLiteral("not taken (LOCKED")));
    f.sendAll(125);
    EXPECT_TRUE(f.panel(0).stateText().startsWith(QStringLiteral("ARMED")));
}

TEST(VirtualModulesWindow, KeysPressTheirContestantOnTheModuleServingTheTeam) {
    WindowFixture f("2012:1-2,2012:3-4");
    f.armAll();
    QTest::keyClick(f.window.get(), Qt::Key_W);  // team 3 player 2
    EXPECT_EQ(f.module(1).latchedPress(), (std::vector<Button>{{3, 2}}));
    EXPECT_TRUE(f.module(0).latchedPress().empty());
    QTest::keyClick(f.window.get(), Qt::Key_7);  // team 2 player 2
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{2, 2}}));
    f.sendAll(125);
    QTest::keyClick(f.window.get(), Qt::Key_Z);  // team 7: no module serves it
    EXPECT_TRUE(f.module(0).latchedPress().empty());
    EXPECT_TRUE(f.module(1).latchedPress().empty());
}

TEST(VirtualModulesWindow, TheSpaceBarDoesNothingAndNothingTakesTheFocus) {
    WindowFixture f("2012:1-2");
    f.armAll();
    f.module(0).clearCommands();
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(f.window.get(), &space);
    EXPECT_TRUE(space.isAccepted());
    EXPECT_TRUE(f.module(0).latchedPress().empty());
    EXPECT_TRUE(f.window->status().isEmpty());
    EXPECT_TRUE(f.window->testAttribute(Qt::WA_ShowWithoutActivating));
    for (QWidget* child : f.window->findChildren<QWidget*>()) {
        EXPECT_FALSE(child->focusPolicy() & Qt::TabFocus) << child->metaObject()->className();
    }
}

TEST(VirtualModulesWindow, TheBoardStaysInFrontWhileContestantsPress) {
    ui::Form board(QStringLiteral("Score Board"));
    board.show();
    WindowFixture f("2012:1-2");
    f.armAll();
    f.click(f.button(0, {1, 3}));
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{1, 3}}));
    EXPECT_EQ(ui::Form::front(), &board);
    EXPECT_NE(QApplication::activeWindow(), f.window.get());
}

TEST(VirtualModulesWindow, LampsFollowTheCommandsAndBlinkAsTheyArrive) {
    WindowFixture f("2012:1-2");
    f.armAll();
    f.click(f.button(0, {2, 4}));
    EXPECT_FALSE(f.button(0, {2, 4})->lit());
    f.sendAll(0);  // light the latched press
    EXPECT_TRUE(f.button(0, {2, 4})->lit());
    f.sendAll(124);
    EXPECT_FALSE(f.button(0, {2, 4})->lit());
    EXPECT_TRUE(f.panel(0).stateText().contains(QStringLiteral("latched: team 2 player 4")));
    std::vector<bool> seen;
    for (int code : {4, 124, 4, 124}) {
        f.sendAll(code);
        seen.push_back(f.button(0, {2, 4})->lit());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(f.button(0, {2, 1})->lit());
}

TEST(VirtualModulesWindow, ShowsTheToneAndItsEnd) {
    WindowFixture f("4097:2");
    f.armAll();
    f.sendAll(22);
    EXPECT_TRUE(f.panel(0).stateText().contains(QStringLiteral("tone: buzz")));
    f.sendAll(21);
    EXPECT_TRUE(f.panel(0).stateText().contains(QStringLiteral("tone: clock expired")));
    f.sendAll(127);
    EXPECT_TRUE(f.panel(0).stateText().contains(QStringLiteral("tone: off")));
}

TEST(VirtualModulesWindow, UnplugAndPlugInAgain) {
    WindowFixture f("2012:1-2,2012:3-4");
    f.armAll();
    QPushButton* plug = f.panel(1).plugButton();
    EXPECT_EQ(plug->text(), QStringLiteral("Unplug"));
    f.click(plug);
    EXPECT_FALSE(f.module(1).isPlugged());
    EXPECT_EQ(f.panel(1).stateText(), QStringLiteral("UNPLUGGED"));
    EXPECT_EQ(plug->text(), QStringLiteral("Plug in"));
    EXPECT_FALSE(f.button(1, {3, 1})->isEnabled());
    EXPECT_FALSE(f.send(1, 125));  // the console can no longer reach it
    EXPECT_TRUE(f.module(0).isPlugged());
    f.click(plug);
    EXPECT_TRUE(f.module(1).isPlugged());
    EXPECT_TRUE(f.button(1, {3, 1})->isEnabled());
    EXPECT_TRUE(f.panel(1).stateText().startsWith(QStringLiteral("LOCKED")));
}

TEST(VirtualModulesWindow, AddModuleOffersFreeSlotsAndShowsTheNewModule) {
    WindowFixture f("2012:1-2,2012:3-4");
    QComboBox* choices = f.window->addBar().choices();
    EXPECT_EQ(choices->findText(QStringLiteral("2012:1-2")), -1);
    const int index = choices->findText(QStringLiteral("512:5-6"));
    ASSERT_GE(index, 0);
    choices->setCurrentIndex(index);
    f.click(f.window->addBar().addButton());
    ASSERT_EQ(f.set->size(), 3);
    EXPECT_EQ(f.module(2).model(), 512);
    EXPECT_EQ(f.module(2).teams(), (std::vector<int>{5, 6}));
    ASSERT_EQ(f.window->panelCount(), 3);
    EXPECT_EQ(f.panel(2).buttons().size(), 10u);
    EXPECT_EQ(choices->findText(QStringLiteral("4097:5")), -1);
    EXPECT_GE(choices->findText(QStringLiteral("4097:7")), 0);
    EXPECT_TRUE(f.set->transport().enumerate(6561).size() == 3u);
}

TEST(VirtualModulesWindow, ShiftClicksGatherButtonsThatArePressedTogether) {
    WindowFixture f("2012:1-2,4097:3");
    f.armAll();
    f.click(f.button(0, {1, 2}), Qt::ShiftModifier);
    f.click(f.button(0, {2, 3}), Qt::ShiftModifier);
    f.click(f.button(1, {3, 1}), Qt::ShiftModifier);
    EXPECT_TRUE(f.button(0, {2, 3})->gathered());
    EXPECT_TRUE(f.module(0).latchedPress().empty());
    f.click(f.window->pressTogetherButton());
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{1, 2}, {2, 3}}));
    EXPECT_EQ(f.module(1).latchedPress(), (std::vector<Button>{{3, 1}}));
    EXPECT_FALSE(f.button(0, {2, 3})->gathered());
    EXPECT_EQ(f.read(0).data1, 255 ^ 2 ^ 128);  // team 1 player 2, team 2 player 3
}

TEST(VirtualModulesWindow, ReleasingShiftPressesTheGatheredButtons) {
    WindowFixture f("512:1-2");
    f.armAll();
    f.click(f.button(0, {1, 5}), Qt::ShiftModifier);
    f.click(f.button(0, {1, 1}), Qt::ShiftModifier);
    f.click(f.button(0, {1, 1}), Qt::ShiftModifier);  // a second shift-click takes it back
    QTest::keyRelease(f.window.get(), Qt::Key_Shift);
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{1, 5}}));
}

// The window as narrow as it lets itself be (the column beside the board takes at least
// that): every line of every transmitter, programming mark included, shows whole.
TEST(VirtualModulesWindow, RfTransmitterTextsShowWholeInTheNarrowestWindow) {
    WindowFixture f("712");
    QTest::mouseClick(f.button(0, {3, 2}), Qt::RightButton);  // T12 in programming mode
    f.window->resize(f.window->minimumSizeHint().width(), 700);
    QApplication::processEvents();
    for (sim::PlayerButton* button : f.panel(0).buttons()) {
        const QRect place(button->mapTo(f.window.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(f.window->rect().contains(place)) << button->text().toStdString();
        for (const QString& line : button->text().split('\n')) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(line) + 8, button->width())
                << line.toStdString();
        }
    }
    EXPECT_TRUE(f.button(0, {3, 2})->text().contains(QStringLiteral("prog")));
}

TEST(VirtualModulesWindow, RfTransmittersShowCodeChannelAndPower) {
    WindowFixture f("712");
    ASSERT_EQ(f.panel(0).buttons().size(), 32u);
    sim::PlayerButton* t12 = f.button(0, {3, 2});
    EXPECT_TRUE(t12->text().contains(QStringLiteral("T12  [W]")));
    EXPECT_TRUE(t12->text().contains(QStringLiteral("code 12 · ch 0\npower 9")));
    // Each change wants a long press first (programming mode) and is acknowledged with R.
    for (const std::vector<int>& change :
         std::vector<std::vector<int>>{{128 + 3}, {160 + 12, 192 + 20}, {224 + 2}}) {
        QTest::mouseClick(t12, Qt::RightButton);
        EXPECT_TRUE(f.module(0).transmitter(12).programming);
        EXPECT_TRUE(t12->text().contains(QStringLiteral("prog")));
        for (int code : change) {
            EXPECT_TRUE(f.send(0, code));
        }
        EXPECT_FALSE(f.module(0).transmitter(12).programming);
        EXPECT_TRUE(t12->text().endsWith(QStringLiteral(" · R")));
    }
    EXPECT_TRUE(t12->text().contains(QStringLiteral("code 20 · ch 3\npower 2")));
    EXPECT_TRUE(f.panel(0).stateText().contains(QStringLiteral("channel 3")));
    EXPECT_TRUE(f.button(0, {1, 1})->text().contains(QStringLiteral("code 1 · ch 0\npower 9")));
    QTest::mouseClick(t12, Qt::RightButton);
    QTest::mouseClick(t12, Qt::RightButton);
    EXPECT_FALSE(f.module(0).transmitter(12).programming) << "a second right click leaves it";
}

TEST(VirtualModulesWindow, AnRfKeyPressesItsTransmitter) {
    WindowFixture f("712");
    f.armAll();
    QTest::keyClick(f.window.get(), Qt::Key_W);  // transmitter 12
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{3, 2}}));
    EXPECT_EQ(f.read(0).data1, 12);
    EXPECT_EQ(f.window->status(), QStringLiteral("712: transmitter 12 latched"));
}

TEST(VirtualModulesWindow, AKeyGoesToTheWiredModuleServingTheTeamBeforeATransmitter) {
    WindowFixture f("712,2012:5-6");
    f.armAll();
    QTest::keyClick(f.window.get(), Qt::Key_A);  // team 5 player 1, also transmitter 21
    EXPECT_EQ(f.module(1).latchedPress(), (std::vector<Button>{{5, 1}}));
    EXPECT_TRUE(f.module(0).latchedPress().empty());
    QTest::keyClick(f.window.get(), Qt::Key_Z);  // transmitter 31: no wired module has it
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{7, 1}}));
}

TEST(VirtualModulesWindow, ContestantKeysWorkFromTheBoardButNeverFromATextBox) {
    WindowFixture f("2012:1-2");
    f.window->takeContestantKeysEverywhere();
    f.armAll();
    QWidget board;  // a window in front whose controls take no text
    QLineEdit nameBox(&board);
    board.show();
    QApplication::setActiveWindow(&board);
    nameBox.setFocus();
    QTest::keyClick(&nameBox, Qt::Key_2);
    EXPECT_TRUE(f.module(0).latchedPress().empty()) << "typing a name presses nothing";
    EXPECT_EQ(nameBox.text(), "2");
    nameBox.clearFocus();
    QTest::keyClick(&board, Qt::Key_Space);
    EXPECT_TRUE(f.module(0).latchedPress().empty()) << "the space bar stays the board's";
    QTest::keyClick(&board, Qt::Key_2);
    EXPECT_EQ(f.module(0).latchedPress(), (std::vector<Button>{{1, 2}}));
}
