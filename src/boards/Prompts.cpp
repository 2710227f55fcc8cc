#include "boards/Prompts.h"

namespace boards {

void promptOnMove(ui::Control& control, ui::Label& line, const QString& text) {
    control.MouseMove = [&line, text] { line.setCaption(text); };
}

void promptOnMove(ui::Control& control, ui::Label& line, std::function<QString()> text) {
    control.MouseMove = [&line, text = std::move(text)] { line.setCaption(text()); };
}

void promptOnMouseDown(ui::Control& control, ui::Label& line, const QString& text) {
    control.MouseDown = [&line, text](int) { line.setCaption(text); };
}

}  // namespace boards
