#include "RecordingPlatform.h"

#include <QFile>
#include <QFileInfo>

namespace test {

RecordingPlatform::RecordingPlatform(QString folder)
    : programDir(folder), workingDir(std::move(folder)) {}

ui::MsgAnswer RecordingPlatform::messageBox(const QString& text, ui::MsgButtons buttons,
                                            ui::MsgIcon icon, const QString& title) {
    messages.push_back({text, buttons, icon, title});
    if (!answers.empty()) {
        const ui::MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return (buttons == ui::MsgButtons::YesNo || buttons == ui::MsgButtons::YesNoCancel)
               ? ui::MsgAnswer::Yes
               : ui::MsgAnswer::OK;
}

namespace {
template <typename T>
std::optional<T> takeNext(std::deque<std::optional<T>>& script) {
    if (script.empty()) {
        return std::nullopt;
    }
    auto result = script.front();
    script.pop_front();
    return result;
}
}  // namespace

std::optional<QString> RecordingPlatform::openFileDialog(const ui::FileDialogRequest& request) {
    openRequests.push_back(request);
    return takeNext(openResults);
}

std::optional<QString> RecordingPlatform::saveFileDialog(const ui::FileDialogRequest& request) {
    saveRequests.push_back(request);
    return takeNext(saveResults);
}

std::optional<ui::Color> RecordingPlatform::colorDialog(ui::Color) {
    return takeNext(colorResults);
}

void RecordingPlatform::playSound(const QString& path, int flags) {
    sounds.push_back({path, flags});
}

bool RecordingPlatform::fileExists(const QString& path) {
    return pretendExisting.contains(path) || QFileInfo(path).isFile();
}

bool RecordingPlatform::deleteFile(const QString& path) {
    return QFile::remove(path);
}

double RecordingPlatform::secondsSinceMidnight() {
    const double reading = clockReadings.front();
    if (clockReadings.size() > 1) {
        clockReadings.pop_front();
    }
    return reading;
}

double RecordingPlatform::random() {
    if (randoms.empty()) {
        return 0.0;
    }
    const double r = randoms.front();
    randoms.pop_front();
    return r;
}

QStringList RecordingPlatform::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages) {
        texts << m.text;
    }
    return texts;
}

}  // namespace test
