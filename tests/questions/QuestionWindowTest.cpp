#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "QuestionWindowFixture.h"

namespace {

constexpr int kSoundFlags = 8193;  // asynchronous, no wait

// The question window with the shipped media in the program's folder.
struct QuestionWindow : test::QuestionWindowFixture {
    QuestionWindow() { platform.programDir = QVX_MEDIA_DIR; }

    QStringList soundsPlayed() const {
        QStringList paths;
        for (const auto& s : platform.sounds) {
            paths << s.path;
        }
        return paths;
    }
    QString media(const char* name) const { return QString(QVX_MEDIA_DIR) + "/" + name; }
    void viewQuestions();
};

TEST_F(QuestionWindow, FirstShowingDisplaysQuestionOneBesideItsPicture) {
    form.show();
    EXPECT_EQ(state.questionNumber, 2);
    EXPECT_TRUE(form.LabelQuestionSmall.visible());
    EXPECT_TRUE(form.LabelQuestionSmall.caption().startsWith("1. Name the artist"));
    EXPECT_FALSE(form.LabelQuestion.visible());
    EXPECT_TRUE(form.Picture1.visible());
    EXPECT_TRUE(form.Picture1.hasPicture());
    EXPECT_EQ(form.Picture1.picturePath(), media("Rembrant.jpg"));
    EXPECT_TRUE(form.LabelAnswer.visible());
    EXPECT_EQ(form.LabelAnswer.caption(), "");
    EXPECT_TRUE(platform.sounds.empty()) << "question 1 has no clip";
}

TEST_F(QuestionWindow, AQuestionWithoutPictureTakesTheFullWidthLabel) {
    state.questionNumber = 2;
    form.show();
    EXPECT_TRUE(form.LabelQuestion.visible());
    EXPECT_EQ(form.LabelQuestion.caption(), "2. Who is the author of The Jungle Book ?");
    EXPECT_FALSE(form.Picture1.visible());
    EXPECT_FALSE(form.LabelQuestionSmall.visible());
    EXPECT_GT(form.LabelQuestion.widget()->width(), 1.8 * form.Picture1.widget()->width());
    EXPECT_LT(form.LabelQuestionSmall.widget()->geometry().right(),
              form.Picture1.widget()->geometry().left())
        << "the picture layout keeps text and picture apart";
}

TEST_F(QuestionWindow, EachShowingBringsTheNextQuestionAndTwentyWrapsToOne) {
    state.questionNumber = 19;
    form.show();
    EXPECT_EQ(form.LabelQuestionSmall.caption(),
              "19. Name both the title and the artist of this famous painting");
    form.show();
    EXPECT_EQ(form.LabelQuestion.caption(),
              "20. Who was the first woman appointed to the Supreme Court ?");
    EXPECT_EQ(state.questionNumber, 21);
    QTest::mouseClick(form.CommandAnswer.widget(), Qt::LeftButton);
    EXPECT_EQ(form.LabelAnswer.caption(), "Sandra Day O'Conner");
    form.show();
    EXPECT_EQ(form.LabelAnswer.caption(), "") << "a new showing starts without the answer";
    EXPECT_TRUE(form.LabelQuestionSmall.caption().startsWith("1. "));
    EXPECT_EQ(state.questionNumber, 2);
}

TEST_F(QuestionWindow, AClipPlaysWithItsQuestionAndHidingCutsItOffWithSilence) {
    state.questionNumber = 7;
    form.show();
    EXPECT_EQ(form.LabelQuestion.caption(),
              "7. Name the movie from which this sound clip was taken.");
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, media("sorry_dave.wav"));
    EXPECT_EQ(platform.sounds[0].flags, kSoundFlags);
    QTest::mouseClick(form.CommandHide.widget(), Qt::LeftButton);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(soundsPlayed(), (QStringList{media("sorry_dave.wav"), media("silence.wav")}));
    EXPECT_EQ(platform.sounds[1].flags, kSoundFlags);
}

