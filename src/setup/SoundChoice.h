#pragma once

#include <QString>
#include <optional>

#include "ui/Platform.h"

namespace setup {

// The three sound items of the set-up menu: the operator picks a wave file, hears it, and
// keeps it or picks again. The file dialog remembers the folder and name of its last use.
class SoundChoice {
  public:
    enum class Item { BuzzIn, TimerExpired, GameOver };

    explicit SoundChoice(ui::Platform& platform);

    // Runs the choice for one item; `file` changes only when the operator says Yes.
    void choose(Item item, QString& file);

  private:
    // Why a chosen path cannot be kept, or nothing when it can.
    std::optional<QString> problemWith(const QString& path);

    ui::Platform& platform_;
    QString lastFolder_;
    QString lastName_;
};

}  // namespace setup
