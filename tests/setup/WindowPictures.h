#pragma once

#include <QImage>
#include <QString>

#include "ui/Control.h"
#include "ui/Form.h"

namespace test {

// Grabs the whole window (a widget's own grab paints its background even where the window
// would not) and keeps a copy when QVX_SCREENSHOT_DIR names a folder, for a person to see.
inline QImage grabWindow(ui::Form& form, const QString& name) {
    const QImage image = form.window()->grab().toImage();
    const QString dir = qEnvironmentVariable("QVX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        image.save(dir + "/" + name + ".png");
    }
    return image;
}

// Where a control stands in its window's picture.
inline QRect placeOf(ui::Form& form, const ui::Control& control) {
    return {control.widget()->mapTo(form.window(), QPoint(0, 0)), control.widget()->size()};
}

}  // namespace test
