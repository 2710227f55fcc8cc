#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace ui {

// A control's font as the windows describe it: family, point size, bold.
struct Font {
    QString name = "Arial";
    double size = 8.25;
    bool bold = false;

    bool operator==(const Font&) const = default;
};

// The Qt font for a console font. "Arial" resolves to Liberation Sans (same metrics);
// "Arial Black" has no metric twin here, so it becomes Arial at the Black weight.
QFont toQFont(const Font& font);

}  // namespace ui
