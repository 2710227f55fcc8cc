#include "setup/SoundChoice.h"

#include <QFileInfo>

namespace setup {
namespace {
const QString kFilter = QStringLiteral("Sound Files|*.wav");
const QString kQuestion = QStringLiteral("Like this sound?");
const QString kQuestionTitle = QStringLiteral("Team Buzz-in Sound");  // for all three items
const QString kError = QStringLiteral(
    "An error occured opening the sound file.  Program will continue with current sound.");

QString dialogTitle(SoundChoice::Item item) {
    switch (item) {
        case SoundChoice::Item::BuzzIn:
            return QStringLiteral("Team Buzz-in Sound");
        case SoundChoice::Item::TimerExpired:
            return QStringLiteral("Timer Expired Sound");
        case SoundChoice::Item::GameOver:
            break;
    }
    return QStringLiteral("Game Over Sound");
}
}  // namespace

SoundChoice::SoundChoice(ui::Platform& platform) : platform_(platform) {}

void SoundChoice::choose(Item item, QString& file) {
    for (;;) {
        if (item == Item::BuzzIn) {
            lastFolder_ = platform_.programFolder();
            lastName_.clear();
        }
        const std::optional<QString> path = platform_.openFileDialog(
            {dialogTitle(item), kFilter, lastFolder_, lastName_, QStringLiteral(".wav")});
        if (!path || path->isEmpty()) {
            return;  // cancelled: nothing heard, nothing changed
        }
        const QFileInfo chosen(*path);
        lastFolder_ = chosen.absolutePath();
        lastName_ = chosen.fileName();
        if (const std::optional<QString> problem = problemWith(*path)) {
            platform_.messageBox(kError + "\r\n" + *problem + "\r\n");
            return;
        }
        // A file that is no playable wave plays nothing; the question is asked all the same.
        platform_.playSound(*path, ui::kSoundAsync);
        switch (platform_.messageBox(kQuestion, ui::MsgButtons::YesNoCancel, ui::MsgIcon::None,
                                     kQuestionTitle)) {
            case ui::MsgAnswer::Yes:
                file = *path;
                return;
            case ui::MsgAnswer::No:
                continue;
            default:
                return;
        }
    }
}

std::optional<QString> SoundChoice::problemWith(const QString& path) {
    // The set-up file keeps one value per line.
    if (path.contains('\n') || path.contains('\r')) {
        return QStringLiteral("The file name contains a line break.");
    }
    if (!platform_.fileExists(path)) {
        return QStringLiteral("File not found: %1").arg(path);
    }
    return std::nullopt;
}

}  // namespace setup
