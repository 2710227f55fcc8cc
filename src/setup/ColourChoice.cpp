#include "setup/ColourChoice.h"

namespace setup {

bool chooseColour(ui::Platform& platform, ui::Color& colour) {
    const std::optional<ui::Color> chosen = platform.colorDialog(colour);
    if (!chosen) {
        return false;
    }
    colour = *chosen;
    return true;
}

}  // namespace setup
