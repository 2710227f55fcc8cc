#pragma once

#include <QString>
#include <cstdint>

namespace model {

// The numeric value of the leading number of a text, read leniently: blanks are skipped,
// then an optional sign, digits, a decimal point and an exponent; reading stops at the
// first character that does not fit. A text without a leading number reads 0.
// "15:00" reads 15, " 1" reads 1, "yes" and "" read 0.
double leadingNumber(const QString& text);

// The leading number rounded to the nearest whole number (halves to the even neighbour)
// and limited to the 16-bit range.
std::int16_t leadingInt16(const QString& text);

}  // namespace model
