#pragma once

#include <QByteArray>
#include <QStringList>

namespace test {

// A set-up file as the console writes it, with every value unlike the defaults:
// names "Name 0".."Name 59", timers 20:00/7/12/30/45, step 5, speakers off, sound card on,
// the leader board, three sounds, green background, a system text colour, the boxes
// 1 0 1 0 1 1 and computer-generated questions.
inline QStringList sampleSetupLines() {
    QStringList lines{"Quorvantix USB Setup File"};
    for (int i = 0; i < 60; ++i) {
        lines << QString("Name %1").arg(i);
    }
    lines << "20:00"
          << "7"
          << "12"
          << "30"
          << "45";  // 62..66
    lines << " 0"
          << " 1"
          << " 0";  // 67..69
    lines << " 0"
          << " 1"
          << " 1"
          << " 0"
          << " 0";  // 70..74
    lines << "/snd/buzz.wav"
          << "/snd/timer.wav"
          << "/snd/game.wav";  // 75..77
    lines << " 65280"
          << "-2147483630";  // 78, 79: green, button text
    lines << " 1"
          << " 0"
          << " 1"
          << " 0"
          << " 1"
          << " 1";  // 80..85
    lines << " 1";  // 86
    while (lines.size() < 105) {
        lines << "reserved";
    }
    return lines;
}

inline QByteArray joinLines(const QStringList& lines, const QByteArray& end = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8() + end;
    }
    return bytes;
}

}  // namespace test
