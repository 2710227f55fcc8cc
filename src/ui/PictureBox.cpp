#include "ui/PictureBox.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace ui {

PictureBox::PictureBox(QWidget* parent, const QString& notice)
    : Control(new QLabel, parent, colors::buttonFace, colors::buttonText), notice_(notice) {
    box()->setScaledContents(true);
    box()->setAlignment(Qt::AlignCenter);
    box()->setWordWrap(true);
    box()->setFrameShape(QFrame::Box);
    box()->setAutoFillBackground(true);
    clear();
}

bool PictureBox::loadPicture(const QString& path) {
    const QImage image = readWholeJpeg(path);
    if (image.isNull()) {
        clear();
        return false;
    }
    box()->setPixmap(QPixmap::fromImage(image));
    path_ = path;
    return true;
}

void PictureBox::clear() {
    box()->clear();
    box()->setText(notice_);
    path_.clear();
}

QImage readWholeJpeg(const QString& path) {
    constexpr qint64 kLargestPicture = qint64{64} * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPicture) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    // Start-of-image at the front, end-of-image at the end (trailing padding allowed).
    int end = static_cast<int>(bytes.size());
    while (end > 0 &&
           (bytes[end - 1] == '\0' || bytes[end - 1] == '\n' || bytes[end - 1] == '\r')) {
        --end;
    }
    if (!bytes.startsWith("\xFF\xD8\xFF") || end < 4 || bytes.mid(end - 2, 2) != "\xFF\xD9") {
        return {};
    }
    return QImage::fromData(bytes, "JPEG");
}

}  // namespace ui
