#pragma once

#include <QImage>
#include <QLabel>

#include "ui/Control.h"

namespace ui {

// A picture box: shows a JPEG picture scaled into its box. A file that is missing, is not
// a JPEG or is damaged leaves a plain frame with the box's notice instead.
class PictureBox final : public Control {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent, const QString& notice = {});
    // Loads a JPEG file; false (and the notice) when it cannot be read whole.
    bool loadPicture(const QString& path);
    void clear();
    const QString& picturePath() const { return path_; }
    bool hasPicture() const { return !path_.isEmpty(); }
    // What the frame says while no picture is shown.
    const QString& notice() const { return notice_; }
    QString shownText() const { return box()->text(); }

  private:
    QLabel* box() const { return static_cast<QLabel*>(widget()); }
    QString path_;
    QString notice_;
};

// The picture of a complete JPEG file, or a null image: the file must be a JPEG by its
// content (whatever its name says) and end with the end-of-image marker, so a truncated
// file is refused rather than shown half grey.
QImage readWholeJpeg(const QString& path);

}  // namespace ui
