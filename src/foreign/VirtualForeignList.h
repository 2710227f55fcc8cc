#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "foreign/VirtualForeignDevice.h"

namespace foreign {

// A --simulate list with its foreign entries taken out: "buzz" adds a virtual Buzz!
// dongle, "gamepad" a virtual arcade encoder; the rest names the console's own modules.
struct VirtualForeignList {
    QString moduleList;  // the entries left, in their order
    std::vector<std::unique_ptr<VirtualForeignDevice>> devices;
};

VirtualForeignList takeVirtualForeignDevices(const QString& list);

}  // namespace foreign
