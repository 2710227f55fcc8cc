#pragma once

#include <vector>

#include "sim/ModuleModel.h"
#include "sim/ReportCodes.h"

namespace sim {

// The lockout logic of a team module's firmware, one copy for the virtual modules and for
// foreign buzzers that stand in for a module:
// - 123 reset: locked, lamps and speaker off; the report carries the identity bits until
//   an arm.
// - 125 arm: clears the latched press, lamps off, accepts presses.
// - 124 lock: accepts no presses, lamps off; the latched press stays (so 0 can light it).
// - 0 lights the latched press's lamps; 1..5 that player's lamp of the latched press's
//   team (a one-team module's own team when nothing is latched).
// - 22/20/21 tone on, 127 tone off.
// An armed module with no latched press latches the buttons of one press.
class Firmware {
  public:
    enum class Outcome {
        Done,          // a lockout command, carried out
        ReportAtOnce,  // carried out; the host reads a report right after it
        NotLockout     // not one of the commands above (RF codes)
    };

    Firmware(int model, int firstSlot);

    void powerUp();
    Outcome command(int code);
    // Latches the buttons when armed and nothing is latched yet; false otherwise.
    bool latch(const std::vector<Button>& buttons);

    int model() const { return model_; }
    int firstSlot() const { return firstSlot_; }
    void setFirstSlot(int slot) { firstSlot_ = slot; }
    bool armed() const { return armed_; }
    bool identityPending() const { return identityPending_; }
    const std::vector<Button>& latched() const { return latched_; }
    const std::vector<Button>& lamps() const { return lamps_; }
    bool lampLit(Button button) const;
    Tone tone() const { return tone_; }
    // Data1..Data4 of a wired module's current report.
    ReportData data() const;

  private:
    int model_;
    int firstSlot_;
    bool armed_ = false;
    bool identityPending_ = false;
    std::vector<Button> latched_;
    std::vector<Button> lamps_;
    Tone tone_ = Tone::Off;
};

}  // namespace sim
