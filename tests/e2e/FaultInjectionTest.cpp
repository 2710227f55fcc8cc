// Faults injected through the transport and the platform while the console runs a match:
// modules whose writes or reads fail, a module that goes in the middle of a poll, a disk
// that refuses a save, a sound file that cannot be opened. The console goes on answering,
// shows what the operator must know, and a failed save leaves the old file as it was.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include "FaultyTransport.h"
#include "FileSizeLimit.h"
#include "ManualClock.h"
#include "QtPrinters.h"
#include "ReadOnlyFolder.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "sim/VirtualModuleSet.h"

namespace {

const QString kReadError = "Error reading team information.";
const QString kUnableToRead =
    "+ + + Unable to READ from device! Please disconnect and reconnect this unit. + + +";
const QString kSaveFailed = "File failed to save as expected.\r\n";
const QString kNotSaved = "File Not Saved!";

struct Faults : ::testing::Test {
    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    std::unique_ptr<sim::VirtualModuleSet> modules =
        sim::VirtualModuleSet::create("2012:1-2,2012:3-4", clock.stamps()).modules;
    test::FaultyTransport transport{modules->transport()};
    app::Console console{platform, clock, transport};

    sim::VirtualModule& module(int position) { return modules->module(position - 1); }
    // The board the menu shows: with modules listed again after a fault it can change.
    boards::BoardWindow& board() { return console.chosenBoard(); }
    QString memo() { return console.titleForm().ResultsMemo.caption(); }
    void space() { QTest::keyClick(board().window(), Qt::Key_Space); }
    void run(int ms) {
        for (int t = 0; t < ms; t += 100) {
            clock.advanceMs(100);
            QCoreApplication::processEvents();
        }
    }

