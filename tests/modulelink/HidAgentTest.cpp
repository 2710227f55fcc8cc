#include <gtest/gtest.h>

#include "AgentFixture.h"
#include "Descriptors.h"
#include "modulelink/AgentInterface.h"
#include "modulelink/HidDescriptor.h"

using namespace modulelink;
using test::AgentFixture;
using test::kTeamModule;

TEST_F(AgentFixture, StoredDefaults) {
    EXPECT_EQ(agent.LogFile(), "HidLog.txt");
    EXPECT_FALSE(agent.Logging());
    EXPECT_EQ(agent.TimeOut(), 3000);
    EXPECT_FALSE(agent.SearchOnVID());
    EXPECT_FALSE(agent.SearchOnPID());
    EXPECT_EQ(agent.VID_To_Match(), 0);
    EXPECT_EQ(agent.PID_To_Match(), 0);
    EXPECT_FALSE(agent.Verbose());
    EXPECT_FALSE(agent.ShowOperations());
    EXPECT_EQ(agent.OpenInterfaceCount(), 0);
    EXPECT_EQ(agent.CurrentHidHandle(), 0);
}

TEST_F(AgentFixture, OpensMatchingVendorOnlyAndRaisesOpenedWithPositions) {
    addDevice(kTeamModule);
    addDevice(kTeamModule, 0x046D);
    addDevice(kTeamModule);
    std::vector<std::int32_t> currentInsideEvent;
    QObject::connect(&agent, &HidAgent::InterfaceOpened, &agent,
                     [&](int, int, int, const QString&) {
                         currentInsideEvent.push_back(agent.CurrentHidHandle());
                     });
    EXPECT_TRUE(openAll());
    ASSERT_EQ(agent.OpenInterfaceCount(), 2);
    const std::int32_t h1 = agent.SelectOpenInterface(0);
    const std::int32_t h2 = agent.SelectOpenInterface(1);
    EXPECT_GT(h1, 0);
    EXPECT_GT(h2, 0);
    EXPECT_NE(h1, h2);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("opened %1 at 1").arg(h1),
                                            QStringLiteral("opened %1 at 2").arg(h2)}));
    EXPECT_EQ(currentInsideEvent, (std::vector<std::int32_t>{h1, h2}));
    EXPECT_EQ(agent.CurrentVendorId(), 6561);
    EXPECT_EQ(agent.CurrentProductId(), 2012);

    events.clear();
    EXPECT_TRUE(openAll()) << "already open interfaces still count as found";
    EXPECT_TRUE(events.empty()) << "nothing is opened twice";
}

TEST_F(AgentFixture, NothingToOpenReturnsFalse) {
    addDevice(kTeamModule, 0x1234);
    EXPECT_FALSE(openAll());
    agent.setSearchOnPID(true);
    agent.setPID_To_Match(4097);
    addDevice(kTeamModule);  // product 2012
    EXPECT_FALSE(openAll());
}

TEST_F(AgentFixture, FindVariableSearchesOnlyTheCurrentInterfaceAndReportType) {
    addDevice(kTeamModule);
    addDevice(descriptors::kBootMouse);
    ASSERT_TRUE(openAll());
    const int data1 = variableOf(0, 0x30);
    EXPECT_GE(data1, 0);
    EXPECT_EQ(variableOf(0, 0x30, 1), -1) << "Data1 is not in an output report";
    EXPECT_GE(variableOf(0, 0x3E, 1), 0);
    EXPECT_EQ(variableOf(0, 0x38), -1);
    const int mouseX = variableOf(1, 0x30);
    EXPECT_GE(mouseX, 0);
    EXPECT_NE(mouseX, data1);
    EXPECT_NE(agent.VariableReportIndex(mouseX), agent.VariableReportIndex(data1));
}

