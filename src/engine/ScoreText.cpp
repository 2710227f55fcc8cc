#include "engine/ScoreText.h"

#include <algorithm>

#include "model/LeadingNumber.h"

namespace engine {

std::int16_t readScore(const QString& text) {
    return model::leadingInt16(text);
}

QString signedText(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString scoreText(int score) {
    return signedText(std::clamp(score, -32768, 32767));
}

QString changeScore(const QString& text, int delta) {
    return scoreText(readScore(text) + delta);
}

}  // namespace engine
