#include "ui/PictureBox.h"

#include <QPixmap>

namespace ui {

PictureBox::PictureBox(QWidget* parent)
    : Control(new QLabel, parent, colors::buttonFace, colors::buttonText) {
    box()->setScaledContents(true);
}

bool PictureBox::loadPicture(const QString& path) {
    QPixmap pixmap;
    if (!pixmap.load(path)) {
        clear();
        return false;
    }
    box()->setPixmap(pixmap);
    path_ = path;
    return true;
}

void PictureBox::clear() {
    box()->clear();
    path_.clear();
}

}  // namespace ui
