#pragma once

#include <QString>
#include <cstdint>

namespace rf {

// What a radio dialog box may hold: a text whose leading number lies in the box's range.
// Anything else (letters count as 0) becomes three blanks, which count as 0 again.
inline constexpr char kClearedBox[] = "   ";
QString validatedBoxText(const QString& text, int minimum, int maximum);

// The command for a box: its value plus the command's offset, rounded to the nearest
// whole number (halves to the even one). A blank box sends the bare offset.
std::int16_t radioCommand(int offset, const QString& boxText);

}  // namespace rf
