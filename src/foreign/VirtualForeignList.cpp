#include "foreign/VirtualForeignList.h"

#include <QStringList>

namespace foreign {

VirtualForeignList takeVirtualForeignDevices(const QString& list) {
    VirtualForeignList result;
    QStringList own;
    for (const QString& entry : list.split(QLatin1Char(','))) {
        const QString name = entry.trimmed().toLower();
        const std::string path = "sim:foreign" + std::to_string(result.devices.size() + 1);
        if (name == QStringLiteral("buzz")) {
            result.devices.push_back(
                std::make_unique<VirtualForeignDevice>(DeviceKind::Buzz, path));
        } else if (name == QStringLiteral("gamepad")) {
            result.devices.push_back(
                std::make_unique<VirtualForeignDevice>(DeviceKind::GameController, path));
        } else {
            own << entry;
        }
    }
    result.moduleList = own.join(QLatin1Char(','));
    return result;
}

}  // namespace foreign
