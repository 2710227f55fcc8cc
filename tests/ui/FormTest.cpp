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
    std::vector<int> keys;
    bool handleKeys = true;
    ui::Label label;
    ui::TextBox box;

  protected:
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
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

}  // namespace
