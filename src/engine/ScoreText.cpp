#include "engine/ScoreText.h"

#include <algorithm>

#include "model/LeadingNumber.h"
#include "model/NumberText.h"

namespace engine {

std::int16_t readScore(const QString& text) {
    return model::leadingInt16(text);
}

QString scoreText(int score) {
    return model::signedText(std::clamp(score, -32768, 32767));
}

QString changeScore(const QString& text, int delta) {
    return scoreText(readScore(text) + delta);
}

QString plainScore(const QString& text) {
    return QString::number(readScore(text));
}

QString tidyScore(const QString& text) {
    const std::int16_t value = readScore(text);
    const QString plain = QString::number(value);
    return text == plain || text == scoreText(value) ? text : plain;
}

}  // namespace engine
