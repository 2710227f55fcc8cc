#include "ui/ScaledLayout.h"

#include <algorithm>

namespace ui {

void ScaledLayout::place(Control& control, QRect designRect) {
    const auto placed = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const Entry& e) { return e.control == &control; });
    if (placed != entries_.end()) {
        placed->rect = designRect;  // moved: its design font stays the one first recorded
        return;
    }
    entries_.push_back({&control, designRect, control.font()});
}

void ScaledLayout::apply(QSize client) {
    const double sx = double(client.width()) / design_.width();
    const double sy = double(client.height()) / design_.height();
    scale_ = std::max(0.1, std::min(sx, sy));
    // Centre the scaled design in the window.
    const int offsetX = int((client.width() - design_.width() * scale_) / 2);
    const int offsetY = int((client.height() - design_.height() * scale_) / 2);
    for (const Entry& e : entries_) {
        e.control->move(offsetX + int(e.rect.x() * scale_), offsetY + int(e.rect.y() * scale_),
                        std::max(1, int(e.rect.width() * scale_)),
                        std::max(1, int(e.rect.height() * scale_)));
        Font f = e.font;
        f.size = e.font.size * scale_;
        e.control->setFont(f);
    }
}

}  // namespace ui
