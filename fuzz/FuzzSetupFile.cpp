// The set-up file reader: any bytes in, settings out. Whatever a read leaves in the
// settings, the writer's file of them must read back completely and unchanged.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "FuzzCheck.h"
#include "RecordingTarget.h"
#include "model/SetupFileReader.h"
#include "model/SetupFileWriter.h"

namespace {

model::SetupReadResult readInto(const QByteArray& bytes, model::MatchSettings& settings) {
    model::MatchState state;
    test::RecordingTarget target(settings);
    return model::applySetupFile(model::SetupFileLines::fromBytes(bytes),
                                 model::SetupReader::StartUp, settings, state, target);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    model::MatchSettings settings;
    readInto(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
             settings);
    const QByteArray saved = model::setupFileBytes(settings);
    model::MatchSettings again;
    const model::SetupReadResult reread = readInto(saved, again);
    FUZZ_CHECK(reread.status == model::SetupReadResult::Status::Complete);
    FUZZ_CHECK(model::setupFileBytes(again) == saved);
    return 0;
}
