#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QSettings>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/Console.h"
#include "foreign/ForeignTransport.h"
#include "foreign/FreeSlot.h"
#include "foreign/PcSound.h"
#include "foreign/VirtualForeignList.h"
#include "foreign/windows/BuzzerRoles.h"
#include "foreign/windows/ForeignPanel.h"
#include "modulelink/HidapiTransport.h"
#include "sim/VirtualModuleSet.h"
#include "sim/windows/ModelHelp.h"
#include "sim/windows/VirtualModulesWindow.h"
#include "ui/Folders.h"
#include "ui/QtClock.h"
#include "ui/QtPlatform.h"
#include "ui/Screens.h"

namespace {

const QCommandLineOption kSimulate("simulate",
                                   "Run on virtual team modules instead of USB hardware "
                                   "(see above).",
                                   "LIST");
const QCommandLineOption kWeb("web",
                              "Serve the board to web browsers at PORT (8765 when not given; "
                              "the Options Menu switches it too).",
                              "PORT");

// Parses the command line; --help and --version print and end the program here.
void parse(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName("qvxconsole");
    QCoreApplication::setApplicationVersion(QVX_VERSION);
    parser.setApplicationDescription(
        "Quorvantix Console: the operator's console of the Quorvantix quiz buzzer system.\n"
        "Without options it talks to the team modules attached over USB.\n\n" +
        sim::modelHelpText());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kSimulate);
    parser.addOption(kWeb);
    QStringList arguments = QCoreApplication::arguments();
    for (QString& a : arguments) {
        if (a == "--simulate") {  // alone: the default list
            a = "--simulate=" + QString::fromLatin1(sim::kDefaultModuleList);
        } else if (a == "--web") {
            a = "--web=" + QString::number(app::AudienceLink::kDefaultPort);
        }
    }
    parser.process(arguments);
}

// --help and --version need no display.
bool asksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], flag) == 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        parse(parser);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Quorvantix Console");
    QGuiApplication::setDesktopFileName("org.quorvantix.qvxconsole");
    QApplication::setWindowIcon(QIcon(":/icons/qvxconsole-256.png"));
    // The program ends by its own shutdown, never because its windows were hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    parse(parser);

    std::unique_ptr<sim::VirtualModuleSet> virtualModules;
    foreign::VirtualForeignList virtualForeign;
    std::unique_ptr<modulelink::HidapiTransport> usb;
    modulelink::HidTransport* transport = nullptr;
    if (parser.isSet(kSimulate)) {
        virtualForeign = foreign::takeVirtualForeignDevices(parser.value(kSimulate));
        if (virtualForeign.devices.empty() || !virtualForeign.moduleList.isEmpty()) {
            auto created = sim::VirtualModuleSet::create(virtualForeign.moduleList);
            if (!created.modules) {
                std::fprintf(stderr, "qvxconsole: --simulate: %s\n", qPrintable(created.error));
                return 2;
            }
            virtualModules = std::move(created.modules);
        } else {
            virtualModules =
                std::make_unique<sim::VirtualModuleSet>(std::vector<sim::ModuleSpec>{});
        }
        for (const auto& device : virtualForeign.devices) {
            virtualModules->transport().addDevice(*device);
        }
        transport = &virtualModules->transport();
    } else {
        usb = std::make_unique<modulelink::HidapiTransport>();
        transport = usb.get();
    }

    const ui::Folders folders = ui::programFolders();
    if (folders.installed && folders.problem.isEmpty()) {
        QDir::setCurrent(folders.setup);  // an installed console works in the user's folder
    }
    ui::QtPlatform platform(folders);
    if (const std::optional<QString> warning = ui::folderWarning(folders)) {
        platform.messageBox(*warning, ui::MsgButtons::OK, ui::MsgIcon::Warning, {});
    }
    ui::QtClock clock;
    // Foreign buzzers join as team modules; their roles live in the console's own settings.
    foreign::SettingsRoleStore roles(
        QSettings(QSettings::IniFormat, QSettings::UserScope, "qvxconsole", "qvxconsole")
            .fileName());
    app::Console* consoleOf = nullptr;
    foreign::ForeignTransport withForeign(
        *transport, roles,
        {[&consoleOf] { return consoleOf ? foreign::firstFreeSlot(consoleOf->state()) : 8; },
         [&consoleOf, &platform](sim::Tone tone) {
             if (consoleOf) {
                 foreign::playOnPc(tone, consoleOf->settings(), platform);
             }
         },
         {}});
    app::Console console(platform, clock, withForeign);
    consoleOf = &console;
    foreign::BuzzerRoles buzzerRoles(withForeign, platform);
    console.buzzerRoles = [&buzzerRoles] { buzzerRoles.showRoles(); };
    std::unique_ptr<sim::VirtualModulesWindow> contestants;
    if (virtualModules) {
        contestants = std::make_unique<sim::VirtualModulesWindow>(*virtualModules);
        for (const auto& device : virtualForeign.devices) {
            contestants->addPanel(
                new foreign::ForeignPanel(*device, withForeign.nameOf(device->deviceInfo())));
        }
        contestants->takeContestantKeysEverywhere();
        // A column at the right of the operator's screen, which a board there leaves free.
        ui::screens::showCompanion(contestants.get());
    }
    // The audience screen is the console's own setting too, beside the foreign roles.
    QSettings kept(QSettings::IniFormat, QSettings::UserScope, "qvxconsole", "qvxconsole");
    bool webOn = kept.value("web/on", false).toBool();
    uint webPort = kept.value("web/port", app::AudienceLink::kDefaultPort).toUInt();
    if (parser.isSet(kWeb)) {
        bool number = false;
        webPort = parser.value(kWeb).toUInt(&number);
        if (!number || webPort < 1 || webPort > 65535) {
            std::fprintf(stderr, "qvxconsole: --web: the port must be a number from 1 to 65535\n");
            return 2;
        }
        webOn = true;
    }
    const QString webProblem = console.audience().switchTo(webOn, static_cast<quint16>(webPort));
    if (!webProblem.isEmpty()) {
        std::fprintf(stderr, "qvxconsole: audience screen: %s\n", qPrintable(webProblem));
    }
    console.audience().switched = [&kept](bool on, quint16 port) {
        kept.setValue("web/on", on);
        kept.setValue("web/port", port);
    };
    console.start();
    return QApplication::exec();
}
