#include "foreign/PcSound.h"

namespace foreign {

void playOnPc(sim::Tone tone, const model::MatchSettings& settings, ui::Platform& platform) {
    const QString* file = tone == sim::Tone::Buzz           ? &settings.buzzSoundFile
                          : tone == sim::Tone::TimerExpired ? &settings.timerSoundFile
                          : tone == sim::Tone::ClockExpired ? &settings.gameSoundFile
                                                            : nullptr;
    if (file) {
        platform.playSound(*file, ui::kSoundAsync | ui::kSoundNoWait);
    }
}

}  // namespace foreign
