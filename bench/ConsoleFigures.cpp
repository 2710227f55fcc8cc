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
#include "ui/QtClock.h"

namespace bench {

namespace {

// Ten virtual modules, the console started, DONE clicked and the classic board in front.
struct WholeConsole {
    WholeConsole() : modules(tenModuleSpecs()), console(platform, clock, modules.transport()) {}
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

Samples pressToNamePaintedMs(int rounds) {
    WholeConsole whole;
    whole.openBoard();
    for (int i = 0; i < 60; ++i) {
        whole.console.settings().rosterText[i] = QStringLiteral("Name %1").arg(i);
    }
    boards::ScoreBoard3& board = whole.console.classicBoard();
    PaintWatch watch;
    board.NameLabel.widget()->installEventFilter(&watch);
    std::mt19937 random(4242);
    Samples samples;
    QEventLoop loop;
    QElapsedTimer sincePress;
    std::function<void()> armAndPress = [&] {
        board.engine().spacekey();
        QTimer::singleShot(2 + int(random() % 20), Qt::PreciseTimer, &loop, [&] {
            const int index = int(random() % whole.modules.size());
            sim::VirtualModule& m = whole.modules.module(index);
            const int player = int(random() % 5) + 1;
            const QString expected =
                whole.console.settings()
                    .rosterText[model::playerNameIndex(m.firstSlot() - 1, player)];
            watch.shows = [&board, expected] { return board.NameLabel.caption() == expected; };
            watch.painted = [&] {
                samples.values.push_back(double(sincePress.nsecsElapsed()) / 1e6);
                if (int(samples.values.size()) == rounds) {
                    loop.quit();
                } else {
                    QTimer::singleShot(20, &loop, armAndPress);
                }
            };
            sincePress.start();
            m.press({{m.firstSlot(), player}});
        });
    };
    QTimer::singleShot(0, &loop, armAndPress);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
    return samples;
}

Samples startToTitleScreenMs(int runs) {
    Samples samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        WholeConsole whole;
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
