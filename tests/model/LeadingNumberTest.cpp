#include <gtest/gtest.h>

#include "model/LeadingNumber.h"

using model::leadingInt16;
using model::leadingNumber;

TEST(LeadingNumber, ReadsTheLeadingNumberLeniently) {
    EXPECT_EQ(leadingNumber("15:00"), 15);
    EXPECT_EQ(leadingNumber(" 1"), 1);
    EXPECT_EQ(leadingNumber("-1"), -1);
    EXPECT_EQ(leadingNumber("  -2.5x"), -2.5);
    EXPECT_EQ(leadingNumber("1e3 points"), 1000);
    EXPECT_EQ(leadingNumber("2e"), 2) << "an exponent without digits is not part of the number";
    EXPECT_EQ(leadingNumber("0:00"), 0);
}

TEST(LeadingNumber, TextWithoutALeadingNumberReadsZero) {
    for (const char* text : {"", "yes", "-", ".", " +", "x5", "\xd9\xa3"}) {
        EXPECT_EQ(leadingNumber(QString::fromUtf8(text)), 0) << text;
    }
}

TEST(LeadingNumber, RoundsHalvesToEvenAndLimitsTo16Bits) {
    EXPECT_EQ(leadingInt16("2.5"), 2);
    EXPECT_EQ(leadingInt16("3.5"), 4);
    EXPECT_EQ(leadingInt16("-2.5"), -2);
    EXPECT_EQ(leadingInt16("99999"), 32767);
    EXPECT_EQ(leadingInt16("-99999"), -32768);
    EXPECT_EQ(leadingInt16("1e400"), 0) << "an overflowing number is no number";
}
