#pragma once

#include <QString>

#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "model/SetupFileReader.h"
#include "model/SetupFileTarget.h"
#include "ui/Platform.h"

namespace model {

// The set-up menu's file procedures: which file each reads or writes, the dialogs and
// the operator's messages. The set-up file is looked up in the working folder, its default
// variants there and then among the program's shipped files, the rescue file in the
// writable folder (and the user's data folder, where a failed save puts it), each name
// without regard to case.
class SetupFiles {
  public:
    SetupFiles(MatchSettings& settings, MatchState& state, ui::Platform& platform,
               SetupFileTarget& target);

    // The load step of the set-up menu: the rescue file when there is one, otherwise the
    // set-up file.
    void loadAtStartUp();

    // Reads the set-up file, or the model's default variant when there is none; when that
    // read fails, restores the defaults.
    void OpenSetUpFile();
    // Reads the maker's or the distributor's default variant.
    void RestoreDefaults();

    // "&Restore Menu Default Options": RestoreDefaults after the operator confirms.
    void mnuRestoreDefault_Click();
    // "&Open Set-up File": reads the file the operator picks.
    void mnuOpen_Click();
    // "Save &As Set-up File": writes the file the operator picks.
    void mnuSaveAs_Click();

    // Writes the settings where the operator points the dialog (proposed: the rescue file);
    // when that fails, to the rescue file in the user's data folder, and says so.
    void SaveRescueFile();
    // Reads the rescue file without a dialog and deletes it after a complete read.
    void LoadRescueFile();
    // Deletes the rescue file; a failure to delete goes unreported.
    void KillFile();

  private:
    // Reads `path` and shows the header warning when it is no set-up file. Failures are
    // left to the caller, whose message differs.
    SetupReadResult read(const QString& path, SetupReader reader);
    // Shows the message of a failed read of a file that the operator chose or restores.
    void reportFailedRead(const SetupReadResult& result);
    void save(const QString& proposedName);
    void reportFailedSave(const QString& error);
    ui::FileDialogRequest dialogRequest(const QString& proposedName);
    QString rescueFilePath();
    QString shippedFilePath(const QString& name);

    MatchSettings& settings_;
    MatchState& state_;
    ui::Platform& platform_;
    SetupFileTarget& target_;
};

}  // namespace model
