#include "RecordingTransport.h"

#include <map>

namespace rules {

using modulelink::ArrivalTime;
using modulelink::Bytes;
using modulelink::HidReadResult;
using modulelink::HidWriteResult;

struct RecordingTransport::State {
    std::map<std::string, std::vector<Command>> commands;
    bool woken = false;
    ReadWatch readWatch;

    HidReadResult seen(const std::string& path, HidReadResult r) const {
        if (readWatch && r.gotReport()) {
            readWatch(path, r.data);
        }
        return r;
    }
};

namespace {

class RecordingConnection final : public modulelink::HidConnection {
  public:
    RecordingConnection(std::unique_ptr<modulelink::HidConnection> inner,
                        std::shared_ptr<RecordingTransport::State> state, std::string path,
                        const modulelink::HidTransport& clock)
        : inner_(std::move(inner)),
          state_(std::move(state)),
          path_(std::move(path)),
          clock_(clock) {}

    HidReadResult readPending() override { return state_->seen(path_, inner_->readPending()); }
    std::optional<ArrivalTime> nextArrival() override { return inner_->nextArrival(); }
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    void setArrivalWake(std::function<void()> wake) override {
        if (!wake) {
            inner_->setArrivalWake({});
            return;
        }
        inner_->setArrivalWake([state = state_, wake = std::move(wake)] {
            state->woken = true;
            wake();
        });
    }
    HidReadResult readWithin(int timeoutMs) override {
        return state_->seen(path_, inner_->readWithin(timeoutMs));
    }
    HidWriteResult writeOutput(const Bytes& data) override {
        const ArrivalTime at = clock_.now();
        HidWriteResult r = inner_->writeOutput(data);
        if (r.ok && data.size() >= 2) {
            state_->commands[path_].push_back({data[1], at});
        }
        return r;
    }
    HidWriteResult writeFeature(const Bytes& data) override { return inner_->writeFeature(data); }
    HidReadResult readFeature(std::uint8_t id, std::size_t size) override {
        return inner_->readFeature(id, size);
    }
    Bytes reportDescriptor(QString* error) override { return inner_->reportDescriptor(error); }
    QString indexedString(int index) override { return inner_->indexedString(index); }

  private:
    std::unique_ptr<modulelink::HidConnection> inner_;
    std::shared_ptr<RecordingTransport::State> state_;
    std::string path_;
    const modulelink::HidTransport& clock_;
};

}  // namespace

RecordingTransport::RecordingTransport(modulelink::HidTransport& inner)
    : inner_(inner), state_(std::make_shared<State>()) {}

RecordingTransport::~RecordingTransport() = default;

std::vector<modulelink::HidDeviceInfo> RecordingTransport::enumerate(std::uint16_t vendorId) {
    return inner_.enumerate(vendorId);
}

modulelink::HidOpenResult RecordingTransport::open(const std::string& path) {
    modulelink::HidOpenResult r = inner_.open(path);
    if (r.connection) {
        r.connection =
            std::make_unique<RecordingConnection>(std::move(r.connection), state_, path, inner_);
    }
    return r;
}

const std::vector<RecordingTransport::Command>& RecordingTransport::commands(
    const std::string& path) const {
    static const std::vector<Command> kNone;
    const auto it = state_->commands.find(path);
    return it == state_->commands.end() ? kNone : it->second;
}

void RecordingTransport::watchReads(ReadWatch watch) {
    state_->readWatch = std::move(watch);
}

void RecordingTransport::clearCommands() {
    state_->commands.clear();
}

bool RecordingTransport::takeWake() {
    return std::exchange(state_->woken, false);
}

std::vector<int> CommandLog::of(int position) const {
    std::vector<int> codes;
    for (const RecordingTransport::Command& c : timed(position)) {
        codes.push_back(c.code);
    }
    return codes;
}

}  // namespace rules
