#include "model/LeadingNumber.h"

#include <algorithm>
#include <cmath>

namespace model {

double leadingNumber(const QString& text) {
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    const int start = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    int end = i;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const int expStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
        }
        if (j > expStart) {
            end = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

std::int16_t leadingInt16(const QString& text) {
    const double rounded = std::nearbyint(leadingNumber(text));  // ties to even
    return static_cast<std::int16_t>(std::clamp(rounded, -32768.0, 32767.0));
}

}  // namespace model
