#pragma once

#include <QString>
#include <cstdint>

namespace engine {

// A score lives only as the text of its label. It reads as the label's leading number
// (rounded, halves to even; no number reads 0), limited to the 16-bit range.
std::int16_t readScore(const QString& text);

// The score as a label shows it: whole, with a leading blank for 0 and more (" 5",
// " 1005", "-100").
QString scoreText(int score);

// The text of a score changed by `delta`, kept within the 16-bit range.
QString changeScore(const QString& text, int delta);

// The value of a score text written plain, as a ranking writes a moved score ("5", "-3").
QString plainScore(const QString& text);

// A typed score as it can stay: a text that already reads back as written (" 25", "25",
// "-3") is kept, anything else ("", "abc", "-", "12abc", forty digits) becomes its value
// written plain.
QString tidyScore(const QString& text);

}  // namespace engine
