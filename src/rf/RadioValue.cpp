#include "rf/RadioValue.h"

#include <algorithm>
#include <cmath>

#include "model/LeadingNumber.h"

namespace rf {

QString validatedBoxText(const QString& text, int minimum, int maximum) {
    const double value = model::leadingNumber(text);
    return value < minimum || value > maximum ? QString::fromLatin1(kClearedBox) : text;
}

std::int16_t radioCommand(int offset, const QString& boxText) {
    const double command = std::nearbyint(model::leadingNumber(boxText) + offset);
    return static_cast<std::int16_t>(std::clamp(command, -32768.0, 32767.0));
}

}  // namespace rf
