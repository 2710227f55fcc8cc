#pragma once

#include <QSoundEffect>
#include <random>

#include "ui/Folders.h"
#include "ui/Platform.h"

namespace ui {

// The program's platform services, on Qt.
class QtPlatform final : public Platform {
  public:
    // On the folders of this run unless given others.
    explicit QtPlatform(Folders folders = programFolders());

    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                         const QString& title) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<Color> colorDialog(Color initial) override;
    QStringList printerNames() override;
    bool printDialog(QPrinter& printer, const QString& title) override;
    void playSound(const QString& path, int flags) override;
    void beep() override;
    bool fileExists(const QString& path) override;
    bool deleteFile(const QString& path) override;
    QString programFolder() override;
    QString workingFolder() override;
    QString writableFolder() override;
    QString userDataFolder() override;
    double secondsSinceMidnight() override;
    void seedRandom(double seed) override;
    double random() override;
    void quit() override;

  private:
    Folders folders_;
    QSoundEffect sound_;
    std::mt19937 generator_;
    bool ending_ = false;
};

// "Setup Files|*.txt" as a Qt file dialog filter: "Setup Files (*.txt)".
QString toQtFilter(const QString& filter);

}  // namespace ui
