#pragma once

#include <QRect>
#include <QString>
#include <ostream>

// Readable failure messages for Qt strings, rectangles and sizes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}

inline void PrintTo(const QSize& s, std::ostream* out) {
    *out << s.width() << "x" << s.height();
}
