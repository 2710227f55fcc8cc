#include "ui/Font.h"

namespace ui {

QFont toQFont(const Font& font) {
    QFont f;
    if (font.name.compare("Arial Black", Qt::CaseInsensitive) == 0) {
        f.setFamilies(QStringList{"Arial", "Liberation Sans", "Roboto"});
        f.setWeight(QFont::Black);
    } else {
        f.setFamilies(QStringList{font.name, "Liberation Sans"});
        f.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    }
    if (font.bold) {
        f.setWeight(f.weight() > QFont::Bold ? f.weight() : QFont::Bold);
    }
    f.setPointSizeF(font.size > 0 ? font.size : 8.25);
    return f;
}

}  // namespace ui
