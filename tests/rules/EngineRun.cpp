#include "EngineRun.h"

#include <QCoreApplication>
#include <map>
#include <memory>
#include <optional>

#include "ManualClock.h"
#include "RecordingBoardView.h"
#include "RecordingPlatform.h"
#include "engine/BuzzEngine.h"
#include "foreign/ForeignTransport.h"
#include "foreign/FreeSlot.h"
#include "foreign/VirtualForeignDevice.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/HidAgent.h"
#include "modulelink/ModuleLink.h"
#include "modulelink/UsbTiming.h"
#include "sim/VirtualModuleSet.h"

namespace rules {
namespace {

using std::chrono::microseconds;

struct Host final : modulelink::StartupHost {
    int rescueSaves = 0;
    void showTitleForm() override {}
    void hideTitleForm() override {}
    void unloadTitleForm() override {}
    void showSetupMenu() override {}
    void SaveRescueFile() override { ++rescueSaves; }
    void unloadSetupMenu() override {}
    void captionsChanged() override {}
};

QString boardTeamName(int team) {
    return QStringLiteral("Team %1").arg(team);
}

Sight sightOf(const test::RecordingBoardView& view, const model::MatchState& state) {
    Sight s;
    s.name = view.name.toStdString();
    s.team = view.team.toStdString();
    for (const auto& row : view.rows) {
        s.rows += row.color == ui::colors::orange   ? 'O'
                  : row.color == ui::colors::yellow ? 'Y'
                  : row.color == ui::colors::red    ? 'R'
                                                    : '.';
        s.scores += row.scoreColor == ui::colors::green ? 'G' : '.';
    }
    s.secondWaiting = state.secondResponderWaiting;
    return s;
}

QStringList rowCaptions(const Timeline& t) {
    QStringList rows;
    if (t.board == Board::Classic) {
        return {boardTeamName(0), boardTeamName(1), boardTeamName(2)};
    }
    for (int s : servedSlots(t)) {
        rows << boardTeamName(s - 1);
    }
    return rows;
}

// The foreign devices of a timeline, in the order they are attached.
struct ForeignDevices {
    explicit ForeignDevices(const Timeline& t) {
        for (const ModuleEntry& m : t.modules) {
            if (m.foreign == Foreign::None || m.device < static_cast<int>(devices.size())) {
                continue;
            }
            const auto kind = m.foreign == Foreign::GameController
                                  ? foreign::DeviceKind::GameController
                                  : foreign::DeviceKind::Buzz;
            devices.push_back(std::make_unique<foreign::VirtualForeignDevice>(
                kind, "sim:foreign" + std::to_string(m.device + 1)));
            if (m.foreign == Foreign::BuzzHandset) {
                foreign::DeviceRole role;
                role.fourTeams = true;
                roles.setRole(foreign::deviceKey(devices.back()->deviceInfo()), role);
            }
        }
    }
    std::vector<std::unique_ptr<foreign::VirtualForeignDevice>> devices;
    foreign::MemoryRoleStore roles;
};

// Tells the probe of each press another maker's device latches in software: a button going
// down in the device's report as the console reads it, for a team armed with nothing
// latched yet.
RecordingTransport::ReadWatch softwareLatches(const Timeline& t,
                                              const std::vector<std::string>& paths,
                                              const foreign::ForeignTransport& devices,
                                              Probe& probe, ConsoleView& console) {
    auto heldBefore = std::make_shared<std::map<std::string, std::vector<bool>>>();
    return [&t, paths, &devices, &probe, &console, heldBefore](const std::string& path,
                                                               const modulelink::Bytes& report) {
        for (std::size_t p = 0; p < t.modules.size(); ++p) {
            const ModuleEntry& e = t.modules[p];
            const std::shared_ptr<foreign::ForeignDevice> device =
                e.foreign == Foreign::None ? nullptr : devices.openDevice(paths[p]);
            if (!device || !device->key().endsWith(QString::fromStdString("@" + path))) {
                continue;
            }
            const std::optional<std::vector<bool>> held = device->layout().buttonsHeld(report);
            if (!held) {
                return;
            }
            std::vector<bool>& before = (*heldBefore)[path];
            before.resize(held->size(), false);
            for (std::size_t q = p; q < t.modules.size() && t.modules[q].device == e.device &&
                                    t.modules[q].foreign != Foreign::None;
                 ++q) {
                const ModuleEntry& team = t.modules[q];
                const sim::Firmware& firmware =
                    device->firmware(team.foreign == Foreign::BuzzHandset ? team.handset : 0);
                for (int player = 1; player <= playersOf(team); ++player) {
                    const auto n = static_cast<std::size_t>(buttonOf(team, player) - 1);
                    if (n < held->size() && (*held)[n] && !before[n] && firmware.armed() &&
                        firmware.latched().empty()) {
                        console.us =
                            std::chrono::duration_cast<microseconds>(devices.now()).count();
                        probe.pressed(
                            {console.us, Act::Press, static_cast<int>(q), team.firstSlot, player},
                            true, console);
                    }
                }
            }
            before = *held;
            return;
        }
    };
}

}  // namespace

EngineResult runEngine(const Timeline& t, Probe* probe) {
    EngineResult result;
    auto timing = std::make_shared<modulelink::UsbTiming>(t.seed);
    std::vector<sim::ModuleSpec> specs;
    for (const ModuleEntry& m : t.modules) {
        if (m.foreign == Foreign::None) {
            specs.push_back({m.model, m.firstSlot, m.statusReport});
        }
    }
    test::ManualClock clock;
    test::RecordingPlatform platform;
    model::MatchSettings settings;
    model::MatchState state;
    for (int team = 0; team < model::kTeamSlots; ++team) {
        settings.rosterText[model::teamNameIndex(team)] = boardTeamName(team);
        for (int p = 1; p <= 5; ++p) {
            settings.rosterText[model::playerNameIndex(team, p)] =
                QStringLiteral("P%1-%2").arg(team).arg(p);
        }
    }
    settings.lockSecondResponder = t.secondPlace;
    settings.moduleSpeakersOn = true;
    settings.soundCardOn = false;
    sim::VirtualModuleSet modules(specs, [timing] { return timing->now(); });
    ForeignDevices others(t);
    for (const auto& d : others.devices) {
        modules.transport().addDevice(*d);
    }
    RecordingTransport deviceReads(modules.transport());
    foreign::ForeignTransport withForeign(
        deviceReads, others.roles, {[&state] { return foreign::firstFreeSlot(state); }, {}, {}});
    RecordingTransport recorder(withForeign);
    Host host;
    modulelink::HidAgent agent(recorder, clock);
    modulelink::ModuleLink link(agent, state, platform, clock, host);
    link.Load();
    link.Activate();
    link.Command1_Click();
    QCoreApplication::processEvents();

    // From here on the modules and devices keep USB time. Team modules by position: the
    // paths the console opened them by.
    std::vector<std::string> paths;
    for (const modulelink::HidDeviceInfo& info : withForeign.enumerate(sim::kTeamModuleVendorId)) {
        paths.push_back(info.path);
    }
    for (const ModuleEntry& m : t.modules) {
        const std::string path =
            m.foreign == Foreign::None
                ? paths[result.polling.size()]
                : others.devices[static_cast<std::size_t>(m.device)]->deviceInfo().path;
        const auto& e = timing->endpoint(path);
        result.polling.push_back({std::chrono::duration_cast<microseconds>(e.interval).count(),
                                  std::chrono::duration_cast<microseconds>(e.phase).count()});
    }
    recorder.clearCommands();
    CommandLog commands(recorder, paths);
    modules.transport().useUsbTiming(timing);
    bool unplugged = false;
    std::vector<std::string> log;
    test::RecordingBoardView view(log, rowCaptions(t));
    view.name.clear();
    ConsoleView console{state, view, commands};
    if (probe) {
        deviceReads.watchReads(softwareLatches(t, paths, withForeign, *probe, console));
    }
    QString shown;
    const auto ran = [&] {
        if (view.name != shown) {
            shown = view.name;
            const int position = state.respondingModule;
            if (!shown.isEmpty() && position >= 1 &&
                position <= static_cast<int>(t.modules.size()) &&
                t.modules[static_cast<std::size_t>(position - 1)].foreign != Foreign::None) {
                ++result.foreignResponders;
            }
        }
        if (probe) {
            console.us = std::chrono::duration_cast<microseconds>(timing->now()).count();
            probe->ran(console);
        }
    };
    recorder.takeWake();
    const auto pump = [&] {
        if (recorder.takeWake() || unplugged) {
            QCoreApplication::processEvents();
            ran();
        }
    };
    timing->onDelivered = pump;
    view.nameSet = ran;

    const engine::BoardPolicy& policy =
        t.board == Board::Classic ? engine::classicBoardPolicy() : engine::leaderBoardPolicy();
    engine::BuzzEngine buzz(policy, view, link, settings, state, clock, platform);

    for (const Step& s : t.steps) {
        if (s.act != Act::Press) {
            continue;
        }
        const ModuleEntry& entry = t.modules[static_cast<std::size_t>(s.module)];
        if (entry.foreign != Foreign::None) {
            foreign::VirtualForeignDevice& d =
                *others.devices[static_cast<std::size_t>(entry.device)];
            const int button = buttonOf(entry, s.player);
            timing->at(microseconds(s.us), [&d, button, s, probe, &console] {
                d.setButton(button, true);
                if (probe) {
                    console.us = s.us;
                    probe->pressed(s, false, console);
                }
            });
            timing->at(microseconds(s.us + s.holdUs), [&d, button] { d.setButton(button, false); });
            continue;
        }
        sim::VirtualModule& m = modules.module(s.module);
        timing->at(microseconds(s.us), [&m, s, probe, &console] {
            const bool latched = m.press({{s.team, s.player}});
            if (probe) {
                console.us = s.us;
                probe->pressed(s, latched, console);
            }
        });
    }
    std::size_t next = 0;
    bool frozen = false;
    for (std::int64_t ms = 1; ms * 1000 <= t.endUs && !platform.ended(); ++ms) {
        timing->advanceTo(microseconds(ms * 1000));
        clock.advanceMs(1);
        ran();
        pump();
        while (next < t.steps.size() && t.steps[next].us <= ms * 1000 && !platform.ended()) {
            const Step& s = t.steps[next++];
            if (s.act == Act::Press) {
                continue;
            }
            result.outcome.sights.push_back(sightOf(view, state));
            console.action = &s;
            switch (s.act) {
                case Act::Space:
                    buzz.keyDown(32);
                    break;
                case Act::LeftClick:
                    buzz.NameLabel_MouseDown(engine::kLeftButton);
                    break;
                case Act::RightClick:
                    buzz.NameLabel_MouseDown(engine::kRightButton);
                    break;
                case Act::Score:
                    state.pointsAwarded = true;  // what a left click on a score does
                    break;
                case Act::Unplug: {
                    for (int i = 0; i < commands.size(); ++i) {
                        result.outcome.commands.push_back(commands.of(i));
                    }
                    frozen = true;
                    unplugged = true;
                    const ModuleEntry& entry = t.modules[static_cast<std::size_t>(s.module)];
                    if (entry.foreign == Foreign::None) {
                        modules.module(s.module).unplug();
                    } else {
                        others.devices[static_cast<std::size_t>(entry.device)]->unplug();
                    }
                    break;
                }
                case Act::Press:
                    break;
            }
            if (probe) {
                console.us = s.us;
                probe->acted(s, console);
            }
            console.action = nullptr;
            pump();
        }
    }
    result.outcome.sights.push_back(sightOf(view, state));
    if (!frozen) {
        for (int i = 0; i < commands.size(); ++i) {
            result.outcome.commands.push_back(commands.of(i));
        }
    }
    result.outcome.rescueSaves = host.rescueSaves;
    result.outcome.ended = platform.ended();
    timing->onDelivered = {};
    return result;
}

}  // namespace rules
