// The hidapi transport over a stand-in for hidapi and a made-up sysfs folder: opening, the
// reader thread's reports in order, writes that never overlap reads, a read error, a
// device that vanishes, and the operator's message when access is denied.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <thread>

#include "AgentFixture.h"
#include "HidapiStandIn.h"
#include "TempFolder.h"
#include "modulelink/HidapiTransport.h"

namespace {

using modulelink::Bytes;
using modulelink::HidAgent;

struct HidapiTransport : ::testing::Test {
    test::TempFolder folder;
    test::ManualClock clock;
    std::unique_ptr<modulelink::HidapiTransport> transport;
    std::unique_ptr<HidAgent> agent;
    std::vector<QString> events;
    std::vector<QString> status;

    HidapiTransport() {
        standin::reset();
        transport = std::make_unique<modulelink::HidapiTransport>(folder.file("class"));
        agent = std::make_unique<HidAgent>(*transport, clock);
        QObject::connect(agent.get(), &HidAgent::InterfaceClosed, agent.get(),
                         [this](int still, const QString&, std::int32_t) {
                             events.push_back(QStringLiteral("closed, %1 open").arg(still));
                         });
        QObject::connect(agent.get(), &HidAgent::DeviceRemoved, agent.get(),
                         [this](int, const QString&) { events.push_back("removed"); });
        QObject::connect(agent.get(), &HidAgent::StatusMessage, agent.get(),
                         [this](const QString& text) { status.push_back(text); });
    }
    ~HidapiTransport() override {
        agent.reset();
        transport.reset();
        standin::reset();
    }

