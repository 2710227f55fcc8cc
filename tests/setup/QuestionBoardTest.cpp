#include <gtest/gtest.h>

#include <QTest>

#include "WindowHarness.h"

using test::WindowHarness;

namespace {

// The classic board with the question window, the shipped media in the program's folder.
struct QuestionBoard : ::testing::Test {
    WindowHarness h{4097, 3, {0, 1, 2}, 3};
    boards::ScoreBoard3* board = nullptr;

    void SetUp() override {
        h.platform.programDir = QVX_MEDIA_DIR;
        board = &h.openBoard();
        board->cmdQuestion.setVisible(true);
    }
    questions::FormQuestion& window() { return *h.questions.existing(); }
    QString lastSound() const { return h.platform.sounds.back().path; }
};

TEST_F(QuestionBoard, ViewQuestionBringsBackTheLastQuestionWithItsClip) {
    h.state.questionNumber = 7;
    QTest::mouseClick(board->cmdQuestion.widget(), Qt::LeftButton);
    ASSERT_NE(h.questions.existing(), nullptr);
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(window().LabelQuestion.caption(),
              "6. Give the first and last name of the inventor heard in this very early recording");
    h.state.questionNumber = 8;  // question 7 was displayed last
    QTest::mouseClick(board->cmdQuestion.widget(), Qt::LeftButton);
    EXPECT_EQ(window().LabelQuestion.caption(),
              "7. Name the movie from which this sound clip was taken.");
    EXPECT_EQ(lastSound(), QString(QVX_MEDIA_DIR) + "/sorry_dave.wav");
    QTest::mouseClick(window().CommandAnswer.widget(), Qt::LeftButton);
    EXPECT_EQ(window().LabelAnswer.caption(), "2001 Space Oddesy");
    EXPECT_TRUE(board->isFront()) << "the board keeps the space bar";
}

TEST_F(QuestionBoard, AComputerShownQuestionComesWithTheTossUpAndGoesAtTheBuzz) {
    h.settings.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    h.menu->OptionDisplay();
    QTest::keyClick(board->window(), Qt::Key_Space);
    QTest::mouseClick(board->timerlabel.widget(), Qt::LeftButton);
    ASSERT_NE(h.questions.existing(), nullptr);
    EXPECT_TRUE(window().visible());
    EXPECT_TRUE(window().LabelQuestionSmall.caption().startsWith("1. Name the artist"));
    EXPECT_EQ(board->timerlabel.caption(), "5");
    window().CommandAnswer.click();
    EXPECT_EQ(window().LabelAnswer.caption(), "Rembrant");

    QTest::keyClick(window().CommandAnswer.widget(), Qt::Key_Space);  // keys reach the board
    EXPECT_EQ(window().LabelAnswer.caption(), "") << "the full re-arm empties the answer";
    h.modules->press(2, 0xC0 | (0x1F ^ 0x02));
    h.clock.advanceMs(2);
    EXPECT_FALSE(board->NameLabel.caption().isEmpty());
    EXPECT_FALSE(window().visible()) << "a buzz hides the question";
}

TEST_F(QuestionBoard, ModeratorReadQuestionsNeverOpenWithTheTimer) {
    QTest::mouseClick(board->timerlabel.widget(), Qt::LeftButton);
    EXPECT_EQ(h.questions.existing(), nullptr);
    h.clock.advanceMs(5000);  // expiry hides a window that does not exist: nothing made
    EXPECT_EQ(board->NameLabel.caption(), "Timer Expired");
    EXPECT_EQ(h.questions.existing(), nullptr);
}

TEST_F(QuestionBoard, TheQuestionWindowComingAndGoingLeavesARunningClockAlone) {
    QTest::mouseClick(board->clocklabel.widget(), Qt::LeftButton);  // the match clock runs
    h.clock.advanceMs(3000);
    const QString running = board->clocklabel.caption();
    EXPECT_NE(running, "15:00");
    board->cmdQuestion.click();
    window().CommandHide.click();
    QTest::mouseClick(board->Labelteam.widget(), Qt::LeftButton);
    EXPECT_EQ(board->clocklabel.caption(), running) << "the board was never left";
    h.clock.advanceMs(1000);
    EXPECT_NE(board->clocklabel.caption(), running);
}

}  // namespace

namespace {

// "View Question" follows the question source however it was chosen: by a set-up file
// read before the board was made, or one opened while the board waited behind the menu.
TEST(QuestionButton, FollowsTheSourceFromTheSetupFile) {
    WindowHarness h{4097, 3, {0, 1, 2}, 3};
    h.settings.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    boards::ScoreBoard3& board = h.openBoard();
    EXPECT_TRUE(board.cmdQuestion.visible());

    board.Commandsetupmenu.click();
    h.settings.chooseQuestionSource(model::QuestionSource::ModeratorRead);
    h.menu->CommandHide_Click();
    EXPECT_FALSE(board.cmdQuestion.visible());
    board.Commandsetupmenu.click();
    h.settings.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    h.menu->CommandHide_Click();
    EXPECT_TRUE(board.cmdQuestion.visible());
}

}  // namespace
