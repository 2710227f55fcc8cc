#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "ui/Buttons.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/QtColor.h"
#include "ui/QtPlatform.h"
#include "ui/TabStrip.h"
#include "ui/TextBox.h"

namespace {

struct Host {
    QWidget window;
    Host() {
        window.resize(400, 300);
        window.show();
    }
};

TEST(Label, KeepsCaptionAndColoursAsSetAndPaintsThem) {
    Host host;
    ui::Label label(&host.window, "Alpha");
    EXPECT_EQ(label.caption(), "Alpha");
    EXPECT_EQ(label.backColor(), ui::colors::buttonFace);
    label.setBackColor(ui::colors::orange);
    label.setCaption("Tigers");
    EXPECT_EQ(label.backColor(), ui::colors::orange);
    EXPECT_EQ(label.label()->text(), "Tigers");
    EXPECT_EQ(label.widget()->palette().color(QPalette::Window), QColor(255, 128, 0));
}

// Views that mirror a window hear of each change of what a control shows, once, and of
// nothing that leaves it as it was.
TEST(Label, TellsOfEachChangeOfWhatItShowsOnce) {
    Host host;
    ui::Label label(&host.window, "Alpha");
    int told = 0;
    QObject::connect(&label, &ui::Control::looksChanged, [&] { ++told; });
    const std::function<void()> unchanged[] = {
        [&] { label.setCaption("Alpha"); }, [&] { label.setBackColor(ui::colors::buttonFace); },
        [&] { label.setForeColor(ui::colors::buttonText); }, [&] { label.setVisible(true); }};
    for (const auto& change : unchanged) {
        change();
    }
    EXPECT_EQ(told, 0);
    const std::function<void()> changes[] = {
        [&] { label.setCaption("Alpha "); }, [&] { label.setBackColor(ui::colors::orange); },
        [&] { label.setForeColor(ui::colors::red); }, [&] { label.setVisible(false); },
        [&] { label.setCaption({}); }};
    for (const auto& change : changes) {
        const int before = told;
        change();
        EXPECT_EQ(told, before + 1);
    }
}

TEST(Label, VisibleIsTheLabelsOwnStateNotItsParents) {
    QWidget hiddenParent;  // never shown
    ui::Label label(&hiddenParent, "x");
    EXPECT_TRUE(label.visible());
    label.setVisible(false);
    EXPECT_FALSE(label.visible());
}

TEST(Label, MouseDownReportsTheButtonOfARealClick) {
    Host host;
    ui::Label label(&host.window, "Name");
    label.move(0, 0, 100, 40);
    std::vector<int> buttons;
    label.MouseDown = [&](int b) { buttons.push_back(b); };
    QTest::mouseClick(label.widget(), Qt::LeftButton);
    QTest::mouseClick(label.widget(), Qt::RightButton);
    EXPECT_EQ(buttons, (std::vector<int>{ui::kLeftButton, ui::kRightButton}));
}

TEST(Label, TheSecondPressOfADoubleClickIsAMouseDown) {
    Host host;
    ui::Label label(&host.window, "5");
    label.move(0, 0, 100, 40);
    int downs = 0;
    label.MouseDown = [&](int) { ++downs; };
    // A quick second click reaches the label as a double click, and still counts.
    QTest::mouseClick(label.widget(), Qt::LeftButton);
    QTest::mouseDClick(label.widget(), Qt::LeftButton);
    EXPECT_EQ(downs, 2);
}

TEST(Label, FitTextShrinksTheFontUntilTheCaptionFits) {
    Host host;
    ui::Label label(&host.window);
    label.setFont({"Arial", 72, false});
    label.move(0, 0, 120, 100);
    label.setFitText(true);
    label.setCaption("-32768");
    const double fitted = label.widget()->font().pointSizeF();
    EXPECT_LT(fitted, 72);
    EXPECT_LE(QFontMetricsF(label.widget()->font()).horizontalAdvance("-32768"), 120);
    label.setCaption("5");
    EXPECT_GT(label.widget()->font().pointSizeF(), fitted) << "a short caption gets its size back";
    EXPECT_EQ(label.font().size, 72) << "the design size is kept";
}

TEST(Label, ACentredLabelPaintsItsCaptionWithoutTheBlanksAroundIt) {
    Host host;
    ui::Label label(&host.window, " 25");
    label.setFont({"Arial", 40, false});
    label.move(0, 0, 300, 80);
    label.setAlignment(Qt::AlignCenter);
    EXPECT_EQ(label.caption(), " 25") << "the program reads its blank back";
    EXPECT_EQ(label.label()->text(), "25");
    // The ink of "25" sits in the middle of the box.
    const QImage image = label.widget()->grab().toImage();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 150, 2.0);

    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(label.label()->text(), " 25") << "other alignments paint the caption as it is";
}

TEST(Label, AFittedLabelRefitsWhenItsFontChanges) {
    Host host;
    ui::Label label(&host.window, "Lincoln High Tigers");
    label.move(0, 0, 150, 60);
    label.setFitText(true);
    label.setFont({"Arial", 40, false});
    EXPECT_LE(QFontMetricsF(label.widget()->font()).horizontalAdvance("Lincoln High Tigers"), 150);
}

