#include <gtest/gtest.h>

#include <QDir>

#include "RecordingBoards.h"
#include "WindowHarness.h"
#include "model/SetupFileWriter.h"

using test::RecordingBoardsHarness;
using test::WindowHarness;
using ui::MsgAnswer;

namespace {

const QString kQuestion = "Like this sound?";

// The set-up menu with three sound files in its folder.
struct SoundHarness : WindowHarness {
    QString bell = folder.write("bell.wav", "RIFF-not-really-a-wave");
    QString horn = folder.write("horn.wav", "RIFF-not-really-a-wave");
    SoundHarness() : WindowHarness(4097, 2, {0, 1}) { menu->show(); }

    // The sounds started and the questions asked since the menu was shown.
    QStringList played() const {
        QStringList paths;
        for (const auto& s : platform.sounds) {
            EXPECT_EQ(s.flags, ui::kSoundAsync);
            paths << s.path;
        }
        return paths;
    }
    int questions() const { return static_cast<int>(platform.messageTexts().count(kQuestion)); }
};

TEST(SoundChoice, TheBuzzInSoundIsHeardAskedAboutAndKept) {
    SoundHarness h;
    h.platform.openResults = {h.bell};
    h.platform.answers = {MsgAnswer::Yes};
    h.menu->MnuBuzzSnd.click();
    ASSERT_EQ(h.platform.openRequests.size(), 1u);
    const ui::FileDialogRequest& request = h.platform.openRequests[0];
    EXPECT_EQ(request.filter, "Sound Files|*.wav");
    EXPECT_EQ(request.initialFolder, h.platform.programDir);
    EXPECT_EQ(request.proposedName, "");
    EXPECT_EQ(h.played(), QStringList{h.bell});
    const auto& asked = h.platform.messages.back();
    EXPECT_EQ(asked.text, kQuestion);
    EXPECT_EQ(asked.title, "Team Buzz-in Sound");
    EXPECT_EQ(asked.buttons, ui::MsgButtons::YesNoCancel);
    EXPECT_EQ(h.settings.buzzSoundFile, h.bell);
}

TEST(SoundChoice, NoOpensTheDialogAgainAndCancelKeepsTheOldSoundThoughANewOneWasHeard) {
    SoundHarness h;
    h.settings.timerSoundFile = "/old/timer.wav";
    h.platform.openResults = {h.bell, h.horn};
    h.platform.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    h.menu->mnuTimersnd.click();
    EXPECT_EQ(h.platform.openRequests.size(), 2u);
    EXPECT_EQ(h.played(), (QStringList{h.bell, h.horn}));
    EXPECT_EQ(h.questions(), 2);
    EXPECT_EQ(h.settings.timerSoundFile, "/old/timer.wav");
    EXPECT_EQ(h.platform.messages.back().title, "Team Buzz-in Sound") << "one title for all";

    h.platform.openResults = {h.bell, h.horn};
    h.platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
    h.menu->mnuGamesnd.click();
    EXPECT_EQ(h.settings.gameSoundFile, h.horn);
    EXPECT_EQ(h.settings.timerSoundFile, "/old/timer.wav");
}

TEST(SoundChoice, ACancelledDialogEndsTheChoiceSilently) {
    SoundHarness h;
    h.settings.buzzSoundFile = h.horn;
    h.platform.openResults = {h.bell, std::nullopt};
    h.platform.answers = {MsgAnswer::No};
    h.menu->MnuBuzzSnd.click();
    EXPECT_EQ(h.platform.openRequests.size(), 2u);
    EXPECT_EQ(h.played(), QStringList{h.bell}) << "nothing more is played after the cancel";
    EXPECT_EQ(h.questions(), 1) << "never asked about the file of the earlier round";
    EXPECT_EQ(h.settings.buzzSoundFile, h.horn);
}

TEST(SoundChoice, TheOtherItemsReuseTheDialogsLastFolderAndName) {
    SoundHarness h;
    QDir(h.folder.path()).mkpath("clips");
    const QString deep = h.folder.write("clips/gong.wav", "RIFF");
    h.platform.openResults = {deep};
    h.platform.answers = {MsgAnswer::Cancel};
    h.menu->MnuBuzzSnd.click();
    h.platform.openResults = {h.horn};
    h.platform.answers = {MsgAnswer::Yes};
    h.menu->mnuTimersnd.click();
    EXPECT_EQ(h.platform.openRequests[1].initialFolder, h.folder.file("clips"));
    EXPECT_EQ(h.platform.openRequests[1].proposedName, "gong.wav");
    h.platform.openResults = {std::nullopt};
    h.menu->mnuGamesnd.click();
    EXPECT_EQ(h.platform.openRequests[2].initialFolder, h.folder.path());
    EXPECT_EQ(h.platform.openRequests[2].proposedName, "horn.wav");
    // The buzz-in item always starts afresh in the program's folder.
    h.platform.openResults = {std::nullopt};
    h.menu->MnuBuzzSnd.click();
    EXPECT_EQ(h.platform.openRequests[3].initialFolder, h.platform.programDir);
    EXPECT_EQ(h.platform.openRequests[3].proposedName, "");
}

TEST(SoundChoice, AFileThatIsNoWaveIsStillAskedAboutAndKeptOnYes) {
    SoundHarness h;
    const QString text = h.folder.write("notes.wav", "these are words, not a sound\r\n");
    h.platform.openResults = {text};
    h.platform.answers = {MsgAnswer::Yes};
    h.menu->mnuGamesnd.click();
    EXPECT_EQ(h.questions(), 1);
    EXPECT_EQ(h.settings.gameSoundFile, text);
}

TEST(SoundChoice, AFileThatCannotBeKeptShowsTheErrorAndChangesNothing) {
    SoundHarness h;
    h.settings.buzzSoundFile = h.bell;
    const QString error =
        "An error occured opening the sound file.  Program will continue with current sound.\r\n";
    // A line break would split the set-up file's line; a file that vanished is not there.
    for (const QString& path : {h.folder.file("two\nlines.wav"), h.folder.file("gone.wav")}) {
        h.platform.messages.clear();
        h.platform.openResults = {path};
        h.menu->MnuBuzzSnd.click();
        ASSERT_EQ(h.platform.messages.size(), 1u);
        EXPECT_TRUE(h.platform.messages[0].text.startsWith(error));
        EXPECT_TRUE(h.platform.messages[0].text.endsWith("\r\n"));
        EXPECT_GT(h.platform.messages[0].text.size(), error.size() + 2) << "with the reason";
        EXPECT_EQ(h.platform.messages[0].buttons, ui::MsgButtons::OK);
    }
    EXPECT_TRUE(h.played().isEmpty());
    EXPECT_EQ(h.settings.buzzSoundFile, h.bell);
}

TEST(SoundChoice, ANameWithNonAsciiLettersPlaysAndRoundTripsThroughTheSetupFile) {
    SoundHarness h;
    const QString name = QString::fromUtf8("Glocke-\u00df\u00fc-\u65e5\u672c-\u0394.wav");
    const QString path = h.folder.write(name, "RIFF");
    h.platform.openResults = {path};
    h.platform.answers = {MsgAnswer::Yes};
    h.menu->MnuBuzzSnd.click();
    EXPECT_EQ(h.played(), QStringList{path});
    ASSERT_EQ(h.settings.buzzSoundFile, path);

    const QString saved = h.folder.file("QvxUSBsetup.txt");
    h.platform.saveResults = {saved};
    h.menu->mnuSaveAs.click();
    h.settings.buzzSoundFile.clear();
    h.platform.openResults = {saved};
    h.menu->mnuOpen.click();
    EXPECT_EQ(h.settings.buzzSoundFile, path);
}

TEST(Colours, AChosenColourIsPaintedOnTheThreeBoardsAndACancelledDialogKeepsIt) {
    WindowHarness h(4097, 2, {0, 1});
    h.openBoard();
    h.menu->show();
    const ui::Color teal = ui::Color::rgb(0, 128, 128);
    h.platform.colorResults = {teal};
    h.menu->mnubackgroundcolor.click();
    EXPECT_EQ(h.platform.colorRequests.back(), ui::colors::blue) << "starts from the colour";
    EXPECT_EQ(h.settings.boardBackColor, teal);
    for (boards::BoardWindow* board : h.allBoards()) {
        EXPECT_EQ(board->backColor(), teal) << board->caption().toStdString();
        for (ui::Label* l : {&board->Labelteam, &board->Labeltimerstate, &board->Label2,
                             &board->Label3, &board->Label1, &board->Label4, &board->Label5}) {
            EXPECT_EQ(l->backColor(), teal);
        }
        EXPECT_NE(board->NameLabel.backColor(), teal) << "not a listed label";
    }

    // Cancelled: the text colour stays, and never becomes the dialog's last colour.
    const ui::Color textBefore = h.settings.boardTextColor;
    h.platform.colorResults = {std::nullopt};
    h.menu->mnutextcolor.click();
    EXPECT_EQ(h.platform.colorRequests.back(), textBefore);
    EXPECT_EQ(h.settings.boardTextColor, textBefore);

    h.platform.colorResults = {ui::colors::yellow};
    h.menu->mnutextcolor.click();
    for (boards::BoardWindow* board : h.allBoards()) {
        EXPECT_EQ(board->NameLabel.foreColor(), ui::colors::yellow);
        EXPECT_EQ(board->Labelteam.foreColor(), ui::colors::yellow);
        EXPECT_EQ(board->backColor(), teal);
    }
    EXPECT_EQ(h.cutThroatBoard().ScoreLabel.foreColor(), ui::colors::yellow);
}

TEST(Colours, AColourReachesTheThreeBoardsInTurnMakingThoseNotYetThere) {
    RecordingBoardsHarness h;
    h.platform.colorResults = {ui::colors::green, std::nullopt};
    h.menu->mnubackgroundcolor.click();
    EXPECT_EQ(h.log,
              (QStringList{"Leader created", "Leader: back 65280", "Classic created",
                           "Classic: back 65280", "CutThroat created", "CutThroat: back 65280"}));
    h.log.clear();
    h.menu->mnutextcolor.click();
    EXPECT_TRUE(h.log.isEmpty()) << "a cancelled choice paints nothing";
}

}  // namespace
