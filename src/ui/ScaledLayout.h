#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "ui/Control.h"

namespace ui {

// Places controls by a design layout and scales positions and fonts with the window, so
// a board fills any screen and reads from the back of a hall.
class ScaledLayout {
  public:
    explicit ScaledLayout(QSize design) : design_(design) {}
    // Records a control's design place; its current font is its design font. Placing it
    // again moves it.
    void place(Control& control, QRect designRect);
    // Lays every control out for a window client area of this size.
    void apply(QSize client);
    double scale() const { return scale_; }

  private:
    struct Entry {
        Control* control;
        QRect rect;
        Font font;
    };
    QSize design_;
    double scale_ = 1.0;
    std::vector<Entry> entries_;
};

}  // namespace ui
