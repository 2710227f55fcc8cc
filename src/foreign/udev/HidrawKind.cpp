// qvx-hidraw-kind: udev's question about a hidraw node, may the person at the seat open it
// as a game controller? Reads the node's report descriptor (the file named on the command
// line, <node>/device/report_descriptor) and prints QVX_GAME_CONTROLLER=1 when its
// interface is a joystick or game pad and nothing a person types or points with; prints
// nothing otherwise, also for a missing or damaged descriptor. Always exits 0.
#include <QFile>
#include <cstdio>

#include "foreign/ForeignLayout.h"
#include "modulelink/HidDescriptor.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 0;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    constexpr qint64 kLongestDescriptor = 4096;  // the kernel's limit
    const QByteArray raw = file.read(kLongestDescriptor);
    const modulelink::HidDescriptorResult parsed =
        modulelink::parseHidDescriptor(modulelink::Bytes(raw.begin(), raw.end()));
    if (parsed.ok && foreign::onlyGameController(parsed.descriptor)) {
        std::puts("QVX_GAME_CONTROLLER=1");
    }
    return 0;
}
