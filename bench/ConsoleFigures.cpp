// Figures of the whole console, windows included, drawn by the offscreen platform.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <random>

#include "BenchConsole.h"
#include "Figures.h"
#include "app/Console.h"
#include "boards/LeaderBoard.h"
#include "ui/QtClock.h"

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
    ui::QtClock clock;
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

int listedModules(const QString& results) {
    return int(results.count(QStringLiteral("is connected and working.")));
}

}  // namespace

BoardRounds pressesOnTheBoard(bool leaderBoard, int rounds) {
    WholeConsole whole(leaderBoard ? tenModuleSpecs() : tenModuleSpecs(3));
    whole.openBoard();
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
    QEventLoop loop;
    QElapsedTimer sincePress;
    bool locked = false;
    bool painted = false;
    std::function<void()> armAndPress;
    const auto roundDone = [&] {
        if (!locked || !painted) {
            return;
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
            sim::VirtualModule& m = whole.modules.module(int(random() % whole.modules.size()));
            const int player = int(random() % 5) + 1;
            const QString expected =
                whole.console.settings()
                    .rosterText[model::playerNameIndex(m.firstSlot() - 1, player)];
            locked = painted = false;
            watch.shows = [&board, expected] { return board.NameLabel.caption() == expected; };
            watch.painted = [&] {
                painted = true;
                measured.painted.values.push_back(double(sincePress.nsecsElapsed()) / 1e6);
                roundDone();
            };
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
