#pragma once

#include <QString>
#include <optional>

namespace ui {

// Where the console's files live. A portable run (the build tree, a copy the operator may
// write into) keeps everything beside the executable and opens the set-up file in the
// folder it was started from. An installed run (a read-only program folder, or the data
// folder share/qvxconsole beside bin/) reads its shipped files from the data folder and
// keeps what it writes in the user's data folder, where it also opens the set-up file.
struct Folders {
    QString program;   // the executable's folder
    QString data;      // shipped default set-ups and question media
    QString setup;     // where "QvxUSBsetup.txt" and its variants are opened by bare name
    QString writable;  // the rescue file, and where the save dialogs start
    QString userData;  // the user's data folder: where a rescue file goes when `writable` fails
    bool installed = false;
    // Why `writable` cannot be written (it could not be made, or a file cannot be created
    // in it); empty when it can.
    QString problem;
};

// What the disk says about a run's folders.
struct FolderFacts {
    QString executableFolder;
    QString currentFolder;
    QString userDataFolder;
    bool executableFolderWritable = true;
    // The installed data folder beside the executable's, when it exists.
    QString installedDataFolder;
};

// The folders for these facts (no disk access). `problem` is left for `resolveFolders`.
Folders chooseFolders(const FolderFacts& facts);

// Looks at the disk and chooses the folders of a run from `executableFolder`; installed,
// it makes the user's data folder and records in `problem` when that fails.
Folders resolveFolders(const QString& executableFolder, const QString& currentFolder,
                       const QString& userDataFolder);

// The folders of this run: the executable's, the current one and the user's data folder
// (QStandardPaths::AppDataLocation), resolved as above. Needs the application object.
Folders programFolders();

// Makes `folder` (with its parents) and creates and removes a file in it, so a folder
// that only looks writable (a read-only mount, root-owned) is caught: nothing when it
// works, the reason when not.
std::optional<QString> prepareWritableFolder(const QString& folder);

// True when a file can be created in the existing `folder`.
bool canCreateFilesIn(const QString& folder);

// The operator's warning at start-up when the writable folder cannot be used, if any.
std::optional<QString> folderWarning(const Folders& folders);

// The installed data folder relative to the executable's folder ("../share/qvxconsole").
QString installedDataFolderFromProgram();

}  // namespace ui
