#include <gtest/gtest.h>

#include "AgentFixture.h"
#include "modulelink/HidObjectError.h"
#include "modulelink/TFourCh.h"

using namespace modulelink;
using test::AgentFixture;
using test::kTeamModule;

namespace {

// A team module whose descriptor lacks Command1 (usage 0x3E).
const Bytes kInputOnly = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x15, 0x00, 0x26,
                          0xFF, 0x00, 0x75, 0x08, 0x95, 0x04, 0x09, 0x30, 0x09,
                          0x31, 0x09, 0x32, 0x09, 0x33, 0x81, 0x02, 0xC0};
// Only Command1.
const Bytes kOutputOnly = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF,
                           0x00, 0x75, 0x08, 0x95, 0x01, 0x09, 0x3E, 0x91, 0x02, 0xC0};

class ModuleObjects : public AgentFixture {
  protected:
    std::int32_t counter = 0;
};

TEST_F(ModuleObjects, DebugNumbersCountVariablesThenTheObject) {
    TFourCh first(counter);
    TFourCh second(counter);
    const auto& vars = first.VarArray();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(vars[static_cast<std::size_t>(i)]->ClassDebugID(), i + 1);
    }
    EXPECT_EQ(first.ClassDebugID(), 6);
    EXPECT_EQ(second.Data1().ClassDebugID(), 7);
    EXPECT_EQ(second.ClassDebugID(), 12);
    EXPECT_EQ(first.Command1().VarName(), "Command1");
    EXPECT_EQ(first.Command1().RptType(), 1);
    EXPECT_EQ(first.Data4().Usage(), 0x33);
    EXPECT_FALSE(first.isActive());
    EXPECT_EQ(first.inputReportIndexA(), -1);
    EXPECT_EQ(first.VariableCount(), 5);
    EXPECT_TRUE(first.IsAllUnbound());
}

TEST_F(ModuleObjects, BindVarsBindsAllFiveAndReadsAndWritesTheReports) {
    test::ScriptedDevice& device = addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    TFourCh module(counter);
    EXPECT_EQ(module.BindVars(agent), 0);
    EXPECT_TRUE(module.isActive());
    EXPECT_GE(module.inputReportIndexA(), 0);
    EXPECT_GE(module.outputReportIndexB(), 0);
    EXPECT_TRUE(module.HasHandle(agent.CurrentHidHandle()));
    EXPECT_EQ(module.Data1().LogicalMaximum(), 255);
    EXPECT_EQ(module.Data1().SizeInBits(), 8);
    EXPECT_EQ(agent.VariableName(module.Data3().VarIndex()), "Data3");
    EXPECT_EQ(module.Data2().ScaleMode(), 1) << "binding asks for unscaled values only";

    device.send({0xBF, 1, 2, 128});
    ASSERT_TRUE(module.ReadAllReports());
    EXPECT_EQ(module.Data1().UnScaledValue(), 0xBF);
    EXPECT_EQ(module.Data4().UnScaledValue(), 128);
    module.Command1().setUnScaledValue(125);
    ASSERT_TRUE(module.WriteAllReports());
    EXPECT_EQ(device.written.back(), (Bytes{0, 125}));
}

TEST_F(ModuleObjects, MissingCommandUsageBindsFourReadsWorkWritesFail) {
    test::ScriptedDevice& device = addDevice(kInputOnly);
    ASSERT_TRUE(openAll());
    TFourCh module(counter);
    EXPECT_EQ(module.BindVars(agent), 1);
    EXPECT_EQ(module.outputReportIndexB(), -1);
    device.send({7, 0, 0, 0});
    EXPECT_TRUE(module.ReadAllReports());
    EXPECT_EQ(module.Data1().UnScaledValue(), 7);
    module.Command1().setUnScaledValue(123);  // dropped: unbound
    EXPECT_EQ(module.Command1().UnScaledValue(), 0);
    EXPECT_FALSE(module.WriteAllReports());
    EXPECT_TRUE(device.written.empty());
}

TEST_F(ModuleObjects, APartialModuleIsCompletedByTheNextOpening) {
    addDevice(kInputOnly);
    ASSERT_TRUE(openAll());
    TFourCh module(counter);
    ASSERT_EQ(module.BindVars(agent), 1);
    const std::int32_t firstHandle = agent.CurrentHidHandle();
    addDevice(kOutputOnly);
    ASSERT_TRUE(openAll());
    EXPECT_EQ(module.BindVars(agent), 0) << "the interface opened last becomes current";
    EXPECT_TRUE(module.HasHandle(firstHandle));
    EXPECT_TRUE(module.HasHandle(agent.CurrentHidHandle()));
    EXPECT_NE(module.Command1().HidHandle(), module.Data1().HidHandle());
}

TEST_F(ModuleObjects, OtherVendorsAreNotTeamModules) {
    addDevice(kTeamModule, 0x046D);
    agent.OpenMatchingDevices();  // no vendor filter
    ASSERT_EQ(agent.OpenInterfaceCount(), 1);
    TFourCh module(counter);
    EXPECT_EQ(module.BindVars(agent), -1);
    EXPECT_TRUE(module.IsAllUnbound());
}

