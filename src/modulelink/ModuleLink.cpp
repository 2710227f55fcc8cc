#include "modulelink/ModuleLink.h"

#include <QMetaObject>
#include <algorithm>
#include <utility>

#include "model/MatchSettings.h"
#include "model/NumberText.h"
#include "model/Supplier.h"
#include "modulelink/HidObjectError.h"
#include "modulelink/ModuleCommands.h"

namespace modulelink {
using namespace command;
namespace {
constexpr int kVendorId = 6561;
constexpr int kIdle = 255;
constexpr int kIdle512 = 1023;
constexpr int kStaleReportDrains = 8;
constexpr int kNopReaderPasses = 32;

}  // namespace

ModuleLink::ModuleLink(HidAgent& agent, model::MatchState& state, ui::Platform& platform,
                       ui::Clock& clock, StartupHost& host)
    : agent_(agent), state_(state), platform_(platform), host_(host), tmrDelay_(clock, 200) {
    tmrDelay_.onTick = [this] { tmrDelay_.stop(); };  // one interval: the settling window
    connect(&agent_, &HidAgent::InterfaceOpened, this, &ModuleLink::InterfaceOpened);
    connect(&agent_, &HidAgent::InterfaceClosed, this, &ModuleLink::InterfaceClosed);
    connect(&agent_, &HidAgent::DeviceArrived, this, &ModuleLink::DeviceArrived);
    connect(&agent_, &HidAgent::DeviceRemoved, this, &ModuleLink::DeviceRemoved);
    connect(&agent_, &HidAgent::StatusMessage, this, &ModuleLink::StatusMessage);
    connect(&agent_, &HidAgent::ReportArrived, this, &ModuleLink::ReportArrived);
    connect(&agent_, &HidAgent::ReportsWaiting, this, &ModuleLink::ReportsWaiting);
}

ModuleLink::~ModuleLink() = default;

void ModuleLink::Load() {
    state_.startupComplete = false;
    for (int i = 0; i < model::kTeamSlots; ++i) {
        state_.teamModuleHandle[i] = 0;
    }
}

bool ModuleLink::Activate() {
    if (state_.shutdownInProgress) {
        return false;  // no search once the program is ending
    }
    activating = true;
    AddToResults("");
    ConfigureAgent();
    if (!FindModules()) {
        return false;  // the operator quit; the program ends
    }
    platform_.seedRandom(platform_.secondsSinceMidnight());
    activating = false;
    return true;
}

void ModuleLink::AddToResults(const QString& text) {
    ResultsMemo += text + "\r\n";
    host_.captionsChanged();
}

TFourCh* ModuleLink::LastModule() const {
    return ModuleCollection.empty() ? nullptr : ModuleCollection.back().get();
}

TFourCh* ModuleLink::moduleAt(int position) const {
    if (position < 1 || position > moduleCount()) {
        return nullptr;
    }
    return ModuleCollection[static_cast<std::size_t>(position - 1)].get();
}

void ModuleLink::ConfigureAgent() {
    agent_.setShowOperations(false);
    agent_.setVerbose(false);
    agent_.PrepareAgent();
}

bool ModuleLink::FindModules() {
    for (;;) {
        agent_.setVID_To_Match(kVendorId);
        agent_.setPID_To_Match(4097);
        agent_.setSearchOnPID(false);
        agent_.setSearchOnVID(true);
        if (agent_.OpenMatchingDevices()) {
            break;
        }
        platform_.beep();
        const QString request =
            QStringLiteral(
                "Please connect all Quorvantix USB Team Modules at this time.\r\n"
                "If this message presists, an Quorvantix Module may be defective.\r\n"
                "Report problems at %1 \r\n"
                "When ready, Click OK. or Cancel to quit.")
                .arg(model::kSupplierWebAddress);
        const ui::MsgAnswer answer =
            platform_.messageBox(request, ui::MsgButtons::OKCancel, ui::MsgIcon::Information);
        if (answer == ui::MsgAnswer::Cancel) {
            platform_.quit();
            return false;
        }
        // A module unplugged during a match can end the program while this message is up;
        // once that shutdown has begun the message boxes return at once, so stop asking.
        if (state_.shutdownInProgress) {
            return false;
        }
    }
    // With other makers' buzzers only, the last one opened keeps its own ids there.
    Label2 = quorvantixFound ? "Quorvantix USB Interface From Lumetrica"
                             : "Other buzzers: Buzz! and game controllers";
    if (quorvantixFound) {
        Label3 = "USB Vendor #: 1240";
    }
    host_.captionsChanged();
    return true;
}

void ModuleLink::InterfaceOpened(int, int, int position, const QString&) {
    if (state_.shutdownInProgress) {
        return;  // a search that a removal cut short: the program is ending
    }
    state_.teamCount = 0;
    state_.modelNumber = agent_.CurrentProductId();
    const std::optional<HidDeviceInfo::StandIn> standIn = agent_.CurrentStandIn();
    // Another maker's buzzer shows its own ids, unless a Quorvantix module was there first:
    // the ids then stay the module's, below the maker's line the search ends with.
    if (!standIn) {
        quorvantixFound = true;
        Label3 = "USB Vendor ID#:" + model::signedText(agent_.CurrentVendorId());
        Label4 = "Model #:" + model::signedText(state_.modelNumber);
    } else if (!quorvantixFound) {
        Label3 = "USB Vendor ID#:" + model::signedText(standIn->vendorId);
        Label4 = "Model #:" + model::signedText(standIn->productId);
    }
    host_.captionsChanged();
    if (state_.modelNumber == 901) {
        state_.modelNumber = 4097;
    }
    const int openedModel = state_.modelNumber;  // another opening may change it meanwhile
    state_.inputBufferCount = 32;
    platform_.beep();

    TFourCh* last = LastModule();
    const bool fresh = last == nullptr || last->UnboundVarCount() == 0;
    std::unique_ptr<TFourCh> created;
    TFourCh* object = last;
    if (fresh) {
        created = std::make_unique<TFourCh>(state_.classDebugCounter);
        object = created.get();
    }
    if (object->BindVars(agent_) < 0) {
        platform_.messageBox("Device not recognized asTFourCh object");
    } else if (fresh) {
        ModuleCollection.push_back(std::move(created));
    }
    const std::int32_t handle = agent_.CurrentHidHandle();

    TFourCh* module = moduleAt(position);
    if (module == nullptr) {
        return;  // the interface was not taken as a team module
    }
    module->modelNumber = state_.modelNumber;
    module->armEcho.setLatchesOnArrival(standIn.has_value());
    if (!writeCommand(*module, kStartUp)) {
        platform_.messageBox(
            "Error writitng to the Team Module.  Try disconnecting and reconnecting this "
            "module.\rIf you are using a USB cable 15 feet or longer please replace it with a "
            "shorter cable\rIF problem persists, moduke should be returned for service.");
        AddToResults("THERES BEEN A WRITE ERROR");
        return;
    }
    waitForClockTick();
    for (int i = 0; i < kStaleReportDrains; ++i) {
        ReportReader();
    }
    // The drains' messages run event loops, in which this interface can close (its object
    // gone with it) and others open: go on with this interface's object only.
    module = moduleOfHandle(handle);
    if (module == nullptr || !module->ReadAllReports()) {
        platform_.beep();
        AddToResults(
            "+ + + Unable to READ from device! Please disconnect and reconnect this unit. + + +");
        return;
    }
    assignTeamSlots(handle, openedModel, module->Data1().UnScaledValue(),
                    standIn ? standIn->name : QString());
}

TFourCh* ModuleLink::moduleOfHandle(std::int32_t handle) const {
    for (const auto& module : ModuleCollection) {
        if (module->HasHandle(handle) && !module->IsAllUnbound()) {
            return module.get();
        }
    }
    return nullptr;
}

// The module's identity bits (Data1 bits 7-5 of its first report) pick its team slots.
void ModuleLink::assignTeamSlots(std::int32_t handle, int modelNumber, int data1,
                                 const QString& standIn) {
    const int s = data1 & 0xE0;
    std::vector<int> served;  // 1-based slots
    QString line;
    if (model::MatchState::isRfModel(modelNumber)) {
        served = {1, 2, 3, 4};
        line = "  RF Wireless Interface is connected and working.";
    } else if (model::MatchState::isTwoTeamModel(modelNumber)) {
        const int first = s == 0xE0 ? 1 : s == 0xA0 ? 3 : s == 0x80 ? 5 : 0;
        if (first != 0) {
            served = {first, first + 1};
            line = QString("  Team Interface %1-%2 is connected and working.")
                       .arg(first)
                       .arg(first + 1);
        }
    } else if (model::MatchState::isOneTeamModel(modelNumber)) {
        const int slot = 8 - (s >> 5);
        served = {slot};
        line = standIn.isEmpty()
                   ? QString("  Team Interface %1 is connected and working.").arg(slot)
                   : QString("  %1 is connected and working (team %2).").arg(standIn).arg(slot);
    }
    for (int slot : served) {
        state_.teamModuleHandle[static_cast<std::size_t>(slot - 1)] = handle;
    }
    // The agent keeps 32 pending input reports for every interface on its own.
    AddToResults(line);
}

// The module needs a moment after its reset before its reports mean anything: wait until
// the clock reading moves on, which is at most one tick of the system clock.
void ModuleLink::waitForClockTick() {
    const double start = platform_.secondsSinceMidnight();
    for (int reads = 0; reads < 100000; ++reads) {
        if (platform_.secondsSinceMidnight() != start) {
            return;
        }
    }
}

void ModuleLink::DeviceArrived(int, const QString&) {
    platform_.beep();
    if (!activating && !state_.shutdownInProgress) {
        agent_.OpenMatchingDevices();
    }
}

void ModuleLink::StatusMessage(const QString& text) {
    AddToResults(text);
}

void ModuleLink::ReportArrived(int RptIndexInIntf, int AllRptIndex) {
    for (auto it = ModuleCollection.rbegin(); it != ModuleCollection.rend(); ++it) {
        (*it)->HidRptArrived(this, RptIndexInIntf, AllRptIndex);
    }
}

void ModuleLink::Command1_Click() {
    try {
        state_.moduleCommand = kStartUp;
        ReportSender();
        ReportReader();
        state_.moduleCommand = kLock;
        ReportSender();
        platform_.messageBox("All systems go", ui::MsgButtons::OK, ui::MsgIcon::Information,
                             "Initializtion Completed");
        ReportReader();
        host_.hideTitleForm();
        state_.startupComplete = true;
        state_.moduleListConfirmed = true;
        host_.showSetupMenu();
    } catch (const HidObjectError&) {
        platform_.messageBox(
            "Error retriving Quorvantix Model Number. Please reconnect Team Modules.");
    }
}

void ModuleLink::InterfaceClosed(int NumStillOpen, const QString& AName, std::int32_t AHidHandle) {
    platform_.beep();
    for (int i = moduleCount(); i >= 1; --i) {
        TFourCh* module = moduleAt(i);
        module->HidClosed(this, NumStillOpen, AName, AHidHandle);
        if (module->IsAllUnbound()) {
            module->Shutdown();
            ModuleCollection.erase(ModuleCollection.begin() + (i - 1));
        }
    }
    for (int i = 1; i <= moduleCount(); ++i) {
        const std::int32_t id = agent_.SelectOpenInterface(i - 1);
        agent_.SelectInterface(id);
        moduleAt(i)->ReBind(agent_);
        moduleAt(i)->armEcho.setLatchesOnArrival(agent_.CurrentStandIn().has_value());
    }
    for (int n = 1; n <= model::kTeamSlots; ++n) {
        if (state_.teamModuleHandle[static_cast<std::size_t>(n - 1)] == AHidHandle) {
            AddToResults("The Team " + model::signedText(n) +
                         " module is DISCONNECTED or no longer working.");
        }
    }
    // The start-up window comes back (and searches again) once the events of this change
    // have run: when the module was unplugged during a match, the removal saves the set-up
    // and shuts down first, instead of waiting behind a search for modules.
    QMetaObject::invokeMethod(this, &ModuleLink::showTitleFormUnlessShuttingDown,
                              Qt::QueuedConnection);
}

void ModuleLink::showTitleFormUnlessShuttingDown() {
    if (!state_.shutdownInProgress) {
        host_.showTitleForm();
    }
}

void ModuleLink::DeviceRemoved(int, const QString& text) {
    if (state_.shutdownInProgress || !state_.startupComplete) {
        platform_.beep();
        return;
    }
    // The shutdown begins before the notice: the notice and the save dialog run event loops,
    // and nothing may search for modules, show the start-up window, take a buzz or start a
    // second save while they are up.
    state_.shutdownInProgress = true;
    state_.events->record(model::moduleUnplugged(text));
    platform_.messageBox(
        "Team Module has DISCONNECTED.  Program will save menu choices and shut down."
        "TEAM SCORES WILL NOT BE SAVED. Save player names and menu? ");
    host_.showSetupMenu();
    host_.SaveRescueFile();
    ShutItDown();
}

void ModuleLink::ShutItDown() {
    agent_.CloseAllInterfaces();
    host_.unloadSetupMenu();
    host_.unloadTitleForm();
    platform_.quit();
}

void ModuleLink::ReportSender() {
    for (const auto& module : ModuleCollection) {
        writeCommand(*module, state_.moduleCommand);  // a failure is dealt with by its close
    }
}

void ModuleLink::ReportReader() {
    // By position, looked up afresh: the message runs an event loop in which modules can
    // come and go.
    for (int i = 1; i <= moduleCount(); ++i) {
        if (moduleAt(i)->ReadAllReports()) {
            moduleAt(i)->Data1().UnScaledValue();
        } else {
            platform_.messageBox("Error reading team information.");
        }
    }
    state_.teamCount = moduleCount();
    if (state_.isTwoTeamModel()) {
        state_.teamCount = 2 * moduleCount();
    } else if (state_.modelNumber == 712) {
        state_.teamCount = 4;
    }
}

void ModuleLink::ReportChecker() {
    // One check sees the earliest arrivals only: a later press waits for the next check.
    struct Group {
        explicit Group(HidAgent& a) : agent(a) { agent.BeginArrivalGroup(); }
        ~Group() { agent.EndArrivalGroup(); }
        HidAgent& agent;
    } group(agent_);
    state_.lastData1 = kIdle;
    state_.responderCode = kIdle;
    if (state_.shutdownInProgress) {
        return;  // no buzz counts while the program is ending
    }
    const auto take = [&](TFourCh& module, int position, int code) {
        module.staleUpTo = agent_.ReportArrival(module.inputReportIndexA());  // counts once
        if (!rfSettling()) {  // while settling it may come from before the arm
            module.armEcho.pressTaken(agent_.ReportStreamStart(module.inputReportIndexA()));
        }
        state_.responderCode = static_cast<std::int16_t>(code);
        state_.responderData4 = static_cast<std::int16_t>(module.Data4().UnScaledValue());
        state_.respondingModule = position;
        state_.responderModel = modelOf(module);
        state_.responderArrival = agent_.ReportArrival(module.inputReportIndexA()).count();
    };
    if (TFourCh* held = moduleAt(echoHeld_)) {
        switch (resolveArmEcho(*held)) {
            case Echo::Holding:
                return;  // nothing that came later may be taken before it
            case Echo::Stale:
                held->staleUpTo = agent_.ReportArrival(held->inputReportIndexA());
                break;
            case Echo::Gone:
                break;  // the module's removal follows
            case Echo::Press:
                state_.lastData1 = static_cast<std::int16_t>(codeOf(*held));
                take(*held, std::exchange(echoHeld_, 0), state_.lastData1);
                return;
        }
    }
    echoHeld_ = 0;
    bool taken = false;
    for (int i = 1; i <= moduleCount(); ++i) {
        TFourCh& module = *moduleAt(i);
        const std::optional<int> code = nextPress(module);
        if (!code) {
            continue;
        }
        state_.lastData1 = static_cast<std::int16_t>(*code);
        if (showsPress(module, *code) && i != state_.excludedModule && !taken) {
            // While an RF interface settles, checks only drain what came: nothing is held.
            if (inArmEcho(module) && !rfSettling()) {
                echoHeld_ = i;  // the modules after it wait with it
                return;
            }
            taken = true;
            take(module, i, *code);
        }
    }
}

std::int32_t ModuleLink::modelOf(const TFourCh& module) const {
    return module.modelNumber != 0 ? module.modelNumber : state_.modelNumber;
}

bool ModuleLink::showsPress(const TFourCh& module, int code) const {
    return code != kIdle && !(modelOf(module) == 512 && code == kIdle512);
}

int ModuleLink::codeOf(TFourCh& module) const {
    int code = module.Data1().UnScaledValue();
    module.Data2().UnScaledValue();
    const int data3 = module.Data3().UnScaledValue();
    if (modelOf(module) == 512) {
        code += 256 * ((data3 >> 6) & 1) + 512 * ((data3 >> 7) & 1);
    }
    return code;
}

std::optional<int> ModuleLink::nextPress(TFourCh& module) {
    if (!module.ReadAllReports()) {
        return std::nullopt;
    }
    // Only a report that came after those the console has dealt with shows a press of
    // now: until the module answers a new arm, its latest report is its state from
    // before (the previous question's press, or the identity report of its reset).
    const auto current = [&] {
        return agent_.ReportArrival(module.inputReportIndexA()) > module.staleUpTo;
    };
    int code = codeOf(module);
    // Reports that arrived together count by their press: an idle report with another
    // behind it in this check (the one the arm brought, just before a press) is passed.
    for (int more = 0;
         !(showsPress(module, code) && current()) && more < HidAgent::kMaxPendingReports &&
         agent_.ReportPending(module.inputReportIndexA()) && module.ReadAllReports();
         ++more) {
        code = codeOf(module);
    }
    return showsPress(module, code) && !current() ? kIdle : code;
}

std::vector<WaitingPress> ModuleLink::takeWaitingPresses() {
    std::vector<WaitingPress> presses;
    for (int i = 1; i <= moduleCount() && !state_.shutdownInProgress; ++i) {
        TFourCh& module = *moduleAt(i);
        // A press held after the arm may have been latched before it: it is no press of
        // this question until its module's answer settles it.
        if (i == state_.excludedModule || i == echoHeld_) {
            continue;
        }
        const std::optional<int> code = nextPress(module);
        if (!code || !showsPress(module, *code) || inArmEcho(module)) {
            continue;
        }
        const ArrivalTime arrival = agent_.ReportArrival(module.inputReportIndexA());
        module.staleUpTo = arrival;  // counts once
        presses.push_back({i, static_cast<std::int16_t>(*code),
                           static_cast<std::int16_t>(module.Data4().UnScaledValue()),
                           modelOf(module), arrival.count()});
    }
    std::stable_sort(
        presses.begin(), presses.end(),
        [](const WaitingPress& a, const WaitingPress& b) { return a.arrival < b.arrival; });
    return presses;
}

ArmEcho::Stream ModuleLink::streamOf(const TFourCh& module) const {
    const int report = module.inputReportIndexA();
    return {agent_.ReportStreamStart(report), agent_.ReportAnyKindStart(report)};
}

bool ModuleLink::inArmEcho(const TFourCh& module) const {
    return module.armEcho.inDoubt(agent_.ReportArrival(module.inputReportIndexA()),
                                  streamOf(module));
}

// A module that latched a press just before its arm sends that press, then its idle answer
// to the arm one poll later; a press made after the arm is followed by nothing.
ModuleLink::Echo ModuleLink::resolveArmEcho(TFourCh& module) {
    const int report = module.inputReportIndexA();
    if (!agent_.ReportOpen(report)) {
        return Echo::Gone;  // its values read as nothing now: never a press
    }
    if (agent_.ReportQueued(report)) {
        return Echo::Stale;
    }
    // The answer may wait behind any report the module still sends back to back (a status
    // report answering a command): the press counts once the module has gone quiet.
    const ArrivalTime heard = agent_.LastHeard(report).value_or(agent_.ReportArrival(report));
    return agent_.ArrivalClock() - heard < ArmEcho::kWindow ? Echo::Holding : Echo::Press;
}

// What arrived until now is dealt with: read or not, none of it shows a press any more.
void ModuleLink::discardArrivals() {
    agent_.DiscardArrivals();
    echoHeld_ = 0;
    for (const auto& module : ModuleCollection) {
        module->staleUpTo = agent_.ReportArrival(module->inputReportIndexA());
    }
}

void ModuleLink::startAfresh() {
    discardArrivals();
    for (const auto& module : ModuleCollection) {
        module->armEcho.fenceNextArm();
    }
}

void ModuleLink::NopReader() {
    for (int pass = 0; pass < kNopReaderPasses; ++pass) {
        int lastData1 = kIdle;
        for (const auto& module : ModuleCollection) {
            if (!module->ReadAllReports()) {
                return;
            }
            lastData1 = module->Data1().UnScaledValue();
        }
        if (!ModuleCollection.empty() && lastData1 == kIdle) {
            return;
        }
    }
}

void ModuleLink::TurnOnLights() {
    sendToModule(state_.respondingModule, kLight);
}

void ModuleLink::TurnOnSound() {
    sendToModule(state_.respondingModule, kBuzzTone);
}

bool ModuleLink::sendToModule(int position, std::int16_t command) {
    TFourCh* module = moduleAt(position);
    if (module == nullptr) {
        return false;
    }
    return writeCommand(*module, command);
}

bool ModuleLink::writeCommand(TFourCh& module, std::int16_t command) {
    if (command == kArm || command == kStartUp) {
        // A re-arm within polling (after a refusal, at the sound tick) loses no press that
        // reached the console before its module took it: not one still unread, nor one
        // read that lost its check to an earlier module. Only a reset, and the re-arms of
        // an RF interface's settling window, which are there to wipe what came, make what
        // was read the module's state from before.
        if (command == kStartUp || rfSettling()) {
            module.staleUpTo =
                std::max(module.staleUpTo, agent_.ReportArrival(module.inputReportIndexA()));
        }
        if (command == kArm && module.armEcho.nextArmIsTheOperators()) {
            // A new question: nothing that arrived before its arm counts, read or not.
            module.staleUpTo = agent_.ArrivalClock();
        }
        state_.armSentAt = agent_.ArrivalClock().count();
    }
    module.armEcho.commandWritten(
        {command, agent_.ArrivalClock(), agent_.LatestArrival(module.inputReportIndexA())});
    module.Command1().setUnScaledValue(command);
    return module.WriteAllReports();
}

void ModuleLink::addArrivalListener(ArrivalListener& listener) {
    arrivalListeners_.push_back(&listener);
}

void ModuleLink::removeArrivalListener(ArrivalListener& listener) {
    std::erase(arrivalListeners_, &listener);
}

void ModuleLink::ReportsWaiting() {
    const std::vector<ArrivalListener*> listeners = arrivalListeners_;  // may change on the way
    for (ArrivalListener* listener : listeners) {
        if (std::find(arrivalListeners_.begin(), arrivalListeners_.end(), listener) !=
            arrivalListeners_.end()) {
            listener->reportsArrived();
        }
    }
}

bool ModuleLink::rfSettling() const {
    return state_.settlesAfterArm() && tmrDelay_.enabled();
}

void ModuleLink::startDelay() {
    tmrDelay_.stop();
    tmrDelay_.start();
}

}  // namespace modulelink