TEST(TextBox, ChangeRunsForTypedAndSetText) {
    Host host;
    ui::TextBox box(&host.window, "Team 1");
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.setText("Owls");
    QTest::keyClicks(box.widget(), "!");
    EXPECT_EQ(box.text(), "Owls!");
    EXPECT_EQ(changes, 2);
}

TEST(CheckBox, ValueIsZeroOrOneAndSettingItRunsChange) {
    Host host;
    ui::CheckBox box(&host.window, "Disable Match Timer");
    int changes = 0;
    box.Change = [&] { ++changes; };
    EXPECT_EQ(box.value(), 0);
    box.setValue(1);
    EXPECT_EQ(box.value(), 1);
    QTest::mouseClick(box.widget(), Qt::LeftButton, {}, QPoint(5, box.widget()->height() / 2));
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(changes, 2);
}

TEST(OptionButton, ButtonsOfOneContainerAreExclusiveAndSelectionRunsClick) {
    Host host;
    ui::OptionButton one(&host.window, "1"), five(&host.window, "5");
    std::vector<int> clicks;
    one.Click = [&] { clicks.push_back(1); };
    five.Click = [&] { clicks.push_back(5); };
    one.setValue(true);
    five.setValue(true);
    EXPECT_FALSE(one.value());
    EXPECT_TRUE(five.value());
    five.setValue(false);
    EXPECT_FALSE(five.value()) << "a selected option can be cleared from code";
    EXPECT_EQ(clicks, (std::vector<int>{1, 5}));
}

// The score-step tabs of a board scale with the screen; a click anywhere on a tab counts.
TEST(OptionButton, AClickAnywhereOnTheButtonSelectsIt) {
    Host host;
    ui::OptionButton one(&host.window, "1"), ten(&host.window, "10");
    one.move(0, 0, 160, 60);
    ten.move(0, 70, 160, 60);
    one.setValue(true);
    QTest::mouseClick(ten.widget(), Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_TRUE(ten.value());
    EXPECT_FALSE(one.value());
}

TEST(CommandButton, ClickRunsTheHandlerAndBoardButtonsTakeNoFocus) {
    Host host;
    ui::CommandButton button(&host.window, "DONE");
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    QTest::mouseClick(button.widget(), Qt::LeftButton);
    button.click();
    EXPECT_EQ(clicks, 2);
    button.setTakesFocus(false);
    EXPECT_EQ(button.widget()->focusPolicy(), Qt::NoFocus);
}

TEST(MenuItem, CheckMarksChangeOnlyThroughHandlers) {
    QMainWindow window;
    ui::MenuItem file(window.menuBar(), "&Setup");
    ui::MenuItem speaker(file, "&Quorvantix Speaker");
    speaker.setChecked(true);
    int clicks = 0;
    speaker.Click = [&] { ++clicks; };
    speaker.action()->trigger();  // as a person choosing it
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(speaker.checked());
    EXPECT_TRUE(speaker.action()->isChecked());
    speaker.setEnabled(false);
    speaker.click();
    EXPECT_EQ(clicks, 1) << "a disabled item does nothing";
}

TEST(MenuItem, AnItemWithItemsBecomesASubmenuKeepingItsPlaceAndState) {
    QMainWindow window;
    ui::MenuItem setup(window.menuBar(), "&Setup");
    ui::MenuItem rf(setup, "RF Wireless Options");
    ui::MenuItem more(setup, "&More Set-up Options");
    rf.setEnabled(false);
    ui::MenuItem code(rf, "Change Transmitter Code (RF Only)");
    EXPECT_FALSE(rf.enabled());
    const QList<QAction*> actions = setup.submenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "RF Wireless Options");
    EXPECT_NE(actions[0]->menu(), nullptr);
    EXPECT_EQ(actions[1]->text(), "&More Set-up Options");
}

TEST(TabStrip, SelectingATabRunsClickAndReportsOneBasedIndex) {
    Host host;
    ui::TabStrip tabs(&host.window, {"Teams 1-3", "Teams 4-6", "Teams 7-9", "Team 10"});
    std::vector<int> seen;
    tabs.Click = [&] { seen.push_back(tabs.selectedIndex()); };
    tabs.select(3);
    tabs.select(1);
    tabs.select(1);
    EXPECT_EQ(seen, (std::vector<int>{3, 1, 1}));
    EXPECT_EQ(tabs.caption(4), "Team 10");
}

TEST(QtPlatform, FileFilterBecomesQtForm) {
    EXPECT_EQ(ui::toQtFilter("Setup Files|*.txt"), "Setup Files (*.txt)");
    EXPECT_EQ(ui::toQtFilter("Wave|*.wav|All|*.*"), "Wave (*.wav);;All (*.*)");
}

TEST(QtColor, SystemColoursComeFromThePalette) {
    EXPECT_EQ(ui::toQColor(ui::colors::buttonFace),
              QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ui::toQColor(ui::colors::orange), QColor(255, 128, 0));
}

}  // namespace