    // Start-up, DONE, a name typed, the board armed; boxes from here on run events.
    void openBoard() {
        console.start();
        console.titleForm().Command1.click();
        console.menu().Text[0]->setText("Owls");
        console.menu().CommandHide_Click();
        space();
        platform.runEventsInModals(clock, 200);
    }
    // A press of team 3's first player ("Eleven") is taken and shown.
    void expectABuzzFromModule2() {
        space();
        module(2).press({{3, 1}});
        run(100);
        EXPECT_EQ(board().NameLabel.caption(), "Eleven");
    }
    // The console goes on: no rescue save, no end, and the menu and board still answer.
    void expectStillRunning() {
        EXPECT_TRUE(platform.saveRequests.empty());
        EXPECT_EQ(platform.quitCalls, 0);
        EXPECT_FALSE(console.state().shutdownInProgress);
        console.titleForm().Command1.click();
        EXPECT_TRUE(platform.messageTexts().contains("All systems go"));
        console.menu().CommandHide_Click();
        EXPECT_TRUE(board().visible());
        space();
        run(200);
    }
};

TEST_F(Faults, EveryWriteFailingListsTheModulesAndTheConsoleGoesOn) {
    openBoard();
    transport.faults.writes = true;
    space();  // the arm command fails everywhere: both interfaces close
    run(300);
    EXPECT_TRUE(memo().contains("The Team  1 module is DISCONNECTED or no longer working.\r\n"));
    EXPECT_TRUE(memo().contains("The Team  4 module is DISCONNECTED or no longer working.\r\n"));
    // The start-up window came back and searched: each module opened, and its reset failed.
    EXPECT_TRUE(console.titleForm().visible());
    EXPECT_TRUE(memo().endsWith("THERES BEEN A WRITE ERROR\r\n"));
    EXPECT_TRUE(platform.messageTexts().contains(
        "Error writitng to the Team Module.  Try disconnecting and reconnecting this module.\r"
        "If you are using a USB cable 15 feet or longer please replace it with a shorter "
        "cable\rIF problem persists, moduke should be returned for service."));
    EXPECT_GE(transport.failedWrites, 4);
    expectStillRunning();
}

TEST_F(Faults, EveryReadFailingListsTheModulesAndTheConsoleGoesOn) {
    openBoard();
    transport.faults.reads = true;
    run(300);  // the board's poll fails for both modules
    EXPECT_TRUE(memo().contains("The Team  3 module is DISCONNECTED or no longer working.\r\n"));
    EXPECT_TRUE(memo().contains(kUnableToRead)) << "reopened by the search, still unreadable";
    EXPECT_TRUE(platform.messageTexts().contains(kReadError));
    EXPECT_EQ(console.link().moduleCount(), 0);
    expectStillRunning();
}

TEST_F(Faults, ReadsFailingForOneModuleLeaveTheOtherPlaying) {
    openBoard();
    transport.faults.reads = true;
    transport.faults.onlyPath = module(1).deviceInfo().path;
    run(300);
    EXPECT_TRUE(memo().contains("The Team  2 module is DISCONNECTED or no longer working.\r\n"));
    EXPECT_FALSE(memo().contains("The Team  3 module is DISCONNECTED"));
    ASSERT_EQ(console.link().moduleCount(), 1);
    console.titleForm().Command1.click();  // the operator carries on with DONE
    console.menu().CommandHide_Click();
    expectABuzzFromModule2();
    EXPECT_EQ(platform.quitCalls, 0);
}

TEST_F(Faults, AModuleThatGoesInTheMiddleOfAPollEndsTheMatchWithOneRescueSave) {
    openBoard();
    platform.saveResults.push_back(folder.file("QvxRescueFile.txt"));
    const std::string first = module(1).deviceInfo().path;
    transport.afterRead = [&](const std::string& path) {
        if (path == first) {
            module(2).unplug();  // between the reads of one poll
        }
    };
    run(2000);
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(folder.read("QvxRescueFile.txt").contains("\r\nOwls\r\n"));
    EXPECT_EQ(platform.quitCalls, 1);
}

// Each way a disk can refuse: full, write-protected, a folder where the file should be.
// Save As says so and leaves the old file byte for byte.
TEST_F(Faults, ASaveTheDiskRefusesSaysSoAndKeepsTheOldFile) {
    openBoard();
    board().Commandsetupmenu.click();
    QDir(folder.path()).mkdir("locked");
    const QByteArray old = "Quorvantix USB Setup File\r\nthe old set-up\r\n";
    const QString full = folder.write("full.txt", old);
    const QString locked = folder.write("locked/QvxUSBsetup.txt", old);
    QDir(folder.path()).mkdir("QvxUSBsetup.txt");
    const QString aFolder = folder.file("QvxUSBsetup.txt");

    const auto saveAs = [&](const QString& path) {
        const std::size_t before = platform.messages.size();
        platform.saveResults.push_back(path);
        console.menu().mnuSaveAs.click();
        EXPECT_EQ(platform.messages.size(), before + 1) << path.toStdString();
        const QString text = platform.messages.back().text;
        EXPECT_TRUE(text.startsWith(kSaveFailed) && text.endsWith(kNotSaved)) << text.toStdString();
        EXPECT_GT(text.size(), kSaveFailed.size() + kNotSaved.size()) << "with the reason";
    };
    {
        test::FileSizeLimit diskFull(100);
        saveAs(full);
    }
    {
        test::ReadOnlyFolder writeProtected(folder.file("locked"));
        saveAs(locked);
    }
    saveAs(aFolder);
    EXPECT_EQ(folder.read("full.txt"), old);
    EXPECT_EQ(folder.read("locked/QvxUSBsetup.txt"), old);
    EXPECT_TRUE(QFileInfo(aFolder).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"full.txt"})
        << "no temporary file left behind";
    EXPECT_TRUE(console.menu().visible());
}

TEST_F(Faults, ARescueSaveTheDiskRefusesIsReportedAndTheShutdownGoesOn) {
    openBoard();
    QDir(folder.path()).mkdir("QvxRescueFile.txt");
    platform.saveResults.push_back(folder.file("QvxRescueFile.txt"));
    module(2).unplug();
    run(2000);
    const QStringList texts = platform.messageTexts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_TRUE(texts.back().startsWith(kSaveFailed));
    EXPECT_TRUE(texts.back().endsWith(kNotSaved));
    EXPECT_EQ(platform.quitCalls, 1);
}

TEST_F(Faults, ABuzzSoundThatCannotBeOpenedLeavesTheBuzzWhole) {
    openBoard();
    console.settings().soundCardOn = true;
    console.settings().buzzSoundFile = folder.file("missing.wav");
    const std::size_t messages = platform.messages.size();
    module(2).press({{3, 1}});
    run(100);
    EXPECT_EQ(platform.messages.size(), messages) << "a sound that fails, fails quietly";
    EXPECT_EQ(board().NameLabel.caption(), "Eleven");
    ASSERT_FALSE(platform.sounds.empty());
    EXPECT_EQ(platform.sounds.back().path, folder.file("missing.wav"));
    EXPECT_TRUE(module(2).lampLit({3, 1}));
    EXPECT_TRUE(module(1).locked());
}

}  // namespace
