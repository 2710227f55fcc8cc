// Hot-plug storms on virtual modules: hundreds of plugs and unplugs at start-up and during a
// match, interfaces that close between a write and the read after it, and modules that
// arrive while the console asks for them. Every message box runs events while it is up, as
// a real one does, so the storm goes on inside them too.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <map>
#include <random>
#include <set>

#include "LinkHarness.h"
#include "ui/Timer.h"

namespace {

// The agent's events per device in the order it raised them, checked as they come: an
// interface closes once, a device is removed or arrives once per change. With each fault
// goes the device's story: O opened, C closed, A arrived, R removed, and the storm's own
// p plug, u unplug, U unplug right after a write.
struct EventLog {
    std::map<std::int32_t, std::string> open;  // handle -> device label
    std::map<std::string, char> lastChange;    // device label -> 'A', 'R' or 'O'
    std::map<std::string, std::string> story;
    int opened = 0, arrived = 0, removed = 0;
    QStringList faults;

    // "Quorvantix Team Module 2012:1-2 (virtual)": the module's label.
    static std::string label(const QString& name) {
        const QStringList words = name.split(' ');
        return (words.size() >= 4 ? words[3] : name).toStdString();
    }
    void fault(const std::string& l, const QString& what) {
        faults << QString("%1 %2 (%3)")
                      .arg(QString::fromStdString(l), what, QString::fromStdString(story[l]));
    }

    void watch(modulelink::HidAgent& agent,
               const std::function<std::string(const QString&)>& labelOfPath) {
        using modulelink::HidAgent;
        QObject::connect(
            &agent, &HidAgent::InterfaceOpened, &agent,
            [this](int handle, int, int, const QString& name) { onOpened(handle, label(name)); });
        QObject::connect(&agent, &HidAgent::InterfaceClosed, &agent,
                         [this](int, const QString&, std::int32_t handle) { onClosed(handle); });
        QObject::connect(
            &agent, &HidAgent::DeviceRemoved, &agent,
            [this, labelOfPath](int, const QString& path) { onChange(labelOfPath(path), 'R'); });
        QObject::connect(
            &agent, &HidAgent::DeviceArrived, &agent,
            [this, labelOfPath](int, const QString& path) { onChange(labelOfPath(path), 'A'); });
    }

    void onOpened(std::int32_t handle, const std::string& l) {
        ++opened;
        story[l] += " O";
        for (const auto& entry : open) {
            if (entry.second == l) {
                fault(l, "open twice");
            }
        }
        if (!open.emplace(handle, l).second) {
            fault(l, QString("got handle %1 again").arg(handle));
        }
        lastChange[l] = 'O';
    }
    void onClosed(std::int32_t handle) {
        const auto it = open.find(handle);
        if (it == open.end()) {
            faults << QString("handle %1 closed twice or never opened").arg(handle);
            return;
        }
        story[it->second] += " C";
        open.erase(it);
    }
    // A removal or an arrival, never twice without the other (or an opening) between.
    void onChange(const std::string& l, char change) {
        (change == 'R' ? removed : arrived)++;
        story[l] += std::string(" ") + change;
        if (lastChange[l] == change) {
            fault(l, change == 'R' ? "removed twice" : "arrived twice");
        }
        lastChange[l] = change;
    }
};

struct Storm : ::testing::Test {
    EventLog log;
    // Reports are stamped on the manual clock: nothing here depends on how fast it runs.
    test::LinkHarness h{{{2012, 1}, {2012, 3}, {2012, 5}},
                        [this] { return modulelink::ArrivalTime(h.clock.now()); },
                        [this](modulelink::HidAgent& agent) {
                            log.watch(agent, [this](const QString& p) { return labelOfPath(p); });
                        }};
    std::mt19937 random{1313};
    // Modules that go the moment their next write has reached them.
    std::set<std::string> dieAfterWrite;

    Storm() {
        h.transport->afterWrite = [this](const std::string& path) {
            if (dieAfterWrite.erase(path) > 0) {
                log.story[moduleAtPath(path).label().toStdString()] += " U";
                moduleAtPath(path).unplug();
            }
        };
        h.platform.runEventsInModals(h.clock, 50);
    }

    int count() const { return h.modules->size(); }
    sim::VirtualModule& module(int i) { return h.modules->module(i); }
    sim::VirtualModule& moduleAtPath(const std::string& path) {
        for (int i = 0; i < count(); ++i) {
            if (module(i).deviceInfo().path == path) {
                return module(i);
            }
        }
        throw std::runtime_error("no module at " + path);
    }
    std::string labelOfPath(const QString& path) {
        return moduleAtPath(path.toStdString()).label().toStdString();
    }

    // A module plugged or unplugged; a module plugged in is at times set to go between the
    // reset written at its opening and the reads after it.
    void stormStep() {
        sim::VirtualModule& m = module(static_cast<int>(random() % count()));
        const std::string label = m.label().toStdString();
        if (m.isPlugged()) {
            log.story[label] += " u";
            m.unplug();
        } else {
            if (random() % 3 == 0) {
                dieAfterWrite.insert(m.deviceInfo().path);
            }
            log.story[label] += " p";
            m.plug();
        }
    }
    // Time passes as in the program: events run between the timer ticks.
    void run(int ms) {
        for (int t = 0; t < ms; t += 10) {
            h.clock.advanceMs(10);
            QCoreApplication::processEvents();
        }
    }
    int positionOf(const std::string& label) {
        for (int k = 0; k < h.agent->OpenInterfaceCount(); ++k) {
            if (log.open[h.agent->SelectOpenInterface(k)] == label) {
                return k + 1;
            }
        }
        return 0;
    }
    // Everything plugged and left alone until every change has been seen.
    void settle() {
        dieAfterWrite.clear();
        for (int i = 0; i < count(); ++i) {
            module(i).plug();
        }
        for (int i = 0; i < 4; ++i) {
            run(1000);
        }
    }

