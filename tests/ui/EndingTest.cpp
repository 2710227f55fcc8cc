// Ending the program: a quit ends the event loop whatever a window would do with a close,
// and only the operator's close button runs a window's close action.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "OperatorClose.h"
#include "ui/Form.h"
#include "ui/QtPlatform.h"

namespace {

// A window whose close button means "go somewhere else", as the boards' does.
class ClosingForm final : public ui::Form {
  public:
    ClosingForm() : ui::Form("Closing") {}
    int closeActions = 0;

  protected:
    void Form_Close() override { ++closeActions; }
};

// Ends a loop that nothing else ended, with code 1. It waits a few rounds of posted events
// first, so that an end already posted takes effect before it.
void endAfterRounds(std::shared_ptr<bool> armed, int rounds) {
    QMetaObject::invokeMethod(
        qApp,
        [armed, rounds] {
            if (!*armed) {
                return;
            }
            if (rounds == 0) {
                QCoreApplication::exit(1);
            } else {
                endAfterRounds(armed, rounds - 1);
            }
        },
        Qt::QueuedConnection);
}

// Runs the event loop; 0 when the quit ended it.
int runTheLoop() {
    auto armed = std::make_shared<bool>(true);
    endAfterRounds(armed, 3);
    const int code = QCoreApplication::exec();
    *armed = false;
    QCoreApplication::processEvents();
    return code;
}

TEST(Ending, OnlyTheOperatorsCloseRunsTheCloseAction) {
    ClosingForm form;
    form.show();
    test::closeAsOperator(form.window());
    EXPECT_EQ(form.closeActions, 1);
    EXPECT_TRUE(form.visible()) << "the action decides; this one keeps the window";

    form.window()->close();  // the program's own close
    EXPECT_EQ(form.closeActions, 1);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(form.window()->isVisible());
}

TEST(Ending, QuitEndsTheLoopEvenWithAWindowThatTurnsClosesIntoSomethingElse) {
    ClosingForm form;
    form.show();
    ui::QtPlatform platform;
    platform.quit();
    EXPECT_EQ(runTheLoop(), 0);
    EXPECT_EQ(form.closeActions, 0);
}

TEST(Ending, BoxesAndDialogsAskedForWhileEndingAnswerAtOnce) {
    ui::QtPlatform qt;
    ui::Platform& platform = qt;
    platform.quit();
    EXPECT_EQ(platform.messageBox("Go on?", ui::MsgButtons::OKCancel), ui::MsgAnswer::Cancel);
    EXPECT_EQ(platform.messageBox("Like this sound?", ui::MsgButtons::YesNoCancel),
              ui::MsgAnswer::Cancel);
    EXPECT_EQ(platform.messageBox("Notice"), ui::MsgAnswer::OK);
    EXPECT_FALSE(platform.openFileDialog({}).has_value());
    EXPECT_FALSE(platform.saveFileDialog({}).has_value());
    EXPECT_FALSE(platform.colorDialog(ui::colors::blue).has_value());
    EXPECT_EQ(runTheLoop(), 0);
}

}  // namespace