TEST_F(AgentFixture, AttributesOfTheSelectedVariable) {
    addDevice(descriptors::kGamepad);
    ASSERT_TRUE(openAll());
    const int hat = agent.FindVariable(1, 0x39, 0, false);
    agent.SelectVariable(hat);
    EXPECT_TRUE(agent.HasNullState());
    EXPECT_EQ(agent.SizeInBits(), 4);
    EXPECT_EQ(agent.PhysicalMaximum(), 315);
    EXPECT_EQ(agent.LogicalMaximum(), 7);
    EXPECT_TRUE(agent.AbsoluteNotRelative());
    EXPECT_FALSE(agent.ArrayNotVariable());
    EXPECT_TRUE(agent.BitsNotBuffer());
    EXPECT_TRUE(agent.Linear());
    EXPECT_TRUE(agent.NoWrap());
    EXPECT_FALSE(agent.IsButton(hat));
    const int button1 = agent.FindVariable(9, 1, 0, false);
    EXPECT_TRUE(agent.IsButton(button1));
    agent.SetUnscaledValue(hat, 7);
    EXPECT_EQ(agent.GetScaledValue(hat), 315);
    agent.SetScaledValue(hat, 90);
    EXPECT_EQ(agent.GetUnscaledValue(hat), 2);
    agent.NameVariable(hat, "Hat");
    EXPECT_EQ(agent.VariableName(hat), "Hat");

    agent.SelectVariable(hat);
    agent.setVarScaleMode(1);
    EXPECT_EQ(agent.VarScaleMode(), 1);
    agent.SelectVariable(12345);
    EXPECT_EQ(agent.SizeInBits(), 0) << "an unknown variable has safe defaults";
    EXPECT_FALSE(agent.IsButton(-1));
    EXPECT_EQ(agent.VariableReportIndex(-7), -1);
}

TEST_F(AgentFixture, ReadUnpacksWithSignAndZeroExtension) {
    test::ScriptedDevice& mouse = addDevice(descriptors::kBootMouse);
    test::ScriptedDevice& pad = addDevice(descriptors::kGamepad);
    ASSERT_TRUE(openAll());
    const int x = variableOf(0, 0x30);
    const int y = variableOf(0, 0x31);
    agent.SelectOpenInterface(0);
    const int button3 = agent.FindVariable(9, 3, 0, false);
    mouse.send({0x05, 0xFB, 0x7F});
    ASSERT_TRUE(read(x));
    EXPECT_EQ(agent.GetUnscaledValue(x), -5);
    EXPECT_EQ(agent.GetUnscaledValue(y), 127);
    EXPECT_EQ(agent.GetUnscaledValue(button3), 1);

    const int stickX = variableOf(1, 0x30);
    const int hat = variableOf(1, 0x39);
    pad.send({0x00, 0x00, 0x0F, 0xFB, 0, 0, 0});
    ASSERT_TRUE(read(stickX));
    EXPECT_EQ(agent.GetUnscaledValue(stickX), 251) << "minimum 0: zero-extended";
    EXPECT_EQ(agent.GetUnscaledValue(hat), 15) << "null state outside 0..7 is kept raw";
}

TEST_F(AgentFixture, WritePacksFieldsAndPadding) {
    test::ScriptedDevice& keyboard = addDevice(descriptors::kBootKeyboard);
    ASSERT_TRUE(openAll());
    const int numLock = agent.FindVariable(8, 1, 1, false);
    const int scrollLock = agent.FindVariable(8, 3, 1, false);
    ASSERT_GE(numLock, 0);
    agent.SetUnscaledValue(numLock, 1);
    agent.SetUnscaledValue(scrollLock, 0xFF);  // only its one bit reaches the wire
    agent.SelectReport(agent.VariableReportIndex(numLock));
    ASSERT_TRUE(agent.WriteCurrentReport());
    ASSERT_EQ(keyboard.written.size(), 1u);
    EXPECT_EQ(keyboard.written[0], (Bytes{0x00, 0x05})) << "report id 0, then the LED byte";
}

