#include "ui/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTime>
#include <QUrl>

#include "ui/QtColor.h"
#include "ui/Screens.h"

namespace ui {

QtPlatform::QtPlatform(Folders folders)
    : folders_(std::move(folders)), generator_(std::random_device{}()) {}

MsgAnswer QtPlatform::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 const QString& title) {
    if (ending_) {
        return endingAnswer(buttons);
    }
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setText(text);
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    switch (buttons) {
        case MsgButtons::OK:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OKCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    screens::placeDialog(&box);
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            return buttons == MsgButtons::OK || buttons == MsgButtons::OKCancel ? MsgAnswer::OK
                                                                                : MsgAnswer::Cancel;
    }
}

QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        out << QString("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    }
    return out.join(";;");
}

namespace {
QFileDialog* makeDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    auto* dialog =
        new QFileDialog(nullptr, request.title, request.initialFolder, toQtFilter(request.filter));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    QString suffix = request.defaultExtension;
    dialog->setDefaultSuffix(suffix.startsWith('.') ? suffix.mid(1) : suffix);
    if (!request.proposedName.isEmpty()) {
        dialog->selectFile(request.proposedName);
    }
    screens::placeDialog(dialog);
    return dialog;
}

std::optional<QString> runDialog(QFileDialog* dialog) {
    std::optional<QString> result;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
        result = dialog->selectedFiles().first();
    }
    delete dialog;
    return result;
}
}  // namespace

std::optional<QString> QtPlatform::openFileDialog(const FileDialogRequest& request) {
    if (ending_) {
        return std::nullopt;
    }
    return runDialog(makeDialog(request, QFileDialog::AcceptOpen));
}

std::optional<QString> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
    if (ending_) {
        return std::nullopt;
    }
    // The save dialog asks before overwriting an existing file.
    return runDialog(makeDialog(request, QFileDialog::AcceptSave));
}

std::optional<Color> QtPlatform::colorDialog(Color initial) {
    if (ending_) {
        return std::nullopt;
    }
    QColorDialog dialog(toQColor(initial));
    screens::placeDialog(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QColor chosen = dialog.selectedColor();
    return Color::rgb(chosen.red(), chosen.green(), chosen.blue());
}

QStringList QtPlatform::printerNames() {
    return QPrinterInfo::availablePrinterNames();
}

bool QtPlatform::printDialog(QPrinter& printer, const QString& title) {
    if (ending_) {
        return false;
    }
    QPrintDialog dialog(&printer);
    dialog.setWindowTitle(title);
    screens::placeDialog(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::playSound(const QString& path, int /*flags*/) {
    // Always asynchronous: QSoundEffect plays on its own and never blocks the event loop.
    // Without an audio device it stays silent.
    sound_.stop();
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable()) {
        return;  // no sound chosen, or no file to read: silence
    }
    sound_.setSource(QUrl::fromLocalFile(path));
    sound_.play();
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

bool QtPlatform::deleteFile(const QString& path) {
    return QFile::remove(path);
}

QString QtPlatform::programFolder() {
    return folders_.data;
}

QString QtPlatform::workingFolder() {
    return folders_.setup;
}

QString QtPlatform::writableFolder() {
    return folders_.writable;
}

QString QtPlatform::userDataFolder() {
    return folders_.userData;
}

double QtPlatform::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::seedRandom(double seed) {
    generator_.seed(static_cast<std::mt19937::result_type>(seed * 1000.0));
}

double QtPlatform::random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void QtPlatform::quit() {
    ending_ = true;
    // exit(), not quit(): Qt's quit first offers every window a close, which a window may
    // refuse or turn into something else. exit() ends every running event loop, a message
    // box's included. Queued, so it also ends a program whose event loop has not started.
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace ui
