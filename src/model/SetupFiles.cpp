#include "model/SetupFiles.h"

#include <QDir>

#include "model/FolderLookup.h"
#include "model/SetupFileFormat.h"
#include "model/SetupFileWriter.h"

namespace model {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

const QString kDialogTitle = QStringLiteral("Open Set-up Prefences");
const QString kDialogFilter = QStringLiteral("Setup Files|*.txt");

const QString kHeaderTitle = QStringLiteral("File not QvxUSB setup file");
const QString kHeaderText = QStringLiteral(
    "This not an Quorvantix set-up file or the file is corrupt.  Try Saving a new setup file. "
    "Loading default system settings");
const QString kNoSetupFileNotice = QStringLiteral(
    "The set-up file QVXUSBSETUP.TXT was not found. Please save your setup choices before "
    "exiting.  This setup file with your options will be automatically loaded the next time "
    "the program starts.");
const QString kStartUpFailed =
    QStringLiteral("QvxUSBSetUp.txt not found. Program will continue with default configuration.");
const QString kReadFailed = QStringLiteral(
    "The selected file failed to open.  Program will continue with current configuration.");
const QString kNotFoundTitle = QStringLiteral("File not found");
const QString kNoDefaultsFile = QStringLiteral("The set-up file QVXUSBSETUPBU.TXT was not found.");
const QString kChosenFileMissing = QStringLiteral(
    "The set-up file QVXUSBSETUP.TXT was not found.  Loading default system settings");
const QString kResetTitle = QStringLiteral("Reset Program Defaults");
const QString kResetQuestion = QStringLiteral(
    "Click OK to reset menu options to program defaults.  Current names and options will be "
    "restored to generic program settings. Cancel to exit");
const QString kSaveFailed = QStringLiteral("File failed to save as expected.");
const QString kNotSaved = QStringLiteral("File Not Saved!");
const QString kRescueMoved = QStringLiteral(
    "The rescue file could not be saved as %1 (%2).\r\n"
    "It was saved as %3 instead; the next start reads it from there.");

}  // namespace

SetupFiles::SetupFiles(MatchSettings& settings, MatchState& state, ui::Platform& platform,
                       SetupFileTarget& target)
    : settings_(settings), state_(state), platform_(platform), target_(target) {}

void SetupFiles::loadAtStartUp() {
    if (platform_.fileExists(rescueFilePath())) {
        LoadRescueFile();
    } else {
        OpenSetUpFile();
    }
}

void SetupFiles::OpenSetUpFile() {
    QString path = findInFolder(platform_.workingFolder(), kSetupFileName);
    if (!platform_.fileExists(path)) {
        platform_.messageBox(kNoSetupFileNotice, ui::MsgButtons::OK);
        const int model = state_.modelNumber;
        const bool distributor = model == 272 || model == 512 || model == 712;
        path = shippedFilePath(distributor ? kDistributorVariantName : kMakerVariantName);
    }
    const SetupReadResult result = read(path, SetupReader::StartUp);
    if (result.status == SetupReadResult::Status::Failed) {
        platform_.messageBox(kStartUpFailed + kCrLf + result.error + kCrLf, ui::MsgButtons::OK);
        RestoreDefaults();
    }
}

void SetupFiles::RestoreDefaults() {
    const QString name = state_.modelNumber == 4097 ? kMakerVariantName : kDistributorRestoreName;
    const QString path = shippedFilePath(name);
    if (!platform_.fileExists(path)) {
        platform_.messageBox(kNoDefaultsFile, ui::MsgButtons::OK, ui::MsgIcon::Warning,
                             kNotFoundTitle);
        return;
    }
    reportFailedRead(read(path, SetupReader::RestoreDefaults));
}

void SetupFiles::mnuRestoreDefault_Click() {
    if (platform_.messageBox(kResetQuestion, ui::MsgButtons::OKCancel, ui::MsgIcon::None,
                             kResetTitle) == ui::MsgAnswer::OK) {
        RestoreDefaults();
    }
}

void SetupFiles::mnuOpen_Click() {
    const std::optional<QString> path = platform_.openFileDialog(dialogRequest(kSetupFileName));
    if (!path) {
        return;  // cancelled: nothing is read
    }
    if (!platform_.fileExists(*path)) {
        platform_.messageBox(kChosenFileMissing, ui::MsgButtons::OK, ui::MsgIcon::Warning,
                             kNotFoundTitle);
        return;
    }
    reportFailedRead(read(*path, SetupReader::ChosenFile));
}

