#include <gtest/gtest.h>

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QString>

#include "questions/QuestionSet.h"
#include "ui/PictureBox.h"

namespace {

QString g_folder;  // the folder under test, from the command line

TEST(QuestionMedia, EveryFileTheSetNamesIsThereUnderItsExactName) {
    const questions::QuestionSet set = questions::QuestionSet::sample(g_folder);
    ASSERT_EQ(questions::QuestionSet::mediaFileNames().size(), 11);
    for (int n = 0; n <= questions::QuestionSet::kSampleQuestions; ++n) {
        for (const QString& path : {set.soundFile[n], set.pictureFile[n]}) {
            if (path.isEmpty()) {
                continue;
            }
            const QFileInfo file(path);
            EXPECT_TRUE(file.isFile()) << path.toStdString();
            // On a folder that ignores case the name could match loosely; demand it exactly.
            EXPECT_TRUE(file.dir().entryList().contains(file.fileName())) << path.toStdString();
        }
    }
}

TEST(QuestionMedia, EveryPictureReadsWholeAsAJpeg) {
    const questions::QuestionSet set = questions::QuestionSet::sample(g_folder);
    for (const QString& path : set.pictureFile) {
        if (!path.isEmpty()) {
            EXPECT_FALSE(ui::readWholeJpeg(path).isNull()) << path.toStdString();
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
