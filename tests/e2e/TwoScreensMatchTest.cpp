#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "sim/VirtualModuleSet.h"

// The hall's usual set-up: the operator's laptop and a projector beside it (offscreen
// platform, 1280 x 800 and 1024 x 768).
namespace {

QScreen* screenOf(const ui::Form& form) {
    return QGuiApplication::screenAt(form.window()->geometry().center());
}

TEST(TwoScreensMatch, TheBoardGoesToTheProjectorAndTheOperatorsWindowsStayOnTheLaptop) {
    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    auto modules = sim::VirtualModuleSet::create("2012:1-2", clock.stamps()).modules;
    app::Console console{platform, clock, modules->transport()};
    QScreen* laptop = QGuiApplication::screens().at(0);
    QScreen* projector = QGuiApplication::screens().at(1);

    console.start();
    EXPECT_EQ(screenOf(console.titleForm()), laptop);
    console.titleForm().Command1.click();
    EXPECT_EQ(screenOf(console.menu()), laptop);
    console.menu().CommandHide_Click();

    boards::ScoreBoard3& board = console.classicBoard();
    ASSERT_TRUE(board.visible());
    EXPECT_EQ(board.window()->geometry(), projector->geometry());
    EXPECT_TRUE(board.window()->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_GT(board.NameLabel.widget()->height(), 100) << "laid out for the projector";

    board.Commandsetupmenu.click();
    EXPECT_TRUE(console.menu().visible());
    EXPECT_EQ(screenOf(console.menu()), laptop);
    EXPECT_EQ(board.window()->geometry(), projector->geometry()) << "the board stays up there";
}

// The question is for the audience; the listing of every question with its answer is for
// the operator alone.
TEST(TwoScreensMatch, TheQuestionGoesToTheProjectorAndTheListOfAnswersStaysOnTheLaptop) {
    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    auto modules = sim::VirtualModuleSet::create("2012:1-2", clock.stamps()).modules;
    app::Console console{platform, clock, modules->transport()};
    QScreen* laptop = QGuiApplication::screens().at(0);
    QScreen* projector = QGuiApplication::screens().at(1);
    console.start();
    console.titleForm().Command1.click();
    console.menu().CommandHide_Click();

    console.classicBoard().cmdQuestion_Click();
    questions::FormQuestion* question = console.questionWindow();
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(question->visible());
    EXPECT_EQ(question->window()->geometry(), projector->geometry());
    EXPECT_TRUE(console.classicBoard().isFront()) << "the board keeps the keyboard";

    question->CommandView.click();
    ASSERT_TRUE(question->questionList().visible());
    EXPECT_EQ(screenOf(question->questionList()), laptop);
}

}  // namespace
