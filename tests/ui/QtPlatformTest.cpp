#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "ui/QtPlatform.h"

namespace {

// Presses a key in the modal window that the next call puts up; its event loop runs the
// queued press. Should no modal window come, every dialog is closed, so nothing hangs.
void pressInNextModal(Qt::Key key) {
    QTimer::singleShot(0, qApp, [key] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClick(modal, key);
            return;
        }
        ADD_FAILURE() << "no modal window came up";
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(w)) {
                dialog->reject();
            }
        }
    });
}

TEST(QtPlatform, EscOnAnOkCancelQuestionAnswersCancel) {
    ui::QtPlatform qt;
    ui::Platform& platform = qt;
    pressInNextModal(Qt::Key_Escape);
    EXPECT_EQ(platform.messageBox("Caution", ui::MsgButtons::OKCancel), ui::MsgAnswer::Cancel);
    pressInNextModal(Qt::Key_Return);
    EXPECT_EQ(platform.messageBox("Caution", ui::MsgButtons::OKCancel), ui::MsgAnswer::OK);
}

TEST(QtPlatform, ACancelledColourDialogGivesNoColour) {
    ui::QtPlatform platform;
    pressInNextModal(Qt::Key_Escape);
    EXPECT_EQ(platform.colorDialog(ui::colors::blue), std::nullopt);
    pressInNextModal(Qt::Key_Return);
    EXPECT_EQ(platform.colorDialog(ui::Color::rgb(10, 20, 30)), ui::Color::rgb(10, 20, 30))
        << "accepted at once, the dialog gives the colour it started from";
}

}  // namespace
