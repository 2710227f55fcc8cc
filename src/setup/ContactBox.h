#pragma once

#include "ui/Platform.h"

namespace setup {

// "&Contact Us": the supplier's name, postal address, telephone number and web address, one
// per line, in an information box titled with the supplier's name.
void showContactBox(ui::Platform& platform);

}  // namespace setup
