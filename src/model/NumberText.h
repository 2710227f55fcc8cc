#pragma once

#include <QString>

namespace model {

// A whole number as the console writes it everywhere (files, scores, clock, captions):
// a blank where a minus sign would stand, so " 5", " 0", "-7".
inline QString signedText(long long value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

}  // namespace model
