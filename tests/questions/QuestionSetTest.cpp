#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "questions/QuestionSet.h"

using questions::QuestionSet;

namespace {

TEST(QuestionSet, TheSampleSetKeepsItsTextsAsTheyAre) {
    const QuestionSet set = QuestionSet::sample("/media");
    EXPECT_EQ(set.question[1],
              "1. Name the artist of this famous picture titled 'The anatomy lesson of Dr. "
              "Nicolas Tulp'.");
    EXPECT_EQ(set.question[10],
              "10. What part of speech is a word like : in,on,by,or from,which shows h word is "
              "related to other words in a sentence?");
    EXPECT_EQ(set.question[14], "Give the common name for this common North American bird.");
    EXPECT_EQ(set.question[18],
              "18. Give full name(first, middle, and last name of the composer of this famous "
              "concerto");
    EXPECT_EQ(set.answer[7], "2001 Space Oddesy");
    EXPECT_EQ(set.answer[19], "Mona Lisa, da-Vinchi");
    EXPECT_EQ(set.answer[20], "Sandra Day O'Conner");
    for (int n = 1; n <= 20; ++n) {
        EXPECT_FALSE(set.question[n].isEmpty()) << n;
        EXPECT_FALSE(set.answer[n].isEmpty()) << n;
        if (n != 14) {
            EXPECT_TRUE(set.question[n].startsWith(QString::number(n) + ". ")) << n;
        }
    }
}

TEST(QuestionSet, MediaSitInTheFolderAndEntryZeroIsTheSilenceClip) {
    const QuestionSet set = QuestionSet::sample("/opt/q");
    EXPECT_EQ(set.soundFile[0], "/opt/q/silence.wav");
    EXPECT_EQ(set.question[0], "");
    EXPECT_EQ(set.pictureFile[1], "/opt/q/Rembrant.jpg");
    EXPECT_EQ(set.pictureFile[13], "/opt/q/Picaso.JPG");
    EXPECT_EQ(set.pictureFile[19], "/opt/q/da-Vinchii.jpg");
    EXPECT_EQ(set.soundFile[12], "/opt/q/Bogart_Casablanca.wav");
    EXPECT_EQ(set.soundFile[2], "") << "no clip, no path";
    EXPECT_EQ(set.pictureFile[6], "");
    for (int n = 21; n < QuestionSet::kEntries; ++n) {
        EXPECT_TRUE(set.question[n].isEmpty() && set.answer[n].isEmpty() &&
                    set.soundFile[n].isEmpty() && set.pictureFile[n].isEmpty())
            << n;
    }
    EXPECT_EQ(QuestionSet::mediaFileNames(),
              (QStringList{"silence.wav", "Rembrant.jpg", "benzene.jpg", "edison.wav",
                           "sorry_dave.wav", "flesh_wound.wav", "Bogart_Casablanca.wav",
                           "Picaso.JPG", "chikadee.jpg", "bach.wav", "da-Vinchii.jpg"}));
}

}  // namespace
