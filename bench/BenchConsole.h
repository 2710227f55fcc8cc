#pragma once

#include <QStringList>
#include <functional>
#include <memory>

#include "engine/BuzzEngine.h"
#include "model/MatchSettings.h"
#include "modulelink/HidAgent.h"
#include "modulelink/ModuleLink.h"
#include "sim/VirtualModuleSet.h"
#include "ui/Platform.h"

namespace bench {

// A board view that shows nothing: the benchmarks measure the engine and the module link.
class SilentBoard final : public engine::BoardView {
  public:
    QString nameCaption() const override { return name; }
    void setNameCaption(const QString& caption) override { name = caption; }
    QString teamCaption() const override { return team; }
    void setTeamCaption(const QString& caption) override { team = caption; }
    void setTimerCaption(const QString&) override {}
    void setTimerKindCaption(const QString&) override {}
    QString clockCaption() const override { return {}; }
    void setClockCaption(const QString&) override {}
    void setClockTextColor(ui::Color) override {}
    int rowCount() const override { return 0; }
    QString rowCaption(int) const override { return {}; }
    ui::Color rowColor(int) const override { return ui::colors::buttonFace; }
    void setRowColor(int, ui::Color) override {}
    void setRowScoreColor(int, ui::Color) override {}
    QString name;
    QString team;
};

// Platform services that do nothing and answer OK.
class QuietPlatform final : public ui::Platform {
  public:
    ui::MsgAnswer messageBox(const QString&, ui::MsgButtons, ui::MsgIcon, const QString&) override {
        return ui::MsgAnswer::OK;
    }
    std::optional<QString> openFileDialog(const ui::FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFileDialog(const ui::FileDialogRequest&) override { return {}; }
    std::optional<ui::Color> colorDialog(ui::Color) override { return {}; }
    QStringList printerNames() override { return {}; }
    bool printDialog(QPrinter&, const QString&) override { return false; }
    void playSound(const QString&, int) override {}
    void beep() override {}
    bool fileExists(const QString&) override { return false; }
    bool deleteFile(const QString&) override { return false; }
    QString programFolder() override { return {}; }
    QString workingFolder() override { return {}; }
    QString writableFolder() override { return {}; }
    QString userDataFolder() override { return {}; }
    double secondsSinceMidnight() override { return ++seconds_; }
    void seedRandom(double) override {}
    double random() override { return 0.5; }
    void quit() override {}

  private:
    double seconds_ = 0;
};

// Ten one-team modules as the benchmarks list them: slots 1 to 8, then 1 and 2 again.
std::vector<sim::ModuleSpec> tenModuleSpecs(int moduleCount = 10);

// One-team virtual modules found and confirmed, with one board's engine (the classic
// board's unless told).
class BenchConsole : public modulelink::StartupHost {
  public:
    // The transport the console talks through, over the modules' own (foreign buzzers
    // added, say); the modules' own when none is given.
    using TransportOver = std::function<modulelink::HidTransport&(sim::VirtualModuleSet&)>;
    BenchConsole(ui::Clock& clock, int moduleCount,
                 const engine::BoardPolicy& policy = engine::classicBoardPolicy(),
                 const TransportOver& over = {});
    ~BenchConsole() override;

    void showTitleForm() override {}
    void hideTitleForm() override {}
    void unloadTitleForm() override {}
    void showSetupMenu() override {}
    void SaveRescueFile() override {}
    void unloadSetupMenu() override {}
    void captionsChanged() override {}

    QuietPlatform platform;
    model::MatchSettings settings;
    model::MatchState state;
    std::unique_ptr<sim::VirtualModuleSet> modules;
    std::unique_ptr<modulelink::HidAgent> agent;
    std::unique_ptr<modulelink::ModuleLink> link;
    SilentBoard board;
    std::unique_ptr<engine::BuzzEngine> engine;
};

}  // namespace bench
