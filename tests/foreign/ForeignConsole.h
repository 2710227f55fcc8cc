#pragma once

// A whole console over the virtual transport with a two-team module (teams 1-2), a Buzz!
// dongle and an arcade encoder behind the translation layer, for the tests of foreign
// buzzers in a match. Tones the devices would sound are listed and played on the PC.
#include <QCoreApplication>
#include <vector>

#include "ManualClock.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "foreign/ForeignTransport.h"
#include "foreign/FreeSlot.h"
#include "foreign/PcSound.h"
#include "foreign/VirtualForeignDevice.h"
#include "modulelink/SimTransport.h"
#include "sim/VirtualModule.h"

namespace test {

struct ForeignConsole {
    ForeignConsole() {
        devices.addDevice(own);
        devices.addDevice(buzz);
        devices.addDevice(pad);
    }

    foreign::ForeignDevice::Hooks hooks() {
        return {[this] { return foreign::firstFreeSlot(console.state()); },
                [this](sim::Tone t) {
                    tones.push_back(t);
                    foreign::playOnPc(t, console.settings(), platform);
                },
                {}};
    }
    // The roster name of a team slot's player (1-based both).
    QString playerName(int slot, int player) {
        return console.menu().Text[static_cast<std::size_t>(6 * (slot - 1) + player)]->text();
    }
    // Longer than a press may wait after an arm while its module's answer could still come.
    void settle() {
        QCoreApplication::processEvents();
        clock.advanceMs(15);
    }

    TempFolder folder;
    RecordingPlatform platform{folder.path()};
    ManualClock clock;
    modulelink::ArrivalTime stamp{1};
    sim::VirtualModule own{2012, 1, "sim:own"};
    foreign::VirtualForeignDevice buzz{foreign::DeviceKind::Buzz, "sim:buzz"};
    foreign::VirtualForeignDevice pad{foreign::DeviceKind::GameController, "sim:pad"};
    modulelink::SimTransport devices{
        [this] { return std::chrono::nanoseconds(clock.now()) + stamp; }};
    foreign::MemoryRoleStore roles;
    std::vector<sim::Tone> tones;
    foreign::ForeignTransport transport{devices, roles, hooks()};
    app::Console console{platform, clock, transport};
};

}  // namespace test
