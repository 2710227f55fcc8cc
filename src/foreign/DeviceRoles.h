#pragma once

#include <QString>
#include <array>
#include <map>

namespace foreign {

// What the operator chose for one foreign device.
struct DeviceRole {
    // Buzz!: four teams of one player each; otherwise one team of four.
    bool fourTeams = false;
    // Game controllers: the button (1-based) of players 1..5; 0 for none.
    std::array<int, 5> buttonOfPlayer{1, 2, 3, 4, 5};
    bool operator==(const DeviceRole&) const = default;
};

// Where the roles are kept, by a key that names one device (its ids and port).
class RoleStore {
  public:
    virtual ~RoleStore() = default;
    virtual DeviceRole roleOf(const QString& deviceKey) const = 0;
    virtual void setRole(const QString& deviceKey, const DeviceRole& role) = 0;
};

// The roles in memory, for tests and for a console without a settings file.
class MemoryRoleStore final : public RoleStore {
  public:
    DeviceRole roleOf(const QString& deviceKey) const override;
    void setRole(const QString& deviceKey, const DeviceRole& role) override;

  private:
    std::map<QString, DeviceRole> roles_;
};

// The roles in the console's own settings file (never in the set-up file). A damaged or
// out-of-range entry reads as the default role.
class SettingsRoleStore final : public RoleStore {
  public:
    explicit SettingsRoleStore(QString settingsFile);
    DeviceRole roleOf(const QString& deviceKey) const override;
    void setRole(const QString& deviceKey, const DeviceRole& role) override;

  private:
    QString file_;
};

}  // namespace foreign