TEST_F(QuestionWindow, ShowingTheLastQuestionAgainReplaysItsClipAndKeepsItsAnswer) {
    state.questionNumber = 7;
    form.show();
    --state.questionNumber;  // as "View Question" does
    form.show();
    EXPECT_EQ(state.questionNumber, 8);
    EXPECT_EQ(soundsPlayed(), (QStringList{media("sorry_dave.wav"), media("sorry_dave.wav")}));
    form.CommandAnswer.click();
    EXPECT_EQ(form.LabelAnswer.caption(), "2001 Space Oddesy");
}

// "View Questions": the message, then the listing of the whole set beside the window.
void QuestionWindow::viewQuestions() {
    form.show();
    QTest::mouseClick(form.CommandView.widget(), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "This screen will display ALL questions and answers for this Question Set.");
    EXPECT_EQ(platform.messages[0].buttons, ui::MsgButtons::OK);
    questions::QuestionList& list = form.questionList();
    EXPECT_TRUE(list.visible());
    EXPECT_TRUE(form.visible()) << "neither window is modal";
    const QString text = list.ListText()->toPlainText();
    for (int n = 1; n <= 20; ++n) {
        EXPECT_TRUE(text.contains(form.questionSet().question[n])) << n;
        EXPECT_TRUE(text.contains("Answer: " + form.questionSet().answer[n])) << n;
    }
    EXPECT_GT(list.ListText()->verticalScrollBar()->maximum(), 0) << "twenty entries scroll";
    EXPECT_TRUE(list.ListText()->isReadOnly());
}

TEST_F(QuestionWindow, ViewQuestionsAnnouncesThenListsTheWholeSetBesideTheWindow) {
    viewQuestions();
}

TEST_F(QuestionWindow, TheListingFollowsItsMessageWhileEventsRunUnderTheBox) {
    test::ManualClock clock;
    platform.runEventsInModals(clock);
    viewQuestions();
}

TEST_F(QuestionWindow, PromptsFollowThePointerAndTheMouseButtons) {
    form.window()->move(0, 0);
    form.show();
    QTest::mouseMove(form.CommandAnswer.widget());
    EXPECT_EQ(form.LabelText.caption(), "Click to display answer to question.");
    QTest::mouseMove(form.CommandHide.widget());
    EXPECT_EQ(form.LabelText.caption(),
              "Click here to hide the Question Display and return to ScoreBoard.");
    QTest::mouseMove(form.client(), {2, 2});
    EXPECT_EQ(form.LabelText.caption(),
              "Click here to hide the Question Display and return to ScoreBoard.")
        << "the background of this window leaves the prompt";
    QTest::mouseMove(form.CommandView.widget());
    EXPECT_NE(form.LabelText.caption(), "Click to show ALL questions and answers in Question Set.")
        << "this one comes with the mouse button only";
    QTest::mousePress(form.CommandView.widget(), Qt::LeftButton);
    EXPECT_EQ(form.LabelText.caption(), "Click to show ALL questions and answers in Question Set.");
    QTest::mouseRelease(form.CommandView.widget(), Qt::LeftButton);
    const char* next =
        "Clicking on the ScoreBoard Timer will display next question, start timer, and arm system.";
    form.LabelText.setCaption({});
    QTest::mousePress(form.LabelQuestionSmall.widget(), Qt::LeftButton);
    EXPECT_EQ(form.LabelText.caption(), "") << "the small question text answers a whole click";
    QTest::mouseRelease(form.LabelQuestionSmall.widget(), Qt::LeftButton);
    EXPECT_EQ(form.LabelText.caption(), next);
    form.LabelText.setCaption({});
    QTest::mousePress(form.Picture1.widget(), Qt::RightButton);
    EXPECT_EQ(form.LabelText.caption(), next);
}

}  // namespace
