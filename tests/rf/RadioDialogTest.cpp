#include <gtest/gtest.h>

#include <QTest>

#include "FakeModuleExchange.h"
#include "ManualClock.h"
#include "QtPrinters.h"
#include "rf/ChangeChannel.h"
#include "rf/PALevel.h"
#include "rf/RadioValue.h"
#include "rf/XmitterCode.h"

namespace {

struct Radio : ::testing::Test, rf::RadioHost {
    model::MatchSettings settings;
    model::MatchState state;
    test::ManualClock clock;
    std::vector<std::string> log;
    test::FakeModuleExchange modules{state, clock, 1, log};
    std::vector<std::string> hostCalls;
    rf::XmitterCode code{*this, modules, state};
    rf::ChangeChannel channel{*this, modules, settings, state};
    rf::PALevel power{*this, modules, settings, state};

    void showClassicBoard() override { hostCalls.push_back("board"); }
    void armClassicBoard() override { hostCalls.push_back("arm"); }
    void showSetupMenu() override { hostCalls.push_back("menu"); }

    // Types over a box's text as an operator would, key by key.
    static void type(ui::TextBox& box, const char* text) {
        box.edit()->selectAll();
        QTest::keyClicks(box.edit(), text);
    }
    std::vector<int> sent() const { return modules.commands(1); }
};

TEST_F(Radio, TheDialogsStartWithTheirTextsAndBoxes) {
    EXPECT_EQ(code.caption(), "Change Transmitter Code");
    EXPECT_EQ(code.Label1.caption(), "Old Unit Code (1-32)");
    EXPECT_EQ(code.Label2.caption(), "New Unit Code (1-32)");
    EXPECT_EQ(code.Text1.text(), "1");
    EXPECT_EQ(code.Text2.text(), "1");
    EXPECT_EQ(code.Command3.caption(), "Clear/Arm");
    EXPECT_EQ(code.Command2.caption(), "Change Code");
    EXPECT_EQ(code.Command1.caption(), "Cancel");
    EXPECT_TRUE(code.Label4.caption().endsWith("to indicate the code has been changed."));
    EXPECT_EQ(channel.caption(), "Change Channel");
    EXPECT_EQ(channel.Label1.caption(), "Enter Channel (0-15)");
    EXPECT_EQ(channel.Text1.text(), "0");
    EXPECT_EQ(channel.Command2.caption(), "Change Channel");
    EXPECT_EQ(power.caption(), "Change Power Level");
    EXPECT_EQ(power.Label1.caption(), "Enter Power (1-9)");
    EXPECT_EQ(power.Text1.text(), "9");
    EXPECT_EQ(power.Command2.caption(), "Change Power");
    EXPECT_EQ(settings.radioChannel, "0");
    EXPECT_EQ(settings.powerLevel, "9");
}

TEST_F(Radio, EveryChangeOutsideTheRangeLeavesThreeBlanks) {
    struct Case {
        ui::TextBox* box;
        const char* pasted;
        const char* left;
    };
    const std::string forty(40, '7');
    const Case cases[] = {
        {&code.Text1, "33", "   "},          {&code.Text1, "32", "32"},
        {&code.Text1, "abc", "   "},         {&code.Text1, "-4", "   "},
        {&code.Text1, "3.5", "3.5"},         {&code.Text1, "1e3", "   "},
        {&code.Text2, forty.c_str(), "   "}, {&code.Text2, "0", "   "},
        {&channel.Text1, "0", "0"},          {&channel.Text1, "16", "   "},
        {&channel.Text1, "15", "15"},        {&channel.Text1, "abc", "abc"},  // reads 0: valid
        {&channel.Text1, "15.5", "   "},     {&power.Text1, "10", "   "},
        {&power.Text1, "0.5", "   "},        {&power.Text1, "9", "9"},
    };
    for (const Case& c : cases) {
        c.box->setText(c.pasted);
        EXPECT_EQ(c.box->text(), c.left) << c.pasted;
    }
    type(code.Text1, "33");
    EXPECT_EQ(code.Text1.text(), "   ") << "typed: the second digit takes it out of range";
    type(code.Text1, "-4");
    EXPECT_EQ(code.Text1.text(), "   4") << "the minus sign alone was cleared, the 4 stays";
    code.Text1.setText("");
    EXPECT_EQ(code.Text1.text(), "   ") << "a blank unit code is out of range too";
    channel.Text1.setText("99");
    EXPECT_EQ(settings.radioChannel, "   ") << "the summary shows what the box shows";
}

TEST_F(Radio, ChangeCodeSendsTheOldThenTheNewCodeToEveryModule) {
    type(code.Text1, "32");
    type(code.Text2, "1");
    QTest::mouseClick(code.Command2.widget(), Qt::LeftButton);
    EXPECT_EQ(sent(), (std::vector<int>{192, 193}));
    type(code.Text1, "33");
    code.Command2.click();
    EXPECT_EQ(sent(), (std::vector<int>{192, 193, 160, 193})) << "a blank box: the bare offset";
    type(code.Text1, "2.5");
    type(code.Text2, "3.5");
    code.Command2.click();
    EXPECT_EQ(sent().back(), 196) << "halves go to the even neighbour: 195.5 sends 196";
    EXPECT_EQ(sent()[sent().size() - 2], 162) << "162.5 sends 162";
}

TEST_F(Radio, ChannelAndPowerSendTheirValuePlusTheOffset) {
    channel.Command2.click();
    type(channel.Text1, "15");
    channel.Command2.click();
    type(power.Text1, "9");
    power.Command2.click();
    type(power.Text1, "42");
    power.Command2.click();
    EXPECT_EQ(sent(), (std::vector<int>{128, 143, 233, 224}));
    EXPECT_EQ(rf::radioCommand(128, "14.5"), 142);
}

TEST_F(Radio, ClearArmBlanksTheOldCodeAndArmsTheClassicBoard) {
    code.open();
    QTest::mouseClick(code.Command3.widget(), Qt::LeftButton);
    EXPECT_EQ(code.Text1.text(), "   ");
    EXPECT_EQ(hostCalls, (std::vector<std::string>{"board", "arm"}));
    EXPECT_TRUE(sent().empty()) << "the board's arm step sends the commands, not the dialog";
}

TEST_F(Radio, EachOpeningShowsTheBoardAndCancelGoesBackToTheMenu) {
    channel.open();
    QTest::mouseClick(channel.Command1.widget(), Qt::LeftButton);
    EXPECT_FALSE(channel.visible());
    channel.open();
    EXPECT_EQ(hostCalls, (std::vector<std::string>{"board", "menu", "board"}))
        << "another board may have been chosen in between";
    power.open();
    power.Command1.click();
    EXPECT_FALSE(power.visible());
    EXPECT_EQ(power.Text1.text(), "9") << "a hidden dialog keeps its box";
}

}  // namespace
