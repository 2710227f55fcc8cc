#include "ui/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifndef QVX_DATA_FROM_PROGRAM
#define QVX_DATA_FROM_PROGRAM "../share/qvxconsole"
#endif

namespace ui {

QString installedDataFolderFromProgram() {
    return QStringLiteral(QVX_DATA_FROM_PROGRAM);
}

Folders chooseFolders(const FolderFacts& facts) {
    Folders f;
    f.program = facts.executableFolder;
    f.userData = facts.userDataFolder;
    f.installed = !facts.installedDataFolder.isEmpty() || !facts.executableFolderWritable;
    f.data =
        facts.installedDataFolder.isEmpty() ? facts.executableFolder : facts.installedDataFolder;
    if (f.installed) {
        f.setup = facts.userDataFolder;
        f.writable = facts.userDataFolder;
    } else {
        f.setup = facts.currentFolder;
        f.writable = facts.executableFolder;
    }
    return f;
}

bool canCreateFilesIn(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return false;
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".qvxconsole-probe-XXXXXX")));
    return probe.open();  // removed again when `probe` goes
}

std::optional<QString> prepareWritableFolder(const QString& folder) {
    if (folder.isEmpty()) {
        return QStringLiteral("no folder for the user's data is known (HOME is not set)");
    }
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("the folder cannot be created");
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".qvxconsole-probe-XXXXXX")));
    if (!probe.open()) {
        return QStringLiteral("no file can be created in it: ") + probe.errorString();
    }
    return std::nullopt;
}

Folders resolveFolders(const QString& executableFolder, const QString& currentFolder,
                       const QString& userDataFolder) {
    FolderFacts facts;
    facts.executableFolder = QDir::cleanPath(executableFolder);
    facts.currentFolder = QDir::cleanPath(currentFolder);
    facts.userDataFolder = userDataFolder.isEmpty() ? QString() : QDir::cleanPath(userDataFolder);
    facts.executableFolderWritable = canCreateFilesIn(facts.executableFolder);
    const QString installedData =
        QDir::cleanPath(QDir(facts.executableFolder).filePath(installedDataFolderFromProgram()));
    if (QFileInfo(installedData).isDir()) {
        facts.installedDataFolder = installedData;
    }
    Folders folders = chooseFolders(facts);
    if (folders.installed) {
        folders.problem = prepareWritableFolder(folders.writable).value_or(QString());
    }
    return folders;
}

Folders programFolders() {
    return resolveFolders(QCoreApplication::applicationDirPath(), QDir::currentPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::optional<QString> folderWarning(const Folders& folders) {
    if (folders.problem.isEmpty()) {
        return std::nullopt;
    }
    const QString where =
        folders.writable.isEmpty() ? QStringLiteral("the user's data folder") : folders.writable;
    return QStringLiteral(
               "The console cannot keep its files in %1 (%2).\r\n"
               "Set-up files and the rescue file cannot be saved there. To keep your names "
               "and options, save them with \"Save As Set-up File\" into a folder you can "
               "write to, and open them from there with \"Open Set-up File\".")
        .arg(where, folders.problem);
}

}  // namespace ui
