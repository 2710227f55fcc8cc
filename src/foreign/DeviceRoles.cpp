#include "foreign/DeviceRoles.h"

#include <QSettings>
#include <QStringList>

namespace foreign {

namespace {

// Settings keys may not hold slashes: a device key names a port path.
QString groupOf(const QString& deviceKey) {
    return QStringLiteral("ForeignDevices/") + QString::fromLatin1(deviceKey.toUtf8().toHex());
}

}  // namespace

DeviceRole MemoryRoleStore::roleOf(const QString& deviceKey) const {
    const auto it = roles_.find(deviceKey);
    return it == roles_.end() ? DeviceRole{} : it->second;
}

void MemoryRoleStore::setRole(const QString& deviceKey, const DeviceRole& role) {
    roles_[deviceKey] = role;
}

SettingsRoleStore::SettingsRoleStore(QString settingsFile) : file_(std::move(settingsFile)) {}

DeviceRole SettingsRoleStore::roleOf(const QString& deviceKey) const {
    const QSettings settings(file_, QSettings::IniFormat);
    const QString group = groupOf(deviceKey);
    DeviceRole role;
    role.fourTeams = settings.value(group + QStringLiteral("/fourTeams"), false).toBool();
    const QStringList buttons = settings.value(group + QStringLiteral("/buttonOfPlayer"))
                                    .toString()
                                    .split(QLatin1Char(','));
    if (buttons.size() == static_cast<int>(role.buttonOfPlayer.size())) {
        DeviceRole read = role;
        for (std::size_t p = 0; p < read.buttonOfPlayer.size(); ++p) {
            bool ok = false;
            const int b = buttons[static_cast<int>(p)].trimmed().toInt(&ok);
            if (!ok || b < 0 || b > 255) {
                return role;
            }
            read.buttonOfPlayer[p] = b;
        }
        return read;
    }
    return role;
}

void SettingsRoleStore::setRole(const QString& deviceKey, const DeviceRole& role) {
    QSettings settings(file_, QSettings::IniFormat);
    const QString group = groupOf(deviceKey);
    settings.setValue(group + QStringLiteral("/fourTeams"), role.fourTeams);
    QStringList buttons;
    for (int b : role.buttonOfPlayer) {
        buttons << QString::number(b);
    }
    settings.setValue(group + QStringLiteral("/buttonOfPlayer"), buttons.join(QLatin1Char(',')));
    settings.sync();
}

}  // namespace foreign
