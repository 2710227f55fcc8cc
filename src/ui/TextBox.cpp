#include "ui/TextBox.h"

namespace ui {

TextBox::TextBox(QWidget* parent, const QString& text)
    : Control(new QLineEdit, parent, colors::white, colors::black) {
    edit()->setText(text);
    connect(edit(), &QLineEdit::textChanged, this, [this] {
        if (Change) {
            Change();
        }
    });
}

void TextBox::setText(const QString& text) {
    if (edit()->text() != text) {
        edit()->setText(text);
    }
}

}  // namespace ui
