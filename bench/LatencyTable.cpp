// Every latency and load figure of the console in one run, each beside its bound:
//   bench_latency [scale [figure]]
// scale < 1 makes a quick, less stable run; figure (lock, buzz, leader, paint, pairs, check, cpu,
// start, rss, presses, web) runs that one alone, e.g. under a profiler.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Figures.h"

namespace {

int scaled(int count, double scale) {
    return std::max(10, int(count * scale));
}

void row(const char* figure, const std::string& measured, const std::string& target,
         const char* verdict) {
    std::printf("| %-66s | %-34s | %-30s | %-4s |\n", figure, measured.c_str(), target.c_str(),
                verdict);
    std::fflush(stdout);
}

void row(const char* figure, const std::string& measured, const std::string& target, bool met) {
    row(figure, measured, target, met ? "ok" : "MISS");
}

std::string medianP99(const bench::Samples& s, const char* unit, int decimals = 3) {
    char text[96];
    std::snprintf(text, sizeof text, "median %.*f, p99 %.*f %s (n=%zu)", decimals, s.median(),
                  decimals, s.p99(), unit, s.values.size());
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    const std::string only = argc > 2 ? argv[2] : "";
    const auto wanted = [&](const char* figure) { return only.empty() || only == figure; };
    std::printf("| %-66s | %-34s | %-30s | %-4s |\n", "figure", "measured", "target", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(68, '-').c_str(), std::string(36, '-').c_str(),
                std::string(32, '-').c_str(), std::string(6, '-').c_str());

    if (wanted("lock")) {
        const bench::Samples classic =
            bench::pressToLockMs(engine::classicBoardPolicy(), scaled(400, scale));
        row("press to lock on every module, 10 modules, classic board (2 ms)",
            medianP99(classic, "ms"), "median < 0.25 ms, p99 < 1 ms",
            classic.median() < 0.25 && classic.p99() < 1.0);
    }

    if (wanted("buzz")) {
        const bench::ForeignLock both = bench::pressToLockBesideBuzz(scaled(400, scale));
        row("press to lock on both, Buzz! dongle pressed, beside a 4097 module",
            medianP99(both.buzzPressed, "ms"), "median < 0.25 ms, p99 < 1 ms",
            both.notTaken == 0 && both.buzzPressed.median() < 0.25 && both.buzzPressed.p99() < 1.0);
        row("  the same run, the Quorvantix module pressed", medianP99(both.modulePressed, "ms"),
            "median < 0.25 ms, p99 < 1 ms",
            both.notTaken == 0 && both.modulePressed.median() < 0.25 &&
                both.modulePressed.p99() < 1.0);
    }

    bench::BoardRounds leader;
    if (wanted("leader") || wanted("paint")) {
        leader = bench::pressesOnTheBoard(true, scaled(300, scale));
    }
    if (wanted("leader")) {
        row("the same, leader board window (10 ms), 10 modules", medianP99(leader.locked, "ms"),
            "median < 0.25 ms, p99 < 1 ms",
            leader.locked.median() < 0.25 && leader.locked.p99() < 1.0);
    }
    if (wanted("paint")) {
        const bench::BoardRounds classicBoard = bench::pressesOnTheBoard(false, scaled(200, scale));
        const std::pair<const char*, const bench::BoardRounds*> boards[] = {
            {"press to the responder's name painted, classic board, 3 modules", &classicBoard},
            {"press to the responder's name painted, leader board, 10 modules", &leader}};
        for (const auto& [name, rounds] : boards) {
            const double bound = rounds->locked.p99() + 17.0;
            char target[64];
            std::snprintf(target, sizeof target, "p99 < its lock p99 + 17 = %.1f ms", bound);
            row(name, medianP99(rounds->painted, "ms"), target, rounds->painted.p99() < bound);
        }
    }
    if (wanted("pairs")) {
        const bench::PairOutcome pairs =
            bench::earlierOfTwoPresses(engine::leaderBoardPolicy(), scaled(10000, scale), 0.5);
        row("two presses 0.5 ms apart on different modules, leader board engine",
            "earlier won " + std::to_string(pairs.earlierWon) + " of " +
                std::to_string(pairs.pairs) +
                (pairs.phantoms ? " (" + std::to_string(pairs.phantoms) + " stale after arm)" : ""),
            "every time", pairs.pairs > 0 && pairs.earlierWon == pairs.pairs);
    }

    if (wanted("check")) {
        const bench::Samples check = bench::reportCheckMicros(scaled(100000, scale));
        row("one report check over 10 modules, in-process", medianP99(check, "us"), "< 5 us",
            check.p99() < 5.0);
    }

    if (wanted("cpu")) {
        const int seconds = std::max(5, int(30 * scale));
        const auto wholeAndSeconds = [](const bench::CpuLoad& load) {
            char text[64];
            std::snprintf(text, sizeof text, "%.2f %%; per s %.2f, p99 %.2f", load.wholeRun,
                          load.perSecond.median(), load.perSecond.p99());
            return std::string(text);
        };
        const bench::CpuLoad cpu = bench::idleCpuPercent(seconds);
        const std::string over = "< 2% of one core over " + std::to_string(seconds) + " s";
        row("CPU while armed and idle, classic board, 10 modules", wholeAndSeconds(cpu), over,
            cpu.wholeRun < 2.0);
        // The share the console cannot help: the same 2 ms wake-ups with nothing to do.
        const bench::CpuLoad floor = bench::emptyTickCpuPercent(seconds, 2);
        row("  beside it: an empty 2 ms timer on this machine (the floor)", wholeAndSeconds(floor),
            "for comparison", "-");
    }

    if (wanted("start")) {
        const bench::Samples start = bench::startToTitleScreenMs(scaled(20, scale));
        row("start to \"Title Screen\" listing 10 virtual modules (in-process)",
            medianP99(start, "ms", 1), "< 1 s", start.p99() < 1000.0);
    }

    if (wanted("rss")) {
        const double rss = bench::residentMegabytes();
        char rssText[64];
        std::snprintf(rssText, sizeof rssText, "%.1f MB (one reading)", rss);
        row("resident memory after the runs above (a 10-module match included)", rssText,
            "< 120 MB", rss > 0 && rss < 120.0);
    }

    if (wanted("web")) {
        // One run: the same board without the server, with it and one page, with 200 pages.
        const int rounds = scaled(200, scale);
        const bench::BoardRounds off = bench::pressesOnTheBoard(false, rounds);
        const bench::BoardRounds one = bench::pressesOnTheBoard(false, rounds, 1);
        const bench::BoardRounds crowd = bench::pressesOnTheBoard(false, rounds, 200);
        row("press to the page updated, 1 live page (classic board, 3 modules)",
            medianP99(one.pageUpdated, "ms"), "p99 < 50 ms", one.pageUpdated.p99() < 50.0);
        row("press to the last of 200 live pages updated", medianP99(crowd.pageUpdated, "ms"),
            "p99 < 50 ms", crowd.pageUpdated.p99() < 50.0);
        row("press to lock, classic board window, audience screen off", medianP99(off.locked, "ms"),
            "for comparison", "-");
        const double bound = std::max(off.locked.median() * 1.1, off.locked.median() + 0.02);
        char target[64];
        std::snprintf(target, sizeof target, "median within 10%% (< %.3f ms)", bound);
        row("press to lock, the same with 200 live pages", medianP99(crowd.locked, "ms"), target,
            crowd.locked.median() < bound);
        const int seconds = std::max(5, int(20 * scale));
        const bench::ServerCost idle = bench::audienceServerCost(0, seconds);
        const bench::ServerCost busy = bench::audienceServerCost(200, seconds);
        char cost[96];
        std::snprintf(cost, sizeof cost, "%.2f %% / %.2f %% of one core", idle.cpuPercent,
                      busy.cpuPercent);
        row("server thread CPU, no page / 200 pages, match clock running", cost, "< 5% with 200",
            busy.cpuPercent < 5.0);
        std::snprintf(cost, sizeof cost, "%.1f MB / %.1f MB", idle.residentMb, busy.residentMb);
        row("resident memory, server with no page / then 200 pages", cost, "growth < 40 MB",
            busy.residentMb - idle.residentMb < 40.0);
        // The console's own tick, armed and polling, in the same run: its rhythm and its cost.
        const bench::TickFigures quiet = bench::armedTicks(-1, seconds);
        const bench::TickFigures served = bench::armedTicks(200, seconds);
        row("polling tick gap while armed, classic board (2 ms), server off",
            medianP99(quiet.gapMs, "ms"), "for comparison", "-");
        const double gapBound = quiet.gapMs.p99() * 1.1;
        std::snprintf(target, sizeof target, "p99 within 10%% (< %.3f ms)", gapBound);
        row("  the same with 200 live pages", medianP99(served.gapMs, "ms"), target,
            served.gapMs.p99() < gapBound);
        row("time one tick takes, server off", medianP99(quiet.runMs, "ms"), "for comparison", "-");
        const double runBound = std::max(quiet.runMs.median() * 1.1, quiet.runMs.median() + 0.002);
        std::snprintf(target, sizeof target, "median within 10%% (< %.3f ms)", runBound);
        row("  the same with 200 live pages", medianP99(served.runMs, "ms"), target,
            served.runMs.median() < runBound);
    }

    if (wanted("presses")) {
        const bench::PressOutcome presses =
            bench::randomisedPresses(scaled(100000, scale), 20261209);
        row("presses lost or misattributed, randomised, simultaneous included",
            std::to_string(presses.lost) + " lost, " + std::to_string(presses.misattributed) +
                " wrong of " + std::to_string(presses.presses),
            "0", presses.lost == 0 && presses.misattributed == 0);
    }
    return 0;
}
