#pragma once

#include <string>
#include <vector>

#include "modulelink/HidTransport.h"

// The hidapi functions the transport calls, played by this test library instead of the
// real one: devices a test attaches by hand, each at a path that is a FIFO the test made
// (the transport waits on the node; every report queued here also writes a byte to it).
namespace standin {

struct DeviceSpec {
    std::string path;
    unsigned short vendorId = 6561;
    unsigned short productId = 2012;
    int interfaceNumber = 0;
};

void reset();
void attach(const DeviceSpec& description);
// Unplugged: every call fails and the node hangs up.
void detach(const std::string& path);
// Opening fails as it does without permission on the node.
void denyOpen(const std::string& path);
void queueReport(const std::string& path, const modulelink::Bytes& report);
// From now on reads fail with this error.
void failReads(const std::string& path, const std::wstring& error);
// The next `count` reads are interrupted by a signal (EINTR).
void interruptReads(const std::string& path, int count);
// While held, writes wait inside hid_write, as a slow USB transfer does.
void holdWrites(const std::string& path, bool held);
int writesWaiting(const std::string& path);
// Report copies on the node that the transport has not read yet.
int unreadNodeBytes(const std::string& path);

std::vector<modulelink::Bytes> written(const std::string& path);
// Calls on one device that were running at the same moment (hidapi forbids them).
int overlappingCalls();
// Devices opened and not closed yet.
int openDevices();

}  // namespace standin
