#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "modulelink/HidTransport.h"

namespace rules {

// Passes everything through to another transport and keeps, for each interface opened
// through it, the commands it took (output reports written without an error, at the time
// of the write), and whether any report woke the console since it was last asked; it
// shows each input report read to whoever asks.
class RecordingTransport final : public modulelink::HidTransport {
  public:
    struct Command {
        int code = 0;
        modulelink::ArrivalTime at{0};
    };

    explicit RecordingTransport(modulelink::HidTransport& inner);
    ~RecordingTransport() override;

    std::vector<modulelink::HidDeviceInfo> enumerate(std::uint16_t vendorId) override;
    modulelink::HidOpenResult open(const std::string& path) override;
    modulelink::ArrivalTime now() const override { return inner_.now(); }

    using ReadWatch = std::function<void(const std::string& path, const modulelink::Bytes& report)>;
    void watchReads(ReadWatch watch);

    const std::vector<Command>& commands(const std::string& path) const;
    void clearCommands();
    bool takeWake();

    struct State;

  private:
    modulelink::HidTransport& inner_;
    std::shared_ptr<State> state_;  // shared with open connections, which may outlive us
};

// What each team module (by its position in opening order) received.
class CommandLog {
  public:
    CommandLog(const RecordingTransport& recorder, std::vector<std::string> paths)
        : recorder_(recorder), paths_(std::move(paths)) {}
    int size() const { return static_cast<int>(paths_.size()); }
    std::vector<int> of(int position) const;
    const std::vector<RecordingTransport::Command>& timed(int position) const {
        return recorder_.commands(paths_.at(static_cast<std::size_t>(position)));
    }

  private:
    const RecordingTransport& recorder_;
    std::vector<std::string> paths_;
};

}  // namespace rules
