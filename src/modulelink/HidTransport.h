#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace modulelink {

using Bytes = std::vector<std::uint8_t>;

// When an input report arrived, on the steady clock; comparable across threads.
using ArrivalTime = std::chrono::nanoseconds;
inline ArrivalTime arrivalNow() {
    return std::chrono::steady_clock::now().time_since_epoch();
}
// Longer than a module's interrupt poll interval (at most 10 ms) plus an output frame:
// reports of one interface closer than this came back to back, from a queue in its endpoint.
inline constexpr ArrivalTime kBackToBack = std::chrono::milliseconds(12);

// One HID interface found by enumeration.
struct HidDeviceInfo {
    std::string path;  // unique while the interface is attached
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int interfaceNumber = -1;
    QString productName;
    QString manufacturer;
    // Set for another maker's buzzer that stands in for a team module: how the operator
    // knows it and its own USB ids (the ids above are those of the module it stands in for).
    struct StandIn {
        QString name;  // "Buzz! controller 1 (4 handsets)"
        std::uint16_t vendorId = 0;
        std::uint16_t productId = 0;
    };
    std::optional<StandIn> standIn;
};

// What a read from an open interface gave.
struct HidReadResult {
    enum class Status { Report, Nothing, Error };
    Status status = Status::Nothing;
    // The report as the device sent it: the report id first only when the interface
    // uses numbered reports (hidapi's convention).
    Bytes data;
    QString error;
    ArrivalTime arrival{0};  // reports read from an arrival queue
    // The error says the device went away (unplugged), even if one is attached at the same
    // path again by now: that one is a new attachment.
    bool deviceGone = false;

    bool gotReport() const { return status == Status::Report; }
    bool failed() const { return status == Status::Error; }
};

struct HidWriteResult {
    bool ok = false;
    QString error;
    bool deviceGone = false;  // as for HidReadResult
};

// An open interface. Closing is destroying it.
class HidConnection {
  public:
    virtual ~HidConnection() = default;

    // The next pending input report, never waiting.
    virtual HidReadResult readPending() = 0;
    // When the report (or error) that readPending would give next arrived; none when
    // nothing is pending.
    virtual std::optional<ArrivalTime> nextArrival() { return std::nullopt; }
    // Called from any thread whenever a report or error was queued for readPending, so
    // the owner can wake its event loop. Set once, right after opening.
    // By value: the transports that use it keep it.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void setArrivalWake(std::function<void()> /*wake*/) {}
    // The next input report, waiting up to timeoutMs for one to arrive.
    virtual HidReadResult readWithin(int timeoutMs) = 0;
    // Sends an output report; data[0] is the report id (0 when reports are unnumbered).
    virtual HidWriteResult writeOutput(const Bytes& data) = 0;
    // Feature reports, data[0] the report id as for writeOutput.
    virtual HidWriteResult writeFeature(const Bytes& data) = 0;
    virtual HidReadResult readFeature(std::uint8_t reportId, std::size_t length) = 0;
    // The interface's raw HID report descriptor; empty with error text when unavailable.
    virtual Bytes reportDescriptor(QString* error) = 0;
    // A string descriptor by index; empty when the device has none.
    virtual QString indexedString(int index) = 0;
};

struct HidOpenResult {
    std::unique_ptr<HidConnection> connection;
    bool permissionDenied = false;  // the operator must grant access (udev rule)
    QString error;
};

// Access to HID interfaces: real ones through hidapi, virtual ones in the simulator.
class HidTransport {
  public:
    virtual ~HidTransport() = default;

    // Every attached interface with this vendor id (0: any vendor).
    virtual std::vector<HidDeviceInfo> enumerate(std::uint16_t vendorId) = 0;
    virtual HidOpenResult open(const std::string& path) = 0;
    // The clock the transport stamps arrivals with.
    virtual ArrivalTime now() const { return arrivalNow(); }
};

}  // namespace modulelink