    // The module collection, the agent's open interfaces and the slot table tell the same.
    void expectAgreement() {
        ASSERT_EQ(h.link->moduleCount(), h.agent->OpenInterfaceCount());
        EXPECT_EQ(h.agent->OpenInterfaceCount(), count()) << "every plugged module is open";
        EXPECT_EQ(log.open.size(), static_cast<std::size_t>(h.agent->OpenInterfaceCount()));
        std::set<std::string> openModules;
        for (int k = 0; k < h.agent->OpenInterfaceCount(); ++k) {
            const std::int32_t handle = h.agent->SelectOpenInterface(k);
            const modulelink::TFourCh& object = *h.link->ModuleCollection.at(std::size_t(k));
            EXPECT_TRUE(object.HasHandle(handle)) << k;
            EXPECT_EQ(object.UnboundVarCount(), 0) << k;
            ASSERT_EQ(log.open.count(handle), 1u) << "handle " << handle;
            openModules.insert(log.open[handle]);
        }
        EXPECT_EQ(openModules.size(), static_cast<std::size_t>(count()));
        for (int i = 0; i < count(); ++i) {
            for (int slot : module(i).teams()) {
                const std::int32_t handle = h.state.teamModuleHandle[std::size_t(slot - 1)];
                EXPECT_EQ(log.open[handle], module(i).label().toStdString()) << "slot " << slot;
            }
        }
        EXPECT_TRUE(log.faults.isEmpty()) << log.faults.join("\n").toStdString();
    }
};

TEST_F(Storm, PlugsAndUnplugsAtStartUpLeaveTheModuleLinkConsistent) {
    // Nothing attached: the console asks, and the modules arrive while it does.
    for (int i = 0; i < count(); ++i) {
        module(i).unplug();
    }
    ui::Timer arrival{h.clock, 30};
    arrival.onTick = [&] {
        arrival.stop();
        for (int i = 0; i < count(); ++i) {
            module(i).plug();
        }
    };
    arrival.start();
    ASSERT_TRUE(h.start());
    ASSERT_FALSE(h.platform.messages.empty());
    EXPECT_TRUE(h.platform.messages[0].text.startsWith("Please connect all"));
    EXPECT_EQ(h.link->moduleCount(), count()) << "found once the operator said OK";

    for (int cycle = 0; cycle < 200; ++cycle) {
        stormStep();
        run(static_cast<int>(random() % 1500));
    }
    settle();
    expectAgreement();
    EXPECT_GT(log.removed, 50);
    EXPECT_EQ(h.rescueSaves, 0) << "before DONE a removal only beeps";
    EXPECT_EQ(h.platform.quitCalls, 0);

    // The link still works: DONE, an arm, a press from team 6, wherever its module now is.
    h.link->Command1_Click();
    h.send(125);
    ASSERT_TRUE(module(2).press({{6, 3}}));
    for (int poll = 0; poll < 3 && h.state.responderCode == 255; ++poll) {
        h.link->ReportChecker();  // the reports of the arm come first
    }
    EXPECT_EQ(h.state.respondingModule, positionOf("2012:5-6"));
    EXPECT_NE(h.state.responderCode, 255);
}

TEST_F(Storm, DuringAMatchTheFirstRemovalSavesOnceAndTheRestOnlyBeep) {
    h.startAndArm();
    ASSERT_EQ(h.link->moduleCount(), 3);
    const int openedBefore = log.opened;
    const int titleShowsBefore = h.titleShows;
    // The board's polling, and a storm that goes on while the notice is up.
    ui::Timer porttimer{h.clock, 10};
    porttimer.onTick = [&] { h.link->ReportChecker(); };
    porttimer.start();
    ui::Timer storm{h.clock, 20};
    int steps = 0;
    storm.onTick = [&] {
        if (++steps == 200) {
            storm.stop();
        }
        stormStep();
    };
    h.platform.runEventsInModals(h.clock, 5000);
    // The first module goes between the arm command written to it and the next poll.
    dieAfterWrite.insert(module(0).deviceInfo().path);
    storm.start();
    h.send(125);
    for (int i = 0; i < 20 && h.platform.quitCalls == 0; ++i) {
        run(500);
    }
    EXPECT_EQ(steps, 200) << "the storm ran while the notice was up";
    EXPECT_EQ(h.rescueSaves, 1);
    EXPECT_EQ(h.platform.quitCalls, 1);
    EXPECT_EQ(log.opened, openedBefore) << "no search once the match ended";
    EXPECT_EQ(h.titleShows, titleShowsBefore) << "the start-up window stays hidden";
    EXPECT_TRUE(log.faults.isEmpty()) << log.faults.join("\n").toStdString();
}

// After DONE a module pulled out and plugged in again before any read or enumeration saw
// it is still a removal: the rescue save, never the start-up window.
TEST_F(Storm, AModulePluggedBackBeforeAnyoneLookedIsStillARemovalAfterDone) {
    h.startAndArm();
    QCoreApplication::processEvents();
    const int titleShowsBefore = h.titleShows;
    h.platform.runEventsInModals(h.clock, 50);
    module(1).unplug();
    module(1).plug();
    h.link->ReportChecker();
    run(100);
    EXPECT_EQ(h.rescueSaves, 1);
    EXPECT_EQ(h.platform.quitCalls, 1);
    EXPECT_EQ(h.titleShows, titleShowsBefore) << "the start-up window stays hidden";
}

}  // namespace
