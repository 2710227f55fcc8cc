#pragma once

#include <QColor>

#include "ui/Color.h"

namespace ui {

// What a console colour looks like on this platform (system colours from the palette).
QColor toQColor(Color color);

}  // namespace ui
