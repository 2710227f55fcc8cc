#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "modulelink/HidTransport.h"

namespace test {

// A transport over another whose interfaces fail on demand: every write, every read, or
// only those of one device; and hooks that run after each read or write reached the
// device, where a test can unplug modules in the middle of a poll or between a write and
// the read after it.
class FaultyTransport final : public modulelink::HidTransport {
  public:
    struct Faults {
        bool writes = false;
        bool reads = false;
        std::string onlyPath;  // empty: every device

        bool hit(bool kind, const std::string& path) const {
            return kind && (onlyPath.empty() || onlyPath == path);
        }
    };
    using Hook = std::function<void(const std::string& path)>;

    explicit FaultyTransport(modulelink::HidTransport& inner) : inner_(inner) {}

    Faults faults;
    Hook afterRead;
    Hook afterWrite;
    int failedReads = 0;
    int failedWrites = 0;

    std::vector<modulelink::HidDeviceInfo> enumerate(std::uint16_t vendorId) override {
        return inner_.enumerate(vendorId);
    }
    modulelink::ArrivalTime now() const override { return inner_.now(); }
    modulelink::HidOpenResult open(const std::string& path) override {
        modulelink::HidOpenResult opened = inner_.open(path);
        if (opened.connection) {
            opened.connection =
                std::make_unique<Connection>(*this, path, std::move(opened.connection));
        }
        return opened;
    }

  private:
    class Connection final : public modulelink::HidConnection {
      public:
        Connection(FaultyTransport& owner, std::string path,
                   std::unique_ptr<modulelink::HidConnection> inner)
            : owner_(owner), path_(std::move(path)), inner_(std::move(inner)) {}

        modulelink::HidReadResult readPending() override {
            return read([this] { return inner_->readPending(); });
        }
        // A failing read is news at once, as a reader thread would queue its error.
        std::optional<modulelink::ArrivalTime> nextArrival() override {
            const std::optional<modulelink::ArrivalTime> next = inner_->nextArrival();
            if (owner_.faults.hit(owner_.faults.reads, path_)) {
                return next.value_or(owner_.now());
            }
            return next;
        }
        void setArrivalWake(std::function<void()> wake) override {
            inner_->setArrivalWake(std::move(wake));
        }
        modulelink::HidReadResult readWithin(int timeoutMs) override {
            return read([this, timeoutMs] { return inner_->readWithin(timeoutMs); });
        }
        modulelink::HidWriteResult writeOutput(const modulelink::Bytes& data) override {
            if (owner_.faults.hit(owner_.faults.writes, path_)) {
                ++owner_.failedWrites;
                return {false, QStringLiteral("injected write failure")};
            }
            modulelink::HidWriteResult w = inner_->writeOutput(data);
            if (owner_.afterWrite) {
                owner_.afterWrite(path_);
            }
            return w;
        }
        modulelink::HidWriteResult writeFeature(const modulelink::Bytes& data) override {
            return inner_->writeFeature(data);
        }
        modulelink::HidReadResult readFeature(std::uint8_t id, std::size_t length) override {
            return inner_->readFeature(id, length);
        }
        modulelink::Bytes reportDescriptor(QString* error) override {
            return inner_->reportDescriptor(error);
        }
        QString indexedString(int index) override { return inner_->indexedString(index); }

      private:
        template <typename Read>
        modulelink::HidReadResult read(Read inner) {
            if (owner_.faults.hit(owner_.faults.reads, path_)) {
                ++owner_.failedReads;
                return {modulelink::HidReadResult::Status::Error,
                        {},
                        QStringLiteral("injected read failure")};
            }
            modulelink::HidReadResult r = inner();
            if (owner_.afterRead) {
                owner_.afterRead(path_);
            }
            return r;
        }

        FaultyTransport& owner_;
        std::string path_;
        std::unique_ptr<modulelink::HidConnection> inner_;
    };

    modulelink::HidTransport& inner_;
};

}  // namespace test
