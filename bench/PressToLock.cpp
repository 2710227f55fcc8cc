// The time from a contestant's press on a virtual module to the lock command reaching
// every module, on the real event loop with the classic board's 2 ms polling, printed as
// a distribution beside the polling interval.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "BenchConsole.h"
#include "ui/QtClock.h"

namespace {

bool everyModuleLocked(bench::BenchConsole& console) {
    for (int i = 0; i < console.modules->size(); ++i) {
        const auto& commands = console.modules->module(i).commands();
        if (commands.empty() || commands.back() != 124) {
            return false;
        }
    }
    return true;
}

double percentile(std::vector<double> sorted, double p) {
    const auto index = static_cast<std::size_t>(p * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    ui::QtClock clock;
    bench::BenchConsole console(clock, 10);
    std::mt19937 random(12345);
    std::vector<double> latenciesMs;
    QElapsedTimer sincePress;
    bool waiting = false;

    // After each arm, a press comes on a random module after a random wait, and each
    // state change of a module is checked for the lock having reached them all.
    const auto armAndPress = [&] {
        console.engine->spacekey();
        const int delay = 20 + int(random() % 30);
        QTimer::singleShot(delay, Qt::PreciseTimer, [&] {
            sim::VirtualModule& m = console.modules->module(int(random() % 10));
            waiting = true;
            sincePress.start();
            m.press({{m.firstSlot(), int(random() % 4) + 1}});
        });
    };
    for (int i = 0; i < console.modules->size(); ++i) {
        QObject::connect(&console.modules->module(i), &sim::VirtualModule::changed, [&] {
            if (waiting && everyModuleLocked(console)) {
                waiting = false;
                latenciesMs.push_back(double(sincePress.nsecsElapsed()) / 1e6);
                if (int(latenciesMs.size()) == rounds) {
                    QCoreApplication::quit();
                } else {
                    QTimer::singleShot(5, armAndPress);
                }
            }
        });
    }
    QTimer::singleShot(0, armAndPress);
    QTimer::singleShot(120000, &QCoreApplication::quit);  // never hang
    QCoreApplication::exec();

    if (latenciesMs.empty()) {
        std::printf("press to lock: no press was locked out\n");
        return 1;
    }
    std::sort(latenciesMs.begin(), latenciesMs.end());
    std::printf("press to lock on every module, %zu presses, 10 modules, polling every %d ms:\n",
                latenciesMs.size(), engine::classicBoardPolicy().pollingIntervalMs);
    std::printf("  median %.3f ms, 90th %.3f ms, 99th %.3f ms, max %.3f ms\n",
                percentile(latenciesMs, 0.5), percentile(latenciesMs, 0.9),
                percentile(latenciesMs, 0.99), latenciesMs.back());
    return 0;
}
