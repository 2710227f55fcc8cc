// The end of a module sound and the blinking lamp of a waiting second responder.
#include "engine/BuzzEngine.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/ModuleCommands.h"
#include "modulelink/ModuleExchange.h"

namespace engine {

void BuzzEngine::soundtimer_Timer() {
    // An arm since the sound started has already silenced the modules.
    if (!state_.rearmedSinceSound) {
        sendAll(modulelink::command::kSoundOff);
    }
    soundtimer_.stop();
    // After an arm the sound's question is over and every module was armed: re-arming them
    // again would clear what they latched since, and make a module's answer to that arm
    // look like one to this re-arm.
    if (settings_.lockSecondResponder && !state_.rearmedSinceSound) {
        // Everyone but the first responder may now buzz in as second responder.
        for (int position = 1; position <= modules_.moduleCount(); ++position) {
            if (position != state_.respondingModule) {
                modules_.sendToModule(position, modulelink::command::kArm);
            }
        }
    }
}

void BuzzEngine::TimerBlink_Timer() {
    const int position = state_.secondResponderModule;
    if (position < 1 || position > modules_.moduleCount()) {
        return;
    }
    if (state_.blinkLit) {
        modules_.sendToModule(position, modulelink::command::kLock);  // lamps off
        state_.blinkLit = false;
    } else {
        modules_.sendToModule(position, state_.secondResponderPlayer);
        state_.blinkLit = true;
    }
}

}  // namespace engine
