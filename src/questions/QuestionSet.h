#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace questions {

// The built-in sample question set: four parallel tables of 51 entries. Entry 0 holds
// only the silence clip that cuts another clip off; entries 1..20 the sample questions;
// entries 21..50 stay empty.
struct QuestionSet {
    static constexpr int kEntries = 51;
    static constexpr int kSampleQuestions = 20;

    std::array<QString, kEntries> question;
    std::array<QString, kEntries> answer;
    std::array<QString, kEntries> soundFile;    // a path, or empty
    std::array<QString, kEntries> pictureFile;  // a path, or empty

    // The sample set with its media in the given folder.
    static QuestionSet sample(const QString& mediaFolder);
    // The bare names of every media file the sample set uses.
    static QStringList mediaFileNames();
};

}  // namespace questions
