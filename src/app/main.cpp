#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>

#include "app/Console.h"
#include "modulelink/HidapiTransport.h"
#include "sim/VirtualModuleSet.h"
#include "ui/QtClock.h"
#include "ui/QtPlatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("qvxconsole");
    QApplication::setApplicationDisplayName("Quorvantix Console");
    QApplication::setApplicationVersion(QVX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Quorvantix Console: the operator's console of the Quorvantix quiz buzzer system.\n"
        "Without options it talks to the team modules attached over USB.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        "simulate",
        "Run on virtual team modules instead of USB hardware. LIST names the modules, "
        "comma-separated: one-team 4097:SLOT, 272:SLOT, 901:SLOT (slot 1-8); two-team "
        "2012:1-2, 2012:3-4, 2012:5-6, likewise 512; RF 712 or 812 (teams 1-4). "
        "Default: 2012:1-2,2012:3-4.",
        "LIST");
    parser.addOption(simulate);
    QStringList arguments = QApplication::arguments();
    // "--simulate" alone takes the default list.
    for (QString& a : arguments) {
        if (a == "--simulate") {
            a = "--simulate=" + QString::fromLatin1(sim::kDefaultModuleList);
        }
    }
    parser.process(arguments);

    std::unique_ptr<sim::VirtualModuleSet> virtualModules;
    std::unique_ptr<modulelink::HidapiTransport> usb;
    modulelink::HidTransport* transport = nullptr;
    if (parser.isSet(simulate)) {
        auto created = sim::VirtualModuleSet::create(parser.value(simulate));
        if (!created.modules) {
            std::fprintf(stderr, "qvxconsole: --simulate: %s\n", qPrintable(created.error));
            return 2;
        }
        virtualModules = std::move(created.modules);
        transport = &virtualModules->transport();
    } else {
        usb = std::make_unique<modulelink::HidapiTransport>();
        transport = usb.get();
    }

    ui::QtPlatform platform;
    ui::QtClock clock;
    app::Console console(platform, clock, *transport);
    console.start();
    return QApplication::exec();
}
