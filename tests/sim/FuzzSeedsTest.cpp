#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <vector>

#include "sim/ModuleDescriptors.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of a seed corpus folder.
std::vector<QByteArray> seeds(const QString& target) {
    const QDir dir(QStringLiteral(QVX_FUZZ_CORPUS_DIR "/") + target);
    std::vector<QByteArray> all;
    for (const QString& name : dir.entryList(QDir::Files)) {
        all.push_back(contents(dir.filePath(name)));
    }
    return all;
}

bool hasSeed(const std::vector<QByteArray>& all, const QByteArray& wanted, bool embedded) {
    return std::any_of(all.begin(), all.end(), [&](const QByteArray& seed) {
        return embedded ? seed.contains(wanted) : seed == wanted;
    });
}

// The fuzzers start from what the console really meets: the descriptor of every virtual
// module (so a change of the firmware model shows here) and the shipped set-up files.
TEST(FuzzSeeds, CoverEveryModuleDescriptorAndTheShippedSetUpFiles) {
    const std::vector<QByteArray> descriptors = seeds("hid_descriptor");
    const std::vector<QByteArray> unpacking = seeds("report_unpacking");
    for (int model : {4097, 272, 901, 2012, 512, 712, 812}) {
        const modulelink::Bytes d = sim::moduleReportDescriptor(model);
        const QByteArray bytes(reinterpret_cast<const char*>(d.data()),
                               static_cast<qsizetype>(d.size()));
        EXPECT_TRUE(hasSeed(descriptors, bytes, false)) << model;
        EXPECT_TRUE(hasSeed(unpacking, bytes, true)) << model;
    }
    const std::vector<QByteArray> setupFiles = seeds("setup_file");
    for (const char* name : {"QvxUSBsetupLM.txt", "QvxUSBsetupKOR.txt"}) {
        const QByteArray shipped = contents(QStringLiteral(QVX_PACKAGING_DIR "/") + name);
        ASSERT_FALSE(shipped.isEmpty()) << name;
        EXPECT_TRUE(hasSeed(setupFiles, shipped, false)) << name;
    }
}

}  // namespace
