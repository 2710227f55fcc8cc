// Figures of the engine over ten virtual modules on the real event loop.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>
#include <random>

#include "BenchConsole.h"
#include "Figures.h"
#include "ManualClock.h"
#include "ui/QtClock.h"

namespace bench {

namespace {

constexpr int kModules = 10;

bool everyModuleLocked(BenchConsole& console) {
    for (int i = 0; i < console.modules->size(); ++i) {
        const auto& commands = console.modules->module(i).commands();
        if (commands.empty() || commands.back() != 124) {
            return false;
        }
    }
    return true;
}

void busyWaitMs(double ms) {
    const auto until = std::chrono::steady_clock::now() +
                       std::chrono::nanoseconds(static_cast<std::int64_t>(ms * 1e6));
    while (std::chrono::steady_clock::now() < until) {
    }
}

// False when the module did not take the press (it was locked).
bool press(BenchConsole& console, int index, int player) {
    sim::VirtualModule& m = console.modules->module(index);
    return m.press({{m.firstSlot(), player}});
}

// Runs rounds on the event loop: each arms, waits a little, presses (pressAll), and ends
// when the lock has reached every module (locked gets the time since the first press). A
// round whose press found the modules locked already (a stale press buzzed in after the
// arm) ends at once and counts in phantoms.
void runLockRounds(BenchConsole& console, int rounds, std::mt19937& random,
                   const std::function<bool()>& pressAll, const std::function<void(double)>& locked,
                   int& phantoms) {
    QEventLoop loop;
    QElapsedTimer sincePress;
    bool waiting = false;
    int done = 0;
    std::function<void()> armAndPress = [&] {
        console.engine->spacekey();
        // A random wait, so presses fall at every phase of the polling interval.
        QTimer::singleShot(2 + int(random() % 20), Qt::PreciseTimer, &loop, [&] {
            busyWaitMs(double(random() % 1000) / 1000.0);
            waiting = true;
            sincePress.start();
            if (!pressAll()) {
                waiting = false;
                ++phantoms;
                if (++done == rounds) {
                    loop.quit();
                } else {
                    QTimer::singleShot(1, &loop, armAndPress);
                }
            }
        });
    };
    std::vector<QMetaObject::Connection> connections;
    for (int i = 0; i < console.modules->size(); ++i) {
        connections.push_back(
            QObject::connect(&console.modules->module(i), &sim::VirtualModule::changed, [&] {
                if (!waiting || !everyModuleLocked(console)) {
                    return;
                }
                waiting = false;
                locked(double(sincePress.nsecsElapsed()) / 1e6);
                if (++done == rounds) {
                    loop.quit();
                } else {
                    QTimer::singleShot(1, &loop, armAndPress);
                }
            }));
    }
    QTimer::singleShot(0, &loop, armAndPress);
    QTimer::singleShot(900000, &loop, &QEventLoop::quit);  // never hang
    loop.exec();
    for (const auto& c : connections) {
        QObject::disconnect(c);
    }
}

}  // namespace

Samples pressToLockMs(const engine::BoardPolicy& policy, int rounds) {
    ui::QtClock clock;
    BenchConsole console(clock, kModules, policy);
    std::mt19937 random(12345);
    Samples samples;
    int phantoms = 0;
    runLockRounds(
        console, rounds, random,
        [&] { return press(console, int(random() % kModules), int(random() % 5) + 1); },
        [&](double ms) { samples.values.push_back(ms); }, phantoms);
    return samples;
}

PairOutcome earlierOfTwoPresses(const engine::BoardPolicy& policy, int pairs, double gapMs) {
    ui::QtClock clock;
    BenchConsole console(clock, kModules, policy);
    std::mt19937 random(777);
    PairOutcome outcome;
    int earlier = 0;
    runLockRounds(
        console, pairs, random,
        [&] {
            earlier = int(random() % kModules);
            const int later = (earlier + 1 + int(random() % (kModules - 1))) % kModules;
            if (!press(console, earlier, 1)) {
                return false;
            }
            busyWaitMs(gapMs);
            press(console, later, 2);
            return true;
        },
        [&](double) {
            ++outcome.pairs;
            if (console.state.respondingModule == earlier + 1) {
                ++outcome.earlierWon;
            }
        },
        outcome.phantoms);
    outcome.pairs += outcome.phantoms;
    return outcome;
}

Samples reportCheckMicros(int calls) {
    ui::QtClock clock;
    BenchConsole console(clock, kModules);
    console.engine->spacekey();
    QCoreApplication::processEvents();
    Samples samples;
    samples.values.reserve(std::size_t(calls));
    // Each call timed alone, so a moment the machine spends elsewhere spoils one sample only.
    for (int i = 0; i < calls; ++i) {
        const auto start = std::chrono::steady_clock::now();
        console.link->ReportChecker();
        const auto end = std::chrono::steady_clock::now();
        samples.values.push_back(double((end - start).count()) / 1e3);
    }
    return samples;
}

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The event loop runs for the given seconds while the process's CPU time is read once a
// second.
CpuLoad sampleCpu(int seconds) {
    CpuLoad load;
    QEventLoop loop;
    QElapsedTimer wall;
    QElapsedTimer whole;
    const double firstCpu = cpuSeconds();
    double lastCpu = firstCpu;
    wall.start();
    whole.start();
    QTimer sampler;
    sampler.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double cpu = cpuSeconds();
        const double elapsed = double(wall.nsecsElapsed()) / 1e9;
        wall.start();
        load.perSecond.values.push_back(100.0 * (cpu - lastCpu) / elapsed);
        lastCpu = cpu;
        if (int(load.perSecond.values.size()) == seconds) {
            load.wholeRun = 100.0 * (cpu - firstCpu) / (double(whole.nsecsElapsed()) / 1e9);
            loop.quit();
        }
    });
    sampler.start(1000);
    loop.exec();
    return load;
}

}  // namespace