TEST_F(AgentFixture, ArrayUsagesReadAsPresentAndWriteBack) {
    test::ScriptedDevice& keyboard = addDevice(descriptors::kBootKeyboard);
    ASSERT_TRUE(openAll());
    const int keyA = agent.FindVariable(7, 4, 0, false);
    const int keyB = agent.FindVariable(7, 5, 0, false);
    const int keyC = agent.FindVariable(7, 6, 0, false);
    const int leftShift = agent.FindVariable(7, 0xE1, 0, false);
    agent.SelectVariable(keyA);
    EXPECT_TRUE(agent.ArrayNotVariable());
    EXPECT_TRUE(agent.IsButton(keyA));
    keyboard.send({0x02, 0x00, 0x05, 0x04, 0, 0, 0, 0});
    ASSERT_TRUE(read(keyA));
    EXPECT_EQ(agent.GetUnscaledValue(keyA), 1);
    EXPECT_EQ(agent.GetUnscaledValue(keyB), 1);
    EXPECT_EQ(agent.GetUnscaledValue(keyC), 0);
    EXPECT_EQ(agent.GetUnscaledValue(leftShift), 1);
}

TEST_F(AgentFixture, QueueKeepsThe32NewestAndThenRepeatsTheMostRecent) {
    test::ScriptedDevice& module = addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    const int data1 = variableOf(0, 0x30);
    for (int i = 0; i < 40; ++i) {
        module.send({static_cast<std::uint8_t>(i), 0, 0, 0});
    }
    for (int expected = 8; expected < 40; ++expected) {
        ASSERT_TRUE(read(data1));
        EXPECT_EQ(agent.GetUnscaledValue(data1), expected);
    }
    ASSERT_TRUE(read(data1));
    EXPECT_EQ(agent.GetUnscaledValue(data1), 39) << "nothing pending: the most recent report";
    module.send({200, 0, 0, 0});
    ASSERT_TRUE(read(data1));
    EXPECT_EQ(agent.GetUnscaledValue(data1), 200);
}

TEST_F(AgentFixture, ReportsOfUndeclaredIdsOrCutShortAreDroppedOversizedAreTrimmed) {
    test::ScriptedDevice& media = addDevice(descriptors::kMouseAndMediaKeys);
    ASSERT_TRUE(openAll());
    const int x = agent.FindVariable(1, 0x30, 0, false);
    const int volumeUp = agent.FindVariable(0x0C, 0xE9, 0, false);
    ASSERT_GE(volumeUp, 0);
    media.send({0x09, 0x01, 0x02, 0x03, 0x04});  // report 9 is not declared
    media.send({0x01, 0x01, 0x02});              // report 1 needs 4 bytes
    media.send({});
    agent.setTimeOut(0);
    EXPECT_FALSE(read(x)) << "no valid report 1 ever arrived";
    EXPECT_EQ(agent.droppedReportCount(), 3);
    media.send({0x01, 0x00, 0xFE, 0x00, 0x01, 0xAA, 0xBB});
    ASSERT_TRUE(read(x));
    EXPECT_EQ(agent.GetUnscaledValue(x), -2);
    media.send({0x02, 0xE9, 0x00});
    ASSERT_TRUE(read(volumeUp));
    EXPECT_EQ(agent.GetUnscaledValue(volumeUp), 1);
    EXPECT_EQ(agent.OpenInterfaceCount(), 1) << "bad reports never close the interface";
}

TEST_F(AgentFixture, ReadingAnOutputOrUnknownReportFails) {
    addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    const int command = variableOf(0, 0x3E, 1);
    agent.SelectReport(agent.VariableReportIndex(command));
    EXPECT_FALSE(agent.ReadCurrentReport());
    agent.SelectReport(999);
    EXPECT_FALSE(agent.ReadCurrentReport());
    EXPECT_FALSE(agent.WriteCurrentReport());
    agent.setCurrentRptNum(agent.VariableReportIndex(variableOf(0, 0x30)));
    EXPECT_FALSE(agent.WriteCurrentReport()) << "an input report cannot be written";
}

