// Press to lock with a virtual Buzz! dongle beside a Quorvantix module in the same run, on
// the real event loop: the dongle's presses go through the translation layer, its lock is
// carried out in software, the module's in its firmware.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <random>

#include "BenchConsole.h"
#include "FaultyTransport.h"
#include "Figures.h"
#include "foreign/ForeignTransport.h"
#include "foreign/VirtualForeignDevice.h"
#include "ui/QtClock.h"

namespace bench {

ForeignLock pressToLockBesideBuzz(int rounds) {
    ui::QtClock clock;
    foreign::VirtualForeignDevice buzz(foreign::DeviceKind::Buzz, "sim:buzz");
    foreign::MemoryRoleStore roles;
    std::unique_ptr<foreign::ForeignTransport> withBuzz;
    // Passes everything through, and tells each write: the lock is complete once the
    // module took 124 and the dongle's team no longer takes presses.
    std::unique_ptr<test::FaultyTransport> watched;
    std::function<void()> written = [] {};
    BenchConsole console(
        clock, 1, engine::classicBoardPolicy(),
        [&](sim::VirtualModuleSet& set) -> modulelink::HidTransport& {
            set.transport().addDevice(buzz);
            withBuzz = std::make_unique<foreign::ForeignTransport>(
                set.transport(), roles,
                foreign::ForeignDevice::Hooks{[] { return 2; }, {}, {}});  // the module has 1
            watched = std::make_unique<test::FaultyTransport>(*withBuzz);
            watched->afterWrite = [&](const std::string&) { written(); };
            return *watched;
        });
    const std::shared_ptr<foreign::ForeignDevice> dongle =
        withBuzz->openDevice("foreign:0:sim:buzz");
    if (!dongle) {
        return {};
    }
    const auto locked = [&] {
        const std::vector<int>& own = console.modules->module(0).commands();
        return !own.empty() && own.back() == 124 && !dongle->firmware(0).armed();
    };

    std::mt19937 random(2121);
    ForeignLock measured;
    QEventLoop loop;
    QElapsedTimer sincePress;
    Samples* pressedOn = nullptr;
    int done = 0;
    std::function<void()> armAndPress;
    const auto roundOver = [&] {
        pressedOn = nullptr;
        if (++done == rounds) {
            loop.quit();
        } else {
            QTimer::singleShot(1, &loop, armAndPress);
        }
    };
    written = [&] {
        if (pressedOn != nullptr && locked()) {
            pressedOn->values.push_back(double(sincePress.nsecsElapsed()) / 1e6);
            roundOver();
        }
    };
    armAndPress = [&] {
        console.engine->spacekey();
        QTimer::singleShot(2 + int(random() % 20), Qt::PreciseTimer, &loop, [&] {
            sincePress.start();
            const int round = done;
            QTimer::singleShot(500, &loop, [&, round] {
                if (pressedOn != nullptr && done == round) {
                    ++measured.notTaken;  // never locked: counted, and the run goes on
                    roundOver();
                }
            });
            if (random() % 2 == 0) {
                pressedOn = &measured.buzzPressed;
                buzz.click(foreign::VirtualForeignDevice::buzzButton(1 + int(random() % 4)));
            } else {
                pressedOn = &measured.modulePressed;
                sim::VirtualModule& m = console.modules->module(0);
                if (!m.press({{m.firstSlot(), 1 + int(random() % 5)}})) {
                    ++measured.notTaken;
                    roundOver();
                }
            }
        });
    };
    QTimer::singleShot(0, &loop, armAndPress);
    QTimer::singleShot(900000, &loop, &QEventLoop::quit);  // never hang
    loop.exec();
    return measured;
}

}  // namespace bench
