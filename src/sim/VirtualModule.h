#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "modulelink/SimDevice.h"
#include "sim/Firmware.h"
#include "sim/ModuleModel.h"

namespace sim {

// One virtual team module: the firmware model (`Firmware`) behind a real report
// descriptor. Input report A carries Data1..Data4, output report B carries Command1. After
// a reset the report carries the identity bits (Data1 = identity | 0x1F, for one-team and
// two-team modules alike) until an arm.
// - RF: 128+ch sets the channel of the module and of transmitters in programming mode;
//   160+old then 192+new recodes programming transmitters with unit code old (right after
//   an old code, 192..224 is always a new code: old code 32 and new code 1 are 192, 193);
//   224+level sets their power. A transmitter that took a change blinks "R" and leaves
//   programming mode; it enters it by a long press (which the receiver hears as a press).
// An armed module with no latched press latches the buttons of one press (several when
// pressed together) and sends a new input report whenever its report changes.
// With a status report, the module answers every command with it, after report A.
class VirtualModule final : public QObject, public modulelink::SimDevice {
    Q_OBJECT
  public:
    struct Transmitter {
        int code = 0;  // unit code 1..32, transmitter k starts with k
        int channel = 0;
        int power = 9;
        bool programming = false;
        bool acknowledged = false;  // blinked "R" after its last change
    };

    // firstSlot: the team slot served (one-team 1..8) or the first of the pair (1, 3, 5);
    // ignored for RF models, which serve 1-4. statusReport: a second input report (see above).
    VirtualModule(int model, int firstSlot, std::string path, bool statusReport = false,
                  QObject* parent = nullptr);
    ~VirtualModule() override;

    int model() const { return model_; }
    ModuleKind kind() const { return kind_; }
    int firstSlot() const { return firstSlot_; }
    bool hasStatusReport() const { return statusReport_; }
    // The served team slots, e.g. {3, 4}.
    std::vector<int> teams() const;
    int playersPerTeam() const;
    // "2012:1-2", "4097:3", "712", "4097:2+status".
    QString label() const;

    // Buttons held at one scan, then released. True when the module latched them.
    bool press(const std::vector<Button>& buttons);
    bool pressTransmitter(int k);  // RF: transmitter 1..32
    // RF: press and hold until the lamp is solid green: the press, then programming mode.
    void holdTransmitter(int k);

    void plug();
    void unplug();

    // Observable state.
    const std::vector<int>& commands() const { return commands_; }
    void clearCommands() { commands_.clear(); }
    bool armed() const { return firmware_.armed(); }
    bool locked() const { return !firmware_.armed(); }
    const std::vector<Button>& latchedPress() const { return firmware_.latched(); }
    bool lampLit(Button button) const { return firmware_.lampLit(button); }
    const std::vector<Button>& litLamps() const { return firmware_.lamps(); }
    Tone tone() const { return firmware_.tone(); }
    std::array<std::uint8_t, 4> data() const;  // Data1..Data4 of the current report
    int rfChannel() const { return channel_; }
    const Transmitter& transmitter(int k) const;
    void setProgramming(int k, bool on);
    void setTransmitterChannel(int k, int channel);

    // SimDevice.
    modulelink::HidDeviceInfo deviceInfo() const override;
    bool isPlugged() const override { return plugged_; }
    int plugGeneration() const override { return generation_; }
    modulelink::Bytes reportDescriptorBytes() const override;
    bool receiveOutputReport(const modulelink::Bytes& data) override;
    void setReportSink(ReportSink sink) override;

  signals:
    // Any observable state changed (commands, lamps, tone, arming, plug, report).
    void changed();

  private:
    void command(int code);
    void powerUp();
    void sendIfChanged(bool force = false);
    void sendStatus();
    bool latchRf(const std::vector<Button>& buttons);
    bool validButton(Button button) const;
    // Transmitter k (1..32) is team (k-1)/5+1, player (k-1)%5+1 of the press API.
    static std::size_t transmitterSlot(Button button);
    void radioCommand(int code);
    // Applies a change to the chosen transmitters in programming mode, which acknowledge.
    template <typename Which, typename Change>
    void reprogram(Which which, Change change);

    int model_;
    ModuleKind kind_;
    int firstSlot_;
    bool statusReport_;
    std::string path_;
    bool plugged_ = true;
    int generation_ = 1;
    ReportSink sink_;
    std::vector<int> commands_;
    Firmware firmware_;
    std::array<std::uint8_t, 4> lastSent_{};
    int channel_ = 0;
    int pendingOldCode_ = 0;
    std::vector<Transmitter> transmitters_;
};

}  // namespace sim