    // A hidraw node (a FIFO) with its report descriptor in the sysfs folder.
    std::string attach(const QString& node, bool withDescriptor = true) {
        const QString path = folder.file(node);
        EXPECT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        if (withDescriptor) {
            QDir().mkpath(folder.file("class/" + node + "/device"));
            folder.write("class/" + node + "/device/report_descriptor",
                         QByteArray(reinterpret_cast<const char*>(test::kTeamModule.data()),
                                    static_cast<int>(test::kTeamModule.size())));
        }
        standin::attach({path.toStdString()});
        return path.toStdString();
    }
    bool openAll() {
        agent->setVID_To_Match(6561);
        agent->setSearchOnVID(true);
        agent->PrepareAgent();
        return agent->OpenMatchingDevices();
    }
    int variable(int usage, int type) {
        agent->SelectOpenInterface(0);
        return agent->FindVariable(1, usage, type, false);
    }
    // Waits for the reader thread's wake on the event loop (a guard ends a hang).
    void waitForWake() {
        QEventLoop loop;
        bool woke = false;
        QObject::connect(agent.get(), &HidAgent::ReportsWaiting, &loop, [&] {
            woke = true;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        ASSERT_TRUE(woke) << "the reader thread never woke the event loop";
    }
    bool readData1(int* value) {
        const int v = variable(0x30, 0);
        agent->SelectReport(agent->VariableReportIndex(v));
        const bool ok = agent->ReadCurrentReport();
        *value = agent->GetUnscaledValue(v);
        return ok;
    }
};

TEST_F(HidapiTransport, ReportsReadOnTheReaderThreadArriveInOrder) {
    const std::string path = attach("hidraw3");
    ASSERT_TRUE(openAll());
    EXPECT_EQ(agent->OpenInterfaceCount(), 1);
    EXPECT_EQ(agent->CurrentProductId(), 2012);
    EXPECT_GE(variable(0x33, 0), 0) << "variables come from the descriptor in sysfs";
    EXPECT_GE(variable(0x3E, 1), 0);
    for (std::uint8_t code : {11, 22, 33}) {
        standin::queueReport(path, {code, 0, 0, 0});
    }
    waitForWake();
    std::vector<int> values;
    int value = 0;
    while (values.size() < 3 && readData1(&value)) {
        if (values.empty() || values.back() != value) {
            values.push_back(value);
        }
        if (!agent->ArrivalsWaiting() && values.size() < 3) {
            waitForWake();
        }
    }
    EXPECT_EQ(values, (std::vector{11, 22, 33}));
}

TEST_F(HidapiTransport, WritesReachTheDeviceAndNeverOverlapItsReads) {
    const std::string path = attach("hidraw4");
    ASSERT_TRUE(openAll());
    std::thread feeder([&] {
        for (int i = 0; i < 300; ++i) {
            standin::queueReport(path, {static_cast<std::uint8_t>(i), 0, 0, 0});
        }
    });
    const int command = variable(0x3E, 1);
    for (int i = 0; i < 300; ++i) {
        agent->SetUnscaledValue(command, i % 200);
        agent->SelectReport(agent->VariableReportIndex(command));
        ASSERT_TRUE(agent->WriteCurrentReport());
    }
    feeder.join();
    const std::vector<Bytes> written = standin::written(path);
    ASSERT_EQ(written.size(), 300u);
    EXPECT_EQ(written[1], (Bytes{0, 1}));
    EXPECT_EQ(written[250], (Bytes{0, 50}));
    EXPECT_EQ(standin::overlappingCalls(), 0);
}

TEST_F(HidapiTransport, AReadErrorClosesTheInterface) {
    const std::string path = attach("hidraw5");
    ASSERT_TRUE(openAll());
    standin::failReads(path, L"Input/output error");
    waitForWake();
    int value = 0;
    EXPECT_FALSE(readData1(&value));
    EXPECT_TRUE(agent->lastError().contains("Input/output error"));
    QCoreApplication::processEvents();
    EXPECT_EQ(events, (std::vector<QString>{"closed, 0 open"}));
    EXPECT_EQ(standin::openDevices(), 0) << "its thread ended and the handle was closed";
}

TEST_F(HidapiTransport, AVanishedDeviceEndsItsThreadThenCloseAndRemovalAreRaised) {
    const std::string path = attach("hidraw6");
    ASSERT_TRUE(openAll());
    standin::detach(path);
    waitForWake();  // the reader saw the node hang up
    clock.advanceMs(HidAgent::kEnumerationIntervalMs);
    EXPECT_EQ(events, (std::vector<QString>{"closed, 0 open", "removed"}));
    EXPECT_EQ(standin::openDevices(), 0);
}

// A write holds the handle for a whole USB transfer; a report that came meanwhile is
// stamped when it came, so it never counts as later than the write.
TEST_F(HidapiTransport, AReportThatCameDuringAWriteKeepsItsArrivalTime) {
    const std::string path = attach("hidraw9");
    modulelink::HidOpenResult opened = transport->open(path);
    ASSERT_TRUE(opened.connection);
    modulelink::HidConnection& connection = *opened.connection;
    standin::holdWrites(path, true);
    std::thread writer([&] { EXPECT_TRUE(connection.writeOutput({0, 125}).ok); });
    while (standin::writesWaiting(path) == 0) {
        std::this_thread::yield();
    }
    standin::queueReport(path, {7, 0, 0, 0});
    while (standin::unreadNodeBytes(path) > 0) {
        std::this_thread::yield();  // until the reader has woken for it
    }
    const modulelink::ArrivalTime released = modulelink::arrivalNow();
    standin::holdWrites(path, false);
    writer.join();
    const modulelink::HidReadResult r = connection.readWithin(10000);
    ASSERT_TRUE(r.gotReport()) << r.error.toStdString();
    EXPECT_EQ(r.data, (Bytes{7, 0, 0, 0}));
    EXPECT_LT(r.arrival, released) << "stamped when the write let it be read";
}

// Without a node to wait on, reads wait in hidapi, where a signal can interrupt them.
TEST_F(HidapiTransport, ASignalDuringAReadIsNoFault) {
    const std::string path = folder.file("hidraw10").toStdString();  // no node
    standin::attach({path});
    standin::interruptReads(path, 3);
    standin::queueReport(path, {9, 0, 0, 0});
    modulelink::HidOpenResult opened = transport->open(path);
    ASSERT_TRUE(opened.connection);
    const modulelink::HidReadResult r = opened.connection->readWithin(10000);
    ASSERT_TRUE(r.gotReport()) << r.error.toStdString();
    EXPECT_EQ(r.data, (Bytes{9, 0, 0, 0}));
}

// Pulled out and plugged in again at the same node before the console looked: still a
// removal (after DONE the rescue save), not a mere close.
TEST_F(HidapiTransport, ADeviceBackAtTheSameNodeBeforeAnyoneLookedIsStillRemoved) {
    const std::string path = attach("hidraw11");
    ASSERT_TRUE(openAll());
    standin::detach(path);
    waitForWake();  // the reader saw the node hang up
    standin::attach({path});
    int value = 0;
    EXPECT_FALSE(readData1(&value));
    QCoreApplication::processEvents();
    EXPECT_EQ(events, (std::vector<QString>{"closed, 0 open", "removed"}));
}

TEST_F(HidapiTransport, ADeniedNodeTellsTheOperatorHowToGrantAccess) {
    const std::string path = attach("hidraw7");
    standin::denyOpen(path);
    EXPECT_FALSE(openAll());
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status[0], modulelink::HidapiTransport::permissionAdvice(path));
    EXPECT_TRUE(
        status[0].contains("sudo udevadm control --reload-rules && "
                           "sudo udevadm trigger --subsystem-match=hidraw"));
    EXPECT_TRUE(status[0].contains("packaging/69-qvxconsole-uaccess.rules"));
}

TEST_F(HidapiTransport, ANodeWithoutADescriptorInSysfsIsNotOpened) {
    attach("hidraw8", false);
    EXPECT_FALSE(openAll());
    ASSERT_EQ(status.size(), 1u);
    EXPECT_TRUE(status[0].contains("has no usable report descriptor: cannot read"));
    EXPECT_TRUE(status[0].contains("class/hidraw8/device/report_descriptor"));
    EXPECT_EQ(standin::openDevices(), 0);
}

}  // namespace
