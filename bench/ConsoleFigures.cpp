// Figures of the whole console, windows included, drawn by the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <random>

#include "BenchConsole.h"
#include "Figures.h"
#include "PageCrowd.h"
#include "TickTimingClock.h"
#include "app/Console.h"
#include "boards/LeaderBoard.h"

namespace bench {

namespace {

// The console on virtual modules, started, DONE clicked and the board the menu chose
// (the classic board for up to three teams, else the leader board) in front.
struct WholeConsole {
    explicit WholeConsole(const std::vector<sim::ModuleSpec>& specs)
        : modules(specs), console(platform, clock, modules.transport()) {}
    void openBoard() {
        console.start();
        console.titleForm().Command1.click();
        console.menu().CommandHide_Click();
    }
    QuietPlatform platform;
    TickTimingClock clock{engine::classicBoardPolicy().pollingIntervalMs};
    sim::VirtualModuleSet modules;
    app::Console console;
};

bool everyModuleLocked(sim::VirtualModuleSet& modules) {
    for (int i = 0; i < modules.size(); ++i) {
        const auto& commands = modules.module(i).commands();
        if (commands.empty() || commands.back() != 124) {
            return false;
        }
    }
    return true;
}

// Times the first paint of a widget after start() that shows the expected text.
class PaintWatch final : public QObject {
  public:
    std::function<bool()> shows;
    std::function<void()> painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && shows && shows()) {
            auto done = std::exchange(painted, {});
            shows = {};
            if (done) {
                done();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The audience screen on with `pages` live pages connected; none when pages < 0.
std::unique_ptr<PageCrowd> startCrowd(WholeConsole& whole, int pages, std::function<void()> done) {
    if (pages < 0 || !whole.console.audience().switchTo(true, 0).isEmpty()) {
        return {};
    }
    auto crowd = std::make_unique<PageCrowd>(whole.console.audience().screen().port(), pages,
                                             std::move(done));
    QElapsedTimer waited;
    waited.start();
    while (!crowd->connected() && waited.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return crowd;
}

// The CPU seconds so far of this process's thread named `name`.
double threadCpuSeconds(const QByteArray& name) {
    for (const QFileInfo& task :
         QDir(QStringLiteral("/proc/self/task")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(task.filePath() + "/comm");
        QFile stat(task.filePath() + "/stat");
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name ||
            !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        return (fields.value(11).toDouble() + fields.value(12).toDouble()) / 100.0;  // ticks
    }
    return 0;
}

int listedModules(const QString& results) {
    return int(results.count(QStringLiteral("is connected and working.")));
}

}  // namespace

BoardRounds pressesOnTheBoard(bool leaderBoard, int rounds, int livePages) {
    WholeConsole whole(leaderBoard ? tenModuleSpecs() : tenModuleSpecs(3));
    whole.openBoard();
    QEventLoop loop;
    std::function<void()> roundDone;
    std::unique_ptr<PageCrowd> crowd = startCrowd(whole, livePages, [&] {
        QMetaObject::invokeMethod(
            &loop, [&] { roundDone(); }, Qt::QueuedConnection);
    });
    for (int i = 0; i < 60; ++i) {
        whole.console.settings().rosterText[i] = QStringLiteral("Name %1").arg(i);
    }
    boards::BoardWindow& board =
        leaderBoard ? static_cast<boards::BoardWindow&>(whole.console.leaderBoard())
                    : whole.console.classicBoard();
    PaintWatch watch;
    board.NameLabel.widget()->installEventFilter(&watch);
    std::mt19937 random(4242);
    BoardRounds measured;
    QElapsedTimer sincePress;
    bool locked = false;
    bool painted = false;
    std::function<void()> armAndPress;
    QString previous;
    roundDone = [&] {
        if (!locked || !painted || (crowd && !crowd->done())) {
            return;
        }
        if (crowd) {
            measured.pageUpdated.values.push_back(crowd->lastPageMs());
        }
        if (int(measured.painted.values.size()) == rounds) {
            loop.quit();
        } else {
            QTimer::singleShot(20, &loop, armAndPress);
        }
    };
    std::vector<QMetaObject::Connection> connections;
    for (int i = 0; i < whole.modules.size(); ++i) {
        connections.push_back(
            QObject::connect(&whole.modules.module(i), &sim::VirtualModule::changed, [&] {
                if (!locked && sincePress.isValid() && everyModuleLocked(whole.modules)) {
                    locked = true;
                    measured.locked.values.push_back(double(sincePress.nsecsElapsed()) / 1e6);
                    roundDone();
                }
            }));
    }
    armAndPress = [&] {
        board.engine().spacekey();
        QTimer::singleShot(2 + int(random() % 20), Qt::PreciseTimer, &loop, [&] {
            // A new name each round, so each round's page update is told apart.
            sim::VirtualModule* pick = nullptr;
            int player = 0;
            QString expected;
            do {
                pick = &whole.modules.module(int(random() % whole.modules.size()));
                player = int(random() % 5) + 1;
                expected = whole.console.settings()
                               .rosterText[model::playerNameIndex(pick->firstSlot() - 1, player)];
            } while (expected == previous);
            previous = expected;
            sim::VirtualModule& m = *pick;
            locked = painted = false;
            watch.shows = [&board, expected] { return board.NameLabel.caption() == expected; };
            watch.painted = [&] {
                painted = true;
                measured.painted.values.push_back(double(sincePress.nsecsElapsed()) / 1e6);
                roundDone();
            };
            if (crowd) {
                crowd->expect("\"responder\":\"" + expected + "\"", PageCrowd::Clock::now());
            }
            sincePress.start();
            m.press({{m.firstSlot(), player}});
        });
    };
    QTimer::singleShot(0, &loop, armAndPress);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);  // never hang
    loop.exec();
    for (const auto& c : connections) {
        QObject::disconnect(c);
    }
    return measured;
}

ServerCost audienceServerCost(int livePages, int seconds) {
    WholeConsole whole(tenModuleSpecs(3));
    whole.openBoard();
    std::unique_ptr<PageCrowd> crowd = startCrowd(whole, livePages, [] {});
    whole.console.classicBoard().engine().clocklabel_Click();  // a change every second
    const double before = threadCpuSeconds("audience server");
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = threadCpuSeconds("audience server") - before;
    return {100.0 * used / (double(timer.nsecsElapsed()) / 1e9), residentMegabytes()};
}

TickFigures armedTicks(int livePages, int seconds) {
    WholeConsole whole(tenModuleSpecs(3));
    whole.openBoard();
    std::unique_ptr<PageCrowd> crowd = startCrowd(whole, livePages, [] {});
    engine::BuzzEngine& engine = whole.console.classicBoard().engine();
    engine.clocklabel_Click();  // a change for the pages every second
    engine.spacekey();          // armed: the board polls until a press
    whole.clock.recording = true;
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    whole.clock.recording = false;
    return {whole.clock.gapMs, whole.clock.runMs};
}

Samples startToTitleScreenMs(int runs) {
    Samples samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        WholeConsole whole(tenModuleSpecs());
        whole.console.start();
        while (listedModules(whole.console.titleForm().ResultsMemo.caption()) < 10 &&
               timer.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        samples.values.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return samples;
}

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return 0;
}

}  // namespace bench