TEST_F(AgentFixture, FailedWriteClosesTheInterfaceAndTellsAfterTheCall) {
    test::ScriptedDevice& module = addDevice(kTeamModule);
    addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    const std::int32_t first = agent.SelectOpenInterface(0);
    const std::int32_t second = agent.SelectOpenInterface(1);
    const int command = variableOf(0, 0x3E, 1);
    events.clear();
    module.refuseWrites(true);
    EXPECT_FALSE(write(command, 123));
    EXPECT_TRUE(events.empty()) << "not inside the failing call";
    EXPECT_EQ(agent.OpenInterfaceCount(), 1);
    deliverEvents();
    EXPECT_EQ(events, std::vector<QString>{QStringLiteral("closed %1, 1 open").arg(first)});
    EXPECT_EQ(agent.SelectOpenInterface(0), second);
    EXPECT_EQ(agent.GetUnscaledValue(command), 0) << "stale indexes read 0";
    EXPECT_FALSE(write(command, 1));
}

TEST_F(AgentFixture, NumberingSurvivesAClose) {
    addDevice(kTeamModule);
    test::ScriptedDevice& middle = addDevice(kTeamModule);
    test::ScriptedDevice& last = addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    const std::int32_t h1 = agent.SelectOpenInterface(0);
    const std::int32_t h3 = agent.SelectOpenInterface(2);
    const int lastData1 = variableOf(2, 0x30);
    const int lastReport = agent.VariableReportIndex(lastData1);
    agent.PrepareAgent();
    middle.unplug();
    clock.advanceMs(1000);
    ASSERT_EQ(agent.OpenInterfaceCount(), 2);
    EXPECT_EQ(agent.SelectOpenInterface(0), h1);
    EXPECT_EQ(agent.SelectOpenInterface(1), h3);
    EXPECT_EQ(variableOf(1, 0x30), lastData1) << "indexes of other interfaces stay valid";
    EXPECT_EQ(agent.VariableReportIndex(lastData1), lastReport);
    last.send({42, 0, 0, 0});
    ASSERT_TRUE(read(lastData1));
    EXPECT_EQ(agent.GetUnscaledValue(lastData1), 42);

    middle.plug();
    ASSERT_TRUE(openAll());
    EXPECT_EQ(agent.OpenInterfaceCount(), 3);
    const std::int32_t reopened = agent.SelectOpenInterface(2);
    EXPECT_GT(reopened, h3) << "a new opening gets a new handle, at the end of the order";
}

TEST_F(AgentFixture, HotPlugRaisesClosedThenRemovedAndArrivals) {
    test::ScriptedDevice& module = addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    const std::int32_t handle = agent.CurrentHidHandle();
    agent.PrepareAgent();
    events.clear();
    clock.advanceMs(999);
    EXPECT_TRUE(events.empty());
    module.unplug();
    clock.advanceMs(1);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("closed %1, 0 open").arg(handle),
                                            QStringLiteral("removed dev:1")}));
    events.clear();
    addDevice(kTeamModule);
    module.plug();
    clock.advanceMs(1000);
    EXPECT_EQ(events, (std::vector<QString>{"arrived dev:1", "arrived dev:2"}));
    EXPECT_EQ(agent.OpenInterfaceCount(), 0) << "arrival alone opens nothing";
}

