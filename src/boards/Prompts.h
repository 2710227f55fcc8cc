#pragma once

#include <QString>
#include <functional>

#include "ui/Control.h"
#include "ui/Label.h"

namespace boards {

// Operator prompts: a control writes its text into the window's prompt line when the
// pointer moves over it, whether or not the line is showing.
void promptOnMove(ui::Control& control, ui::Label& line, const QString& text);
// The same, with a text chosen at the moment of the move.
void promptOnMove(ui::Control& control, ui::Label& line, std::function<QString()> text);
// A prompt that comes with a mouse button going down on the control instead.
void promptOnMouseDown(ui::Control& control, ui::Label& line, const QString& text);

}  // namespace boards