CpuLoad idleCpuPercent(int seconds) {
    ui::QtClock clock;
    BenchConsole console(clock, kModules);
    console.engine->spacekey();
    return sampleCpu(seconds);
}

CpuLoad emptyTickCpuPercent(int seconds, int intervalMs) {
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(intervalMs);
    return sampleCpu(seconds);
}

// Each round arms, presses one to three modules at once (in collection order, so the first
// pressed is also the lowest position) and checks who was taken.
PressOutcome randomisedPresses(int presses, unsigned seed) {
    test::ManualClock clock;
    BenchConsole console(clock, kModules);
    for (int t = 0; t < 10; ++t) {
        for (int p = 1; p <= 5; ++p) {
            console.settings.rosterText[6 * t + p] = QStringLiteral("T%1P%2").arg(t).arg(p);
        }
    }
    std::mt19937 random(seed);
    PressOutcome outcome;
    while (outcome.presses < presses) {
        console.engine->spacekey();
        clock.advanceMs(1 + int(random() % 3));
        const int together = random() % 10 < 6 ? 1 : random() % 3 < 2 ? 2 : 3;
        std::vector<int> chosen;
        while (int(chosen.size()) < together) {
            const int m = int(random() % kModules);
            if (std::find(chosen.begin(), chosen.end(), m) == chosen.end()) {
                chosen.push_back(m);
            }
        }
        std::sort(chosen.begin(), chosen.end());
        const int player = int(random() % 5) + 1;
        console.state.respondingModule = 0;
        console.board.name.clear();
        for (int m : chosen) {
            press(console, m, m == chosen.front() ? player : int(random() % 5) + 1);
        }
        // The arrival, then up to ten polling intervals for the press to be taken.
        QCoreApplication::processEvents();
        for (int tick = 0; tick < 10 && console.board.name.isEmpty(); ++tick) {
            clock.advanceMs(console.engine->porttimer().interval());
        }
        outcome.presses += together;
        const int slot = console.modules->module(chosen.front()).firstSlot();
        if (console.board.name.isEmpty()) {
            ++outcome.lost;
        } else if (console.state.respondingModule != chosen.front() + 1 ||
                   console.board.name != QStringLiteral("T%1P%2").arg(slot - 1).arg(player)) {
            ++outcome.misattributed;
        }
    }
    return outcome;
}

}  // namespace bench