TEST_F(ModuleObjects, HidClosedUnbindsOnlyItsOwnInterface) {
    addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    TFourCh module(counter);
    ASSERT_EQ(module.BindVars(agent), 0);
    const std::int32_t handle = module.Data1().HidHandle();
    const std::int32_t reportA = module.inputReportIndexA();

    module.HidClosed(nullptr, 1, "other", handle + 100);
    EXPECT_EQ(module.UnboundVarCount(), 0);
    EXPECT_EQ(module.inputReportIndexA(), reportA);
    EXPECT_EQ(module.Data1().VarName(), "Data1");

    module.HidClosed(nullptr, 0, "this", handle);
    EXPECT_TRUE(module.IsAllUnbound());
    EXPECT_EQ(module.inputReportIndexA(), -1);
    EXPECT_EQ(module.outputReportIndexB(), -1);
    EXPECT_EQ(module.Data1().VarName(), "") << "UnBind clears the name";
    EXPECT_EQ(module.Data1().HidHandle(), handle) << "the handle is kept";
    EXPECT_EQ(module.Data1().SizeInBits(), 8) << "so is the size";
    EXPECT_FALSE(module.ReadAllReports());
}

TEST_F(ModuleObjects, ReBindWithoutData1KeepsReportAUnknown) {
    addDevice(kTeamModule);
    addDevice(kOutputOnly);
    ASSERT_TRUE(openAll());
    agent.SelectOpenInterface(0);
    TFourCh module(counter);
    // Bind within the first interface, then pretend it re-appeared as the second.
    ASSERT_EQ(module.ReBind(agent), 0);
    agent.SelectInterface(agent.SelectOpenInterface(1));
    EXPECT_EQ(module.ReBind(agent), 4);
    EXPECT_EQ(module.inputReportIndexA(), -1);
    EXPECT_GE(module.outputReportIndexB(), 0);
    EXPECT_FALSE(module.ReadAllReports());
    EXPECT_EQ(module.Data1().VarName(), "");
    EXPECT_EQ(agent.VariableName(module.Command1().VarIndex()), "")
        << "after UnBind the agent's variable is named with empty text";
}

TEST_F(ModuleObjects, UnboundVariableReadsZeroAndDoesNoIo) {
    TOneHidVar var(counter);
    var.DoCreate(0, 1, 0x30, "Data1");
    EXPECT_FALSE(var.IsBound());
    EXPECT_EQ(var.UnScaledValue(), 0);
    EXPECT_EQ(var.ScaledValue(), 0);
    EXPECT_EQ(var.ScaleMode(), 1);
    EXPECT_FALSE(var.Update(true));
    EXPECT_FALSE(var.BoolValue());
    addDevice(kOutputOnly);
    ASSERT_TRUE(openAll());
    EXPECT_FALSE(var.Bind(agent)) << "usage 0x30 is absent";
    EXPECT_EQ(var.VarIndex(), -1);
    EXPECT_EQ(var.RptIndex(), -1);
    EXPECT_FALSE(var.Update(false));
}

TEST_F(ModuleObjects, UpdateReadsInputsWhateverDataInSays) {
    test::ScriptedDevice& device = addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    TOneHidVar data2(counter);
    data2.DoCreate(0, 1, 0x31, "Data2");
    ASSERT_TRUE(data2.Bind(agent));
    device.send({0, 77, 0, 0});
    EXPECT_TRUE(data2.Update(false));
    EXPECT_EQ(data2.UnScaledValue(), 77);
    EXPECT_TRUE(device.written.empty());
    TOneHidVar command(counter);
    command.DoCreate(1, 1, 0x3E, "Command1");
    ASSERT_TRUE(command.Bind(agent));
    command.setScaledValue(20);
    EXPECT_TRUE(command.Update(true));
    EXPECT_EQ(device.written.back(), (Bytes{0, 20}));
    TOneHidVar odd(counter);
    odd.DoCreate(7, 1, 0x3E, "odd");
    EXPECT_FALSE(odd.Bind(agent));
}

TEST_F(ModuleObjects, ErrorsInsideGuardedMembersBecomeTheStandardError) {
    test::ScriptedDevice& device = addDevice(kTeamModule);
    ASSERT_TRUE(openAll());
    TFourCh module(counter);
    ASSERT_EQ(module.BindVars(agent), 0);
    QObject::connect(&agent, &HidAgent::ReportArrived, &agent,
                     [](int, int) { throw std::runtime_error("handler failed"); });
    device.send({1, 2, 3, 4});
    try {
        module.Data1().Update(true);
        FAIL() << "the error must come through";
    } catch (const HidObjectError& e) {
        EXPECT_EQ(e.number(), -2147211505);
        EXPECT_EQ(e.source(), "OneHidVar:Update Method");
        EXPECT_EQ(e.description(), "An unknown error has occurred!");
    }
}

TEST_F(ModuleObjects, ReplacingANamedVariableLeavesVarArrayAlone) {
    TFourCh module(counter);
    TOneHidVar* original = module.VarArray()[0].get();
    auto replacement = std::make_shared<TOneHidVar>(counter);
    module.setData1(replacement);
    EXPECT_EQ(&module.Data1(), replacement.get());
    EXPECT_EQ(module.VarArray()[0].get(), original);
    module.setCommand1(nullptr);
    const std::int32_t before = counter;
    TOneHidVar& fresh = module.Command1();
    EXPECT_EQ(fresh.ClassDebugID(), before + 1);
    EXPECT_FALSE(fresh.IsBound());
    EXPECT_EQ(&module.Command1(), &fresh);
}

}  // namespace
