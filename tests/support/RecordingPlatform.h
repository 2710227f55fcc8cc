#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Platform.h"

namespace test {

class ManualClock;

// Platform services for tests: every message, dialog, sound and beep is recorded, message
// boxes and dialogs answer from scripts, files are real (in a temporary folder), and the
// system clock and random numbers are set by the test.
class RecordingPlatform final : public ui::Platform {
  public:
    struct Message {
        QString text;
        ui::MsgButtons buttons;
        ui::MsgIcon icon;
        QString title;
    };
    struct Sound {
        QString path;
        int flags;
    };

    explicit RecordingPlatform(QString folder = {});

    // A real modal box runs an event loop while it waits for the operator. With this on,
    // every message box and dialog first runs pending events and lets `dwellMs` of the
    // manual clock pass (in 10 ms steps, with events run between them) before it answers,
    // so tests see the same re-entrancy. Without it, boxes answer at once.
    void runEventsInModals(ManualClock& clock, int dwellMs = 1000);

    ui::MsgAnswer messageBox(const QString& text, ui::MsgButtons buttons, ui::MsgIcon icon,
                             const QString& title) override;
    std::optional<QString> openFileDialog(const ui::FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const ui::FileDialogRequest& request) override;
    std::optional<ui::Color> colorDialog(ui::Color initial) override;
    QStringList printerNames() override { return printers; }
    bool printDialog(QPrinter& printer, const QString& title) override;
    void playSound(const QString& path, int flags) override;
    void beep() override { ++beeps; }
    bool fileExists(const QString& path) override;
    bool deleteFile(const QString& path) override;
    QString programFolder() override { return programDir; }
    QString workingFolder() override { return workingDir; }
    // The program folder unless a test sets a writable folder of its own.
    QString writableFolder() override { return writableDir.isEmpty() ? programDir : writableDir; }
    QString userDataFolder() override { return userDataDir; }
    double secondsSinceMidnight() override;
    void seedRandom(double seed) override { seeds.push_back(seed); }
    double random() override;
    void quit() override { ++quitCalls; }
    bool ended() const { return quitCalls > 0; }

    // Scripts. An empty answer script answers with the first button (OK or Yes).
    std::deque<ui::MsgAnswer> answers;
    // Each dialog takes the next scripted result; nothing scripted means cancelled.
    std::deque<std::optional<QString>> openResults;
    std::deque<std::optional<QString>> saveResults;
    std::deque<std::optional<ui::Color>> colorResults;
    // The system's printers; a print dialog answers from printAnswers (nothing scripted:
    // cancelled) and, when it prints, sets up the printer with printerChosen.
    QStringList printers;
    std::deque<bool> printAnswers;
    std::function<void(QPrinter&)> printerChosen;
    std::deque<double> randoms;  // empty: 0.0
    // Successive readings of the system clock; the last one repeats.
    std::deque<double> clockReadings{0.0};
    // Paths that fileExists reports although no such file is on disk.
    QStringList pretendExisting;

    // Records. Once the program is ending, boxes and dialogs answer at once without being
    // shown, as the real ones do; they are counted, not recorded.
    std::vector<Message> messages;
    int unshownAfterQuit = 0;
    // The deepest nesting of boxes seen in the events-running mode (a box shown while
    // another one was up counts 2).
    int deepestModalNesting = 0;
    std::vector<ui::FileDialogRequest> openRequests;
    std::vector<ui::FileDialogRequest> saveRequests;
    std::vector<ui::Color> colorRequests;  // the colour each colour dialog started from
    QStringList printRequests;             // the title of each print dialog
    std::vector<Sound> sounds;
    std::vector<double> seeds;
    int beeps = 0;
    int quitCalls = 0;
    QString programDir;
    QString workingDir;
    QString writableDir;  // empty: the program folder
    QString userDataDir;  // empty: none

    // The texts of the messages shown so far.
    QStringList messageTexts() const;

  private:
    // The event loop of a box that is up, in the events-running mode.
    void runModalLoop();

    ManualClock* modalClock_ = nullptr;
    int modalDwellMs_ = 0;
    int modalDepth_ = 0;
};

}  // namespace test