TEST_F(AgentFixture, FirstReadWaitsTimeOutOnceThenFails) {
    // A transport that never delivers a report and notes how long it was asked to wait.
    class SilentConnection : public HidConnection {
      public:
        explicit SilentConnection(std::vector<int>& waits) : waits_(waits) {}
        HidReadResult readPending() override { return {}; }
        HidReadResult readWithin(int ms) override {
            waits_.push_back(ms);
            return {};
        }
        HidWriteResult writeOutput(const Bytes&) override { return {true, {}}; }
        HidWriteResult writeFeature(const Bytes&) override { return {true, {}}; }
        HidReadResult readFeature(std::uint8_t, std::size_t) override { return {}; }
        Bytes reportDescriptor(QString*) override { return kTeamModule; }
        QString indexedString(int) override { return {}; }

      private:
        std::vector<int>& waits_;
    };
    class SilentTransport : public HidTransport {
      public:
        std::vector<HidDeviceInfo> enumerate(std::uint16_t) override {
            return {HidDeviceInfo{"silent", 6561, 4097, 0, {}, {}}};
        }
        HidOpenResult open(const std::string&) override {
            return {std::make_unique<SilentConnection>(waits), false, {}};
        }
        std::vector<int> waits;
    } silent;
    HidAgent quiet(silent, clock);
    quiet.setTimeOut(250);
    ASSERT_TRUE(quiet.OpenMatchingDevices());
    const int data1 = quiet.FindVariable(1, 0x30, 0, false);
    quiet.SelectReport(quiet.VariableReportIndex(data1));
    EXPECT_FALSE(quiet.ReadCurrentReport());
    EXPECT_FALSE(quiet.ReadCurrentReport());
    EXPECT_FALSE(quiet.ReadCurrentReport());
    EXPECT_EQ(silent.waits, (std::vector<int>{250})) << "only the first read waits";
    EXPECT_EQ(quiet.OpenInterfaceCount(), 1) << "a timeout is no failure of the interface";
    EXPECT_TRUE(quiet.lastError().contains("250"));
}

TEST_F(AgentFixture, PermissionAndDescriptorProblemsReachTheOperatorOnce) {
    class DeniedTransport : public HidTransport {
      public:
        std::vector<HidDeviceInfo> enumerate(std::uint16_t) override {
            return {HidDeviceInfo{"/dev/hidraw7", 6561, 2012, 0, {}, {}}};
        }
        HidOpenResult open(const std::string&) override {
            return {nullptr, true, QStringLiteral("install the udev rule")};
        }
    } denied;
    HidAgent blocked(denied, clock);
    std::vector<QString> messages;
    QObject::connect(&blocked, &HidAgent::StatusMessage, &blocked,
                     [&](const QString& text) { messages.push_back(text); });
    EXPECT_FALSE(blocked.OpenMatchingDevices());
    EXPECT_FALSE(blocked.OpenMatchingDevices());
    EXPECT_EQ(messages, std::vector<QString>{"install the udev rule"});

    addDevice({0x05, 0x01, 0xA1, 0x01});  // the collection never ends
    EXPECT_FALSE(openAll());
    ASSERT_EQ(statusMessages.size(), 1u);
    EXPECT_TRUE(statusMessages[0].contains("never closed"));
}

TEST_F(AgentFixture, CloseAllInterfacesClosesQuietly) {
    addDevice(kTeamModule);
    addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    events.clear();
    agent.CloseAllInterfaces();
    deliverEvents();
    EXPECT_EQ(agent.OpenInterfaceCount(), 0);
    EXPECT_EQ(agent.CurrentHidHandle(), 0);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(agent.SelectOpenInterface(0), -1);
    EXPECT_FALSE(agent.SelectInterface(1));
}

TEST_F(AgentFixture, AFirstReportThatComesLateIsReadAfterTheWaitWasSpent) {
    test::ScriptedDevice& device = addDevice(test::kTeamModule);
    ASSERT_TRUE(openAll());
    const int data1 = variableOf(0, 0x30);
    agent.SelectReport(agent.VariableReportIndex(data1));
    EXPECT_FALSE(agent.ReadCurrentReport());
    EXPECT_FALSE(agent.ReadCurrentReport());
    device.send({0x42, 0, 0, 0});
    EXPECT_TRUE(agent.ReadCurrentReport());
    EXPECT_EQ(agent.GetUnscaledValue(data1), 0x42);
}

