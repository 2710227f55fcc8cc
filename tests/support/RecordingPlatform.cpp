#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "ManualClock.h"

namespace test {

namespace {
constexpr int kModalStepMs = 10;
// Boxes nested deeper than this would overflow the real program's stack long before.
constexpr int kMaxModalNesting = 16;
// No flow shows this many boxes: past it a question loop runs away, which fails the test
// instead of hanging it.
constexpr std::size_t kMaxMessages = 500;
}  // namespace

RecordingPlatform::RecordingPlatform(QString folder)
    : programDir(folder), workingDir(std::move(folder)) {}

void RecordingPlatform::runEventsInModals(ManualClock& clock, int dwellMs) {
    modalClock_ = &clock;
    modalDwellMs_ = dwellMs;
}

void RecordingPlatform::runModalLoop() {
    if (modalClock_ == nullptr || modalDepth_ >= kMaxModalNesting) {
        return;
    }
    ++modalDepth_;
    deepestModalNesting = std::max(deepestModalNesting, modalDepth_);
    QCoreApplication::processEvents();
    // A quit ends the loop of every box that is up.
    for (int waited = 0; waited < modalDwellMs_ && !ended(); waited += kModalStepMs) {
        modalClock_->advanceMs(kModalStepMs);
        QCoreApplication::processEvents();
    }
    --modalDepth_;
}

ui::MsgAnswer RecordingPlatform::messageBox(const QString& text, ui::MsgButtons buttons,
                                            ui::MsgIcon icon, const QString& title) {
    if (ended()) {
        ++unshownAfterQuit;
        return ui::endingAnswer(buttons);
    }
    if (messages.size() >= kMaxMessages) {
        ADD_FAILURE() << "message boxes without end; the last: " << text.toStdString();
        return ui::endingAnswer(buttons);
    }
    messages.push_back({text, buttons, icon, title});
    runModalLoop();
    if (ended()) {
        return ui::endingAnswer(buttons);  // the box closed with the program
    }
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
    if (ended()) {
        ++unshownAfterQuit;
        return std::nullopt;
    }
    openRequests.push_back(request);
    runModalLoop();
    return ended() ? std::nullopt : takeNext(openResults);
}

std::optional<QString> RecordingPlatform::saveFileDialog(const ui::FileDialogRequest& request) {
    if (ended()) {
        ++unshownAfterQuit;
        return std::nullopt;
    }
    saveRequests.push_back(request);
    runModalLoop();
    return ended() ? std::nullopt : takeNext(saveResults);
}

std::optional<ui::Color> RecordingPlatform::colorDialog(ui::Color initial) {
    if (ended()) {
        ++unshownAfterQuit;
        return std::nullopt;
    }
    colorRequests.push_back(initial);
    runModalLoop();
    return ended() ? std::nullopt : takeNext(colorResults);
}

bool RecordingPlatform::printDialog(QPrinter& printer, const QString& title) {
    if (ended()) {
        ++unshownAfterQuit;
        return false;
    }
    printRequests << title;
    runModalLoop();
    const bool prints = !printAnswers.empty() && printAnswers.front();
    if (!printAnswers.empty()) {
        printAnswers.pop_front();
    }
    if (ended() || !prints) {
        return false;
    }
    if (printerChosen) {
        printerChosen(printer);
    }
    return true;
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