void SetupFiles::mnuSaveAs_Click() {
    save(kSetupFileName);
}

// A rescue file that cannot be written where the operator pointed goes to the user's data
// folder, where the next start looks too; the operator learns where it went or that it is
// lost before the program ends.
void SetupFiles::SaveRescueFile() {
    const std::optional<QString> path = platform_.saveFileDialog(dialogRequest(kRescueFileName));
    if (!path) {
        return;  // cancelled: nothing is written
    }
    const std::optional<QString> error = writeSetupFile(*path, settings_);
    if (!error) {
        return;
    }
    const QString userData = platform_.userDataFolder();
    const QString fallback =
        userData.isEmpty() ? QString() : QDir(userData).filePath(kRescueFileName);
    if (fallback.isEmpty() || QDir::cleanPath(fallback) == QDir::cleanPath(*path)) {
        reportFailedSave(*error);
        return;
    }
    QDir().mkpath(userData);
    if (const std::optional<QString> second = writeSetupFile(fallback, settings_)) {
        reportFailedSave(QDir::toNativeSeparators(*path) + ": " + *error + kCrLf +
                         QDir::toNativeSeparators(fallback) + ": " + *second + kCrLf);
        return;
    }
    platform_.messageBox(kRescueMoved.arg(QDir::toNativeSeparators(*path), *error,
                                          QDir::toNativeSeparators(fallback)),
                         ui::MsgButtons::OK, ui::MsgIcon::Warning);
}

void SetupFiles::LoadRescueFile() {
    const SetupReadResult result = read(rescueFilePath(), SetupReader::Rescue);
    reportFailedRead(result);
    // Only a complete read consumes the file: a damaged one is met again at the next start.
    if (result.status == SetupReadResult::Status::Complete) {
        KillFile();
    }
}

void SetupFiles::KillFile() {
    platform_.deleteFile(rescueFilePath());
}

SetupReadResult SetupFiles::read(const QString& path, SetupReader reader) {
    SetupReadResult result =
        applySetupFile(SetupFileLines::read(path), reader, settings_, state_, target_);
    if (result.status == SetupReadResult::Status::WrongHeader) {
        platform_.messageBox(kHeaderText, ui::MsgButtons::OK, ui::MsgIcon::Warning, kHeaderTitle);
    }
    return result;
}

void SetupFiles::reportFailedRead(const SetupReadResult& result) {
    if (result.status == SetupReadResult::Status::Failed) {
        platform_.messageBox(kReadFailed + kCrLf + result.error + kCrLf, ui::MsgButtons::OK);
    }
}

void SetupFiles::save(const QString& proposedName) {
    const std::optional<QString> path = platform_.saveFileDialog(dialogRequest(proposedName));
    if (!path) {
        return;  // cancelled: nothing is written
    }
    if (const std::optional<QString> error = writeSetupFile(*path, settings_)) {
        reportFailedSave(*error);
    }
}

void SetupFiles::reportFailedSave(const QString& error) {
    platform_.messageBox(kSaveFailed + kCrLf + error + kNotSaved, ui::MsgButtons::OK);
}

ui::FileDialogRequest SetupFiles::dialogRequest(const QString& proposedName) {
    return {kDialogTitle, kDialogFilter, platform_.writableFolder(), proposedName,
            QStringLiteral(".txt")};
}

// The rescue file where the program writes, or else where a failed write put it.
QString SetupFiles::rescueFilePath() {
    QString usual = findInFolder(platform_.writableFolder(), kRescueFileName);
    const QString userData = platform_.userDataFolder();
    if (platform_.fileExists(usual) || userData.isEmpty()) {
        return usual;
    }
    const QString movedTo = findInFolder(userData, kRescueFileName);
    return platform_.fileExists(movedTo) ? movedTo : usual;
}

// A shipped default set-up: one the operator put in the working folder first, else the one
// that came with the program.
QString SetupFiles::shippedFilePath(const QString& name) {
    QString own = findInFolder(platform_.workingFolder(), name);
    if (platform_.fileExists(own)) {
        return own;
    }
    const QString shipped = findInFolder(platform_.programFolder(), name);
    return platform_.fileExists(shipped) ? shipped : own;
}

}  // namespace model
