// Flows under message boxes and dialogs that run events while they are up, as real modal
// boxes do. Above all a module unplugged during a match: the notice, the rescue file and the
// end, nothing in between.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "sim/VirtualModuleSet.h"
#include "ui/Timer.h"

namespace {

const QString kNotice =
    "Team Module has DISCONNECTED.  Program will save menu choices and shut down.TEAM SCORES "
    "WILL NOT BE SAVED. Save player names and menu? ";

struct ModalFlows : ::testing::Test {
    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    std::unique_ptr<sim::VirtualModuleSet> modules;
    std::unique_ptr<app::Console> console;
    // Something that happens while a box is up, at a time of the manual clock.
    ui::Timer later{clock, 300};
    int messagesBefore = 0;
    QString memoBefore;

    void make(const QString& list) {
        modules = sim::VirtualModuleSet::create(list, clock.stamps()).modules;
        console = std::make_unique<app::Console>(platform, clock, modules->transport());
    }
    sim::VirtualModule& module(int position) { return modules->module(position - 1); }
    boards::BoardWindow& board() { return console->chosenBoard(); }

    // Start-up, DONE, names typed, the board open and armed, one buzz; then every box from
    // here on runs events before it answers.
    void playUntilABuzz() {
        console->start();
        console->titleForm().Command1.click();
        console->menu().Text[0]->setText("Owls");
        console->menu().Text[1]->setText("Hoot");
        console->menu().CommandHide_Click();
        QTest::keyClick(board().window(), Qt::Key_Space);
        module(1).press({{1, 1}});
        clock.advanceMs(20);
        ASSERT_EQ(board().NameLabel.caption(), "Hoot");
        platform.runEventsInModals(clock);
        platform.saveResults.push_back(folder.file("QvxRescueFile.txt"));
        markWhatWasShown();
    }

    // What the operator had seen so far, for expectOneRescueAndTheEnd.
    void markWhatWasShown() {
        messagesBefore = static_cast<int>(platform.messages.size());
        memoBefore = console->titleForm().ResultsMemo.caption();
    }

    void letTimePass(int ms) {
        clock.advanceMs(ms);
        QCoreApplication::processEvents();
    }

    QStringList messagesSince(int count) const { return platform.messageTexts().mid(count); }

    // What must hold after any removal during the match: one notice, one save with the
    // names typed, the program ended, and nothing of the start-up window or the board.
    void expectOneRescueAndTheEnd() {
        EXPECT_EQ(messagesSince(messagesBefore), QStringList{kNotice});
        EXPECT_EQ(platform.saveRequests.size(), 1u);
        const QString rescue = folder.read("QvxRescueFile.txt");
        EXPECT_TRUE(rescue.startsWith("Quorvantix USB Setup File\r\nOwls\r\nHoot\r\n"));
        EXPECT_EQ(platform.quitCalls, 1);
        EXPECT_TRUE(console->state().shutdownInProgress);
        EXPECT_FALSE(console->titleForm().visible()) << "the start-up window came back";
        // A search would have opened a new line in the results list.
        EXPECT_FALSE(
            console->titleForm().ResultsMemo.caption().mid(memoBefore.size()).contains("\r\n\r\n"));
        EXPECT_EQ(board().NameLabel.caption(), "Hoot") << "a board handler ran";
        EXPECT_EQ(console->settings().matchTime, "15:00");
    }
};

TEST_F(ModalFlows, AnUnplugShowsTheNoticeSavesOnceAndEnds) {
    make("2012:1-2");
    playUntilABuzz();
    module(1).unplug();
    letTimePass(1500);
    expectOneRescueAndTheEnd();
    EXPECT_TRUE(console->titleForm().ResultsMemo.caption().endsWith(
        "The Team  1 module is DISCONNECTED or no longer working.\r\n"
        "The Team  2 module is DISCONNECTED or no longer working.\r\n"));
}

TEST_F(ModalFlows, ASecondUnplugWhileTheNoticeIsUpOnlyBeeps) {
    make("2012:1-2,2012:3-4");
    playUntilABuzz();
    const int beeps = platform.beeps;
    later.onTick = [this] {
        later.stop();
        module(2).unplug();
    };
    // The enumeration notices the first within a second and the notice comes up; the second
    // goes while it is up.
    later.setInterval(1300);
    later.start();
    module(1).unplug();
    letTimePass(4000);
    expectOneRescueAndTheEnd();
    // Each interface's close beeps, and the second removal, seen while the shutdown was
    // under way, beeps instead of a second notice.
    EXPECT_EQ(platform.beeps - beeps, 3);
}

TEST_F(ModalFlows, BothModulesUnpluggedAtOnceSaveOnce) {
    make("2012:1-2,2012:3-4");
    playUntilABuzz();
    module(1).unplug();
    module(2).unplug();
    letTimePass(3000);
    expectOneRescueAndTheEnd();
}

// Installed, the operator may point the rescue dialog at a folder they cannot write: the
// file goes to their data folder instead, and they are told so before the end.
TEST_F(ModalFlows, ARescueFileThatCannotGoWhereItWasPointedGoesToTheUsersFolderAndSaysSo) {
    make("2012:1-2");
    playUntilABuzz();
    platform.userDataDir = folder.file("user");
    platform.saveResults = {folder.write("plain", "x") + "/QvxRescueFile.txt"};
    module(1).unplug();
    letTimePass(1500);
    const QStringList shown = messagesSince(messagesBefore);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], kNotice);
    EXPECT_TRUE(shown[1].endsWith("It was saved as " + folder.file("user/QvxRescueFile.txt") +
                                  " instead; the next start reads it from there."));
    EXPECT_TRUE(folder.read("user/QvxRescueFile.txt").contains("\r\nOwls\r\nHoot\r\n"));
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_FALSE(console->titleForm().visible());
}

