#pragma once

#include <QLabel>

#include "ui/Control.h"

namespace ui {

// A picture box: shows a picture file scaled into its box.
class PictureBox final : public Control {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);
    // Loads a picture file; false (and an empty box) when it cannot be read.
    bool loadPicture(const QString& path);
    void clear();
    const QString& picturePath() const { return path_; }
    bool hasPicture() const { return !path_.isEmpty(); }

  private:
    QLabel* box() const { return static_cast<QLabel*>(widget()); }
    QString path_;
};

}  // namespace ui
