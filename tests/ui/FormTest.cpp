#include <gtest/gtest.h>

#include <QTest>

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace {

class RecordingForm final : public ui::Form {
  public:
    explicit RecordingForm(const QString& caption)
        : ui::Form(caption), label(client(), "x"), box(client()) {
        label.move(0, 0, 100, 30);
        box.move(0, 40, 100, 30);
    }
    int loads = 0;
    int activations = 0;
    int backgroundMoves = 0;
    std::vector<int> keys;
    bool handleKeys = true;
    ui::Label label;
    ui::TextBox box;

  protected:
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    void Form_MouseMove() override { ++backgroundMoves; }
    bool Form_KeyDown(int key) override {
        keys.push_back(key);
        return handleKeys;
    }
};

TEST(Form, LoadsOnceAndActivatesOnEveryChangeOfFrontForm) {
    RecordingForm a("A"), b("B");
    a.show();
    a.show();
    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(a.activations, 1) << "showing the front form again is no new activation";
    b.show();
    EXPECT_EQ(b.activations, 1);
    a.show();
    EXPECT_EQ(a.activations, 2);
    a.hide();
    EXPECT_EQ(ui::Form::front(), nullptr);
    a.show();
    EXPECT_EQ(a.activations, 3);
    EXPECT_EQ(a.loads, 1);
}

TEST(Form, AClickIntoAFormBehindActivatesItBeforeTheControlSeesTheClick) {
    RecordingForm board("Board"), menu("Menu");
    board.show();
    menu.show();
    int activationsSeenByHandler = -1;
    board.label.MouseDown = [&](int) { activationsSeenByHandler = board.activations; };
    QTest::mouseClick(board.label.widget(), Qt::LeftButton);
    EXPECT_EQ(board.activations, 2);
    EXPECT_EQ(activationsSeenByHandler, 2);
    QTest::mouseClick(board.label.widget(), Qt::LeftButton);
    EXPECT_EQ(board.activations, 2) << "a click in the front form is no activation";
}

TEST(Form, KeyDownSeesEachKeyOnceEvenWhenNoControlTakesIt) {
    RecordingForm form("Board");
    form.show();
    form.handleKeys = false;
    QTest::keyClick(form.label.widget(), Qt::Key_Space);
    EXPECT_EQ(form.keys, (std::vector<int>{Qt::Key_Space}));
}

TEST(Form, AKeySentToTheWindowItselfReachesKeyDownOnce) {
    RecordingForm form("Board");
    form.show();
    form.handleKeys = false;
    QTest::keyClick(form.window(), Qt::Key_Space);
    EXPECT_EQ(form.keys, (std::vector<int>{Qt::Key_Space}));
    QTest::keyClick(form.window(), Qt::Key_Space);
    EXPECT_EQ(form.keys, (std::vector<int>{Qt::Key_Space, Qt::Key_Space}))
        << "a second press of the same key is a new key";
}

TEST(Form, AHandledKeyNeverReachesTheFocusedControl) {
    RecordingForm form("Board");
    form.show();
    QTest::keyClick(form.box.widget(), Qt::Key_A);
    EXPECT_EQ(form.box.text(), "") << "the form took the key";
    form.handleKeys = false;
    QTest::keyClick(form.box.widget(), Qt::Key_A);
    EXPECT_EQ(form.box.text(), "a");
}

TEST(Form, UnloadMakesTheNextShowLoadAgain) {
    RecordingForm form("Menu");
    form.show();
    form.unload();
    EXPECT_FALSE(form.visible());
    form.show();
    EXPECT_EQ(form.loads, 2);
}

TEST(Form, ACompanionNeverTakesTheFrontFromItsOwnerAndPassesKeysOn) {
    RecordingForm board("Board"), question("Question");
    question.setCompanionOf(board);
    board.show();
    question.show();
    question.show();
    EXPECT_EQ(question.activations, 2) << "every showing of a companion is an activation";
    EXPECT_TRUE(board.isFront());
    QTest::mouseClick(question.label.widget(), Qt::LeftButton);
    EXPECT_TRUE(board.isFront()) << "a click into the companion leaves the owner in front";
    QTest::keyClick(question.label.widget(), Qt::Key_Space);
    EXPECT_EQ(board.keys, (std::vector<int>{Qt::Key_Space}));
    EXPECT_TRUE(question.keys.empty());
    question.hide();
    QTest::mouseClick(board.label.widget(), Qt::LeftButton);
    EXPECT_EQ(board.activations, 1) << "the owner was in front all along";
}

TEST(Form, OnlyAMoveOverTheBareBackgroundIsABackgroundMove) {
    RecordingForm form("Board");
    form.window()->move(0, 0);
    form.window()->resize(300, 200);
    form.show();
    QTest::mouseMove(form.label.widget(), {5, 5});
    EXPECT_EQ(form.backgroundMoves, 0) << "the label passes the move on to its parent";
    QTest::mouseMove(form.client(), {250, 150});
    EXPECT_EQ(form.backgroundMoves, 1);
}

}  // namespace
