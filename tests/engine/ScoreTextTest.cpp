#include <gtest/gtest.h>

#include "engine/ScoreText.h"

using engine::changeScore;
using engine::readScore;
using engine::scoreText;

TEST(ScoreText, ShowsScoresWholeWithABlankForZeroAndMore) {
    EXPECT_EQ(scoreText(5), " 5");
    EXPECT_EQ(scoreText(0), " 0");
    EXPECT_EQ(scoreText(-7), "-7");
    EXPECT_EQ(scoreText(125), " 125");
}

TEST(ScoreText, KeepsDigitsPastThree) {
    EXPECT_EQ(changeScore(" 995", 10), " 1005");
    EXPECT_EQ(readScore(" 1005"), 1005);
    EXPECT_EQ(changeScore("-95", -5), "-100");
    EXPECT_EQ(readScore("-100"), -100);
}

TEST(ScoreText, StaysWithinTheSixteenBitRange) {
    EXPECT_EQ(changeScore(" 32765", 10), " 32767");
    EXPECT_EQ(changeScore("-32760", -10), "-32768");
    EXPECT_EQ(readScore("99999"), 32767);
}

TEST(ScoreText, ReadsTheLeadingNumberRoundedHalfToEven) {
    EXPECT_EQ(readScore(""), 0);
    EXPECT_EQ(readScore("abc"), 0);
    EXPECT_EQ(readScore(" 25 points"), 25);
    EXPECT_EQ(readScore("2.5"), 2);
    EXPECT_EQ(readScore("3.5"), 4);
}

TEST(ScoreText, TidyKeepsCleanScoresAndWritesTheRestAsTheirValue) {
    using engine::tidyScore;
    EXPECT_EQ(tidyScore(" 25"), " 25");
    EXPECT_EQ(tidyScore("25"), "25");
    EXPECT_EQ(tidyScore("-3"), "-3");
    EXPECT_EQ(tidyScore("0"), "0");
    EXPECT_EQ(tidyScore(""), "0");
    EXPECT_EQ(tidyScore("abc"), "0");
    EXPECT_EQ(tidyScore("-"), "0");
    EXPECT_EQ(tidyScore("12abc"), "12");
    EXPECT_EQ(tidyScore("  7"), "7");
    EXPECT_EQ(tidyScore("   "), "0");
    EXPECT_EQ(tidyScore(QString(40, '9')), "32767");
    EXPECT_EQ(tidyScore("-" + QString(40, '9')), "-32768");
    EXPECT_EQ(engine::plainScore(" 25"), "25");
}
