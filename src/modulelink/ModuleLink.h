#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/MatchState.h"
#include "modulelink/HidAgent.h"
#include "modulelink/ModuleExchange.h"
#include "modulelink/TFourCh.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

namespace modulelink {

// The windows around the module link: the start-up window it belongs to and the set-up
// menu it hands over to.
class StartupHost {
  public:
    virtual ~StartupHost() = default;
    virtual void showTitleForm() = 0;
    virtual void hideTitleForm() = 0;
    virtual void unloadTitleForm() = 0;
    virtual void showSetupMenu() = 0;
    virtual void SaveRescueFile() = 0;
    virtual void unloadSetupMenu() = 0;
    // Label2..Label4 or the results list changed.
    virtual void captionsChanged() = 0;
};

// The logic of the start-up window: finding the team modules, assigning their team slots,
// the results list, DONE, and the exchange procedures every window uses to talk to the
// modules (lamps, speaker, arm and lock, polling), down to the shutdown when a module is
// unplugged during a match.
class ModuleLink final : public QObject, public ModuleExchange {
    Q_OBJECT
  public:
    ModuleLink(HidAgent& agent, model::MatchState& state, ui::Platform& platform, ui::Clock& clock,
               StartupHost& host);
    ~ModuleLink() override;

    // Captions of the start-up window.
    QString Label2;
    QString Label3;
    QString Label4;
    QString ResultsMemo =
        "Please confirm attached Quorvantix Team Modules are connected and working.  Attach "
        "additional Modules at this time.  Click DONE when finished .";

    // One object per open module interface, in opening order (position = index + 1).
    std::vector<std::unique_ptr<TFourCh>> ModuleCollection;
    bool activating = false;
    // A Quorvantix module (not another maker's buzzer) was opened in this run.
    bool quorvantixFound = false;

    // Start-up window steps.
    void Load();
    // The activation steps; false when the operator chose to quit (or the program is
    // already shutting down).
    bool Activate();
    void AddToResults(const QString& text);
    TFourCh* LastModule() const;
    void ConfigureAgent();
    // Searches until a module is found (true) or the operator cancels (false).
    bool FindModules();
    void Command1_Click();  // DONE
    void ShutItDown();

    // Agent events.
    void InterfaceOpened(int a, int b, int position, const QString& name);
    void InterfaceClosed(int NumStillOpen, const QString& AName, std::int32_t AHidHandle);
    void DeviceArrived(int value, const QString& text);
    void DeviceRemoved(int value, const QString& text);
    void StatusMessage(const QString& text);
    void ReportArrived(int RptIndexInIntf, int AllRptIndex);

    // ModuleExchange
    void ReportSender() override;
    void ReportReader() override;
    void ReportChecker() override;
    void NopReader() override;
    void TurnOnLights() override;
    void TurnOnSound() override;
    bool sendToModule(int position, std::int16_t command) override;
    int moduleCount() const override { return static_cast<int>(ModuleCollection.size()); }
    void startDelay() override;
    bool rfSettling() const override;
    void addArrivalListener(ArrivalListener& listener) override;
    void removeArrivalListener(ArrivalListener& listener) override;
    bool arrivalsWaiting() const override { return agent_.ArrivalsWaiting(); }
    void discardArrivals() override;
    void startAfresh() override;
    std::vector<WaitingPress> takeWaitingPresses() override;

    const ui::Timer& tmrDelay() const { return tmrDelay_; }

  private:
    TFourCh* moduleAt(int position) const;
    std::int32_t modelOf(const TFourCh& module) const;
    // The module's next press of now among the reports a read may take (idle when none);
    // nothing when its read failed.
    std::optional<int> nextPress(TFourCh& module);
    bool showsPress(const TFourCh& module, int code) const;
    // The press code of the module's current report (both wired teams' bits on a 512).
    int codeOf(TFourCh& module) const;
    // Writes one command to one module; an arm or a reset clears its latched press.
    bool writeCommand(TFourCh& module, std::int16_t command);
    // The object of an open interface (nothing once it closed).
    TFourCh* moduleOfHandle(std::int32_t handle) const;
    // standIn: the name of another maker's buzzer standing in for the module, if it is one.
    void assignTeamSlots(std::int32_t handle, int modelNumber, int data1, const QString& standIn);
    void waitForClockTick();
    void showTitleFormUnlessShuttingDown();
    void ReportsWaiting();
    // A press in doubt after the operator's arm waits until the module either answers the
    // arm (the press came from before it) or stays quiet for a poll (a press of now).
    bool inArmEcho(const TFourCh& module) const;
    // How the module's reports came back to back up to the one the last read gave.
    ArmEcho::Stream streamOf(const TFourCh& module) const;
    enum class Echo { Holding, Stale, Press, Gone };
    Echo resolveArmEcho(TFourCh& module);

    HidAgent& agent_;
    model::MatchState& state_;
    ui::Platform& platform_;
    StartupHost& host_;
    ui::Timer tmrDelay_;
    std::vector<ArrivalListener*> arrivalListeners_;
    int echoHeld_ = 0;  // the module whose press waits for its answer to the arm (position)
};

}  // namespace modulelink