// The operator is answering another question when the module goes: the notice comes on top,
// the set-up as typed is saved, and the question underneath never takes effect.
TEST_F(ModalFlows, AnUnplugWhileAnotherBoxIsUpSavesTheNamesAsTyped) {
    make("2012:1-2,2012:3-4");
    playUntilABuzz();
    board().Commandsetupmenu.click();
    platform.runEventsInModals(clock, 3000);  // the operator reads the question for a while
    markWhatWasShown();
    later.onTick = [this] {
        later.stop();
        module(2).unplug();
    };
    later.start();
    console->menu().mnuRestoreDefault.click();  // its question is up while the unplug comes
    QCoreApplication::processEvents();
    const QStringList shown = messagesSince(messagesBefore);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("Click OK to reset menu options to program defaults."));
    EXPECT_EQ(shown[1], kNotice);
    EXPECT_EQ(platform.deepestModalNesting, 2);
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(folder.read("QvxRescueFile.txt").contains("\r\nOwls\r\nHoot\r\n"));
    EXPECT_EQ(console->settings().rosterText[0], "Owls") << "the defaults were restored after all";
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_FALSE(console->titleForm().visible());
    EXPECT_FALSE(
        console->titleForm().ResultsMemo.caption().mid(memoBefore.size()).contains("\r\n\r\n"));
}

// Before DONE a removal only beeps, also while the "Please connect" question is up; the
// question loop ends when the operator quits.
TEST_F(ModalFlows, BeforeDoneAnUnplugDuringThePleaseConnectLoopOnlyBeeps) {
    make("4097:1");
    module(1).unplug();
    platform.runEventsInModals(clock, 3000);
    platform.answers = {ui::MsgAnswer::OK, ui::MsgAnswer::Cancel};
    // While the first question is up the module comes (noticed at 1 s) and goes again
    // (noticed at 2 s).
    later.onTick = [this] {
        if (module(1).isPlugged()) {
            module(1).unplug();
            later.stop();
        } else {
            module(1).plug();
            later.setInterval(1300);
        }
    };
    later.start();
    console->start();
    QCoreApplication::processEvents();
    const QStringList shown = platform.messageTexts();
    ASSERT_EQ(shown.size(), 2);
    for (const QString& text : shown) {
        EXPECT_TRUE(text.startsWith("Please connect all Quorvantix USB Team Modules"));
    }
    EXPECT_EQ(platform.deepestModalNesting, 1);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_FALSE(console->menu().visible());
    EXPECT_EQ(platform.beeps, 4) << "two searches, the arrival and the removal";
}

// With boxes that run events, the whole start-up still works: the search, DONE with its
// message, and the menu.
TEST_F(ModalFlows, StartUpAndDoneWorkWithBoxesThatRunEvents) {
    make("2012:1-2");
    platform.runEventsInModals(clock);
    console->start();
    console->titleForm().Command1.click();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.front().text, "All systems go");
    EXPECT_FALSE(platform.messageTexts().join('|').contains("Please connect"));
    EXPECT_TRUE(console->menu().visible());
    EXPECT_FALSE(console->titleForm().visible());
    EXPECT_EQ(module(1).commands().back(), 124);
}

// "Save As" and "Open" while the board's time-out counts down behind the menu: the dialogs'
// event loops keep it going, the file is written once and read back.
TEST_F(ModalFlows, SaveAndOpenWhileATimeOutRuns) {
    make("2012:1-2");
    playUntilABuzz();
    platform.saveResults.clear();
    board().Commandsetupmenu.click();
    ASSERT_EQ(board().timerlabel.caption(), "60");
    platform.saveResults.push_back(folder.file("Match.txt"));
    console->menu().mnuSaveAs.click();
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(folder.read("Match.txt").startsWith("Quorvantix USB Setup File\r\nOwls\r\n"));

    console->menu().Text[0]->setText("Changed");
    platform.openResults.push_back(folder.file("Match.txt"));
    console->menu().mnuOpen.click();
    EXPECT_EQ(console->menu().Text[0]->text(), "Owls");
    EXPECT_EQ(board().timerlabel.caption(), "58") << "the time-out ran while the dialogs were up";
    EXPECT_EQ(platform.quitCalls, 0);
}

}  // namespace
