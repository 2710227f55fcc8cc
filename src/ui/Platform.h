#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/Color.h"

class QPrinter;

namespace ui {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgAnswer { OK, Cancel, Yes, No };

// The common file dialog as the set-up menu configures it for one use.
struct FileDialogRequest {
    QString title;
    QString filter;  // "Setup Files|*.txt": description and pattern, bar-separated
    QString initialFolder;
    QString proposedName;
    QString defaultExtension;  // ".txt": added to a name typed without extension
};

// Sound flags of the play call: asynchronous, and do not wait if the device is busy.
inline constexpr int kSoundAsync = 0x0001;
inline constexpr int kSoundNoWait = 0x2000;

// The services of the operating system that the windows use. Injected, never global: the
// program gets Qt-backed services, tests a recording double that answers from a script.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message; an empty title means the program's default title.
    virtual MsgAnswer messageBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                                 MsgIcon icon = MsgIcon::None, const QString& title = {}) = 0;
    // The chosen path, or nothing when the operator cancelled.
    virtual std::optional<QString> openFileDialog(const FileDialogRequest& request) = 0;
    // Asks before overwriting an existing file; nothing when cancelled.
    virtual std::optional<QString> saveFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<Color> colorDialog(Color initial) = 0;
    // The printers the system offers; with none, documents are written as PDF files.
    virtual QStringList printerNames() = 0;
    // The print dialog, which sets up `printer` (a QPrinter); false when cancelled.
    virtual bool printDialog(QPrinter& printer, const QString& title) = 0;

    // Plays a wave file without blocking; a new sound replaces the one playing.
    virtual void playSound(const QString& path, int flags) = 0;
    virtual void beep() = 0;

    virtual bool fileExists(const QString& path) = 0;
    virtual bool deleteFile(const QString& path) = 0;
    // The folder of the program's shipped files (default set-ups, question media): the
    // executable's folder, or the installed data folder (see ui::Folders).
    virtual QString programFolder() = 0;
    // Where the set-up file is opened by bare name: the current folder, or installed the
    // user's data folder.
    virtual QString workingFolder() = 0;
    // Where the program writes its own files (the rescue file) and the save dialogs start:
    // the executable's folder, or installed the user's data folder.
    virtual QString writableFolder() = 0;
    // The user's data folder, where a rescue file goes when the writable folder fails;
    // empty when there is none.
    virtual QString userDataFolder() = 0;

    // Seconds since midnight of the system clock, with fractions.
    virtual double secondsSinceMidnight() = 0;
    virtual void seedRandom(double seed) = 0;
    // A pseudo-random number in [0, 1).
    virtual double random() = 0;

    // Ends the program once the current handler returns: every event loop ends, those of
    // message boxes and dialogs that are up included, whatever a window would do with a
    // close. A message box or dialog asked for after that answers at once (endingAnswer;
    // dialogs as cancelled) without showing.
    virtual void quit() = 0;
};

// What a message box answers once the program is ending: Cancel where the box has it,
// so no question loop goes round again.
inline MsgAnswer endingAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK:
            return MsgAnswer::OK;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::OKCancel:
        case MsgButtons::YesNoCancel:
            break;
    }
    return MsgAnswer::Cancel;
}

}  // namespace ui