TEST_F(AgentFixture, AnInterfaceBeyondTheLimitsIsRefusedWithAMessageAndTheOthersOpen) {
    addDevice(descriptors::wideBitReports());
    addDevice(descriptors::wideArrayReports());
    addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    EXPECT_EQ(agent.OpenInterfaceCount(), 1) << "only the team module";
    ASSERT_EQ(statusMessages.size(), 2u);
    EXPECT_EQ(statusMessages[0],
              "The HID interface dev:1 has no usable report descriptor: the reports hold more "
              "than 16384 variables at byte 15");
    EXPECT_TRUE(statusMessages[1].startsWith("The HID interface dev:2"));
    EXPECT_TRUE(statusMessages[1].contains("more than 16384 variables"));
}

// Reading a report unpacks that report's fields only, so a team module's small report costs
// the same whatever else its interface declares; every variable belongs to exactly one run.
TEST(AgentInterface, EachReportOwnsOneRunOfVariables) {
    for (const Bytes* descriptor : {&descriptors::kBootKeyboard, &descriptors::kMouseAndMediaKeys,
                                    &descriptors::kGamepad, &kTeamModule}) {
        const HidDescriptorResult parsed = parseHidDescriptor(*descriptor);
        ASSERT_TRUE(parsed.ok);
        AgentInterface intf;
        intf.build(parsed.descriptor, 10, 100);
        std::size_t next = 0;
        for (std::size_t r = 0; r < intf.reports.size(); ++r) {
            const AgentReport& report = intf.reports[r];
            EXPECT_EQ(report.firstVariable, next);
            for (std::size_t p = next; p < next + report.variableCount; ++p) {
                EXPECT_EQ(intf.variables[p].localReport, static_cast<int>(r));
                EXPECT_EQ(intf.variables[p].index, 100 + static_cast<int>(p));
            }
            next += report.variableCount;
        }
        EXPECT_EQ(next, intf.variables.size());
    }
}

TEST(AgentInterface, UnpackingOneReportLeavesTheOthersAlone) {
    const HidDescriptorResult parsed = parseHidDescriptor(descriptors::kMouseAndMediaKeys);
    ASSERT_TRUE(parsed.ok);
    AgentInterface intf;
    intf.build(parsed.descriptor, 0, 0);
    for (AgentVariable& v : intf.variables) {
        v.value = 77;
    }
    const int mouse = intf.localReportOfInput(1);
    intf.unpack(mouse, {0x01, 0xFF, 0x00, 0x00});
    for (const AgentVariable& v : intf.variables) {
        if (v.localReport == mouse) {
            EXPECT_NE(v.value, 77);
        } else {
            EXPECT_EQ(v.value, 77) << "usage " << std::hex << v.usage;
        }
    }
}

// An array element selects logicalMinimum + position; elements outside the usages select
// nothing, and one usage named twice is simply present.
TEST_F(AgentFixture, ArrayElementsCountFromTheLogicalMinimum) {
    const Bytes descriptor = {0x05, 0x09, 0x19, 0x01, 0x29, 0x04, 0x15, 0x10,
                              0x25, 0x13, 0x75, 0x08, 0x95, 0x03, 0x81, 0x00};
    test::ScriptedDevice& device = addDevice(descriptor);
    ASSERT_TRUE(openAll());
    std::vector<int> buttons;
    for (int b = 1; b <= 4; ++b) {
        buttons.push_back(agent.FindVariable(9, b, 0, false));
    }
    const auto present = [&] {
        std::vector<int> values;
        for (int v : buttons) {
            values.push_back(agent.GetUnscaledValue(v));
        }
        return values;
    };
    device.send({0x11, 0x13, 0x11});
    ASSERT_TRUE(read(buttons[0]));
    EXPECT_EQ(present(), (std::vector<int>{0, 1, 0, 1}));
    device.send({0x00, 0x14, 0xFF});  // below, above, far above the declared range
    ASSERT_TRUE(read(buttons[0]));
    EXPECT_EQ(present(), (std::vector<int>{0, 0, 0, 0}));
    device.send({0x10, 0x00, 0x00});
    ASSERT_TRUE(read(buttons[0]));
    EXPECT_EQ(present(), (std::vector<int>{1, 0, 0, 0}));
}
