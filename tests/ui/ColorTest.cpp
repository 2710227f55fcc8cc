#include <gtest/gtest.h>

#include "ui/Color.h"

using ui::Color;

TEST(Color, RgbIsStoredInBlueGreenRedOrder) {
    EXPECT_EQ(Color::rgb(255, 128, 0).toInt(), 0x000080FF);
    EXPECT_EQ(Color::rgb(0, 0, 255).toInt(), 0x00FF0000);
    const Color c = Color::rgb(12, 34, 56);
    EXPECT_EQ(c.red(), 12);
    EXPECT_EQ(c.green(), 34);
    EXPECT_EQ(c.blue(), 56);
    EXPECT_FALSE(c.isSystem());
}

TEST(Color, SystemColoursAreNegativeSignedValues) {
    EXPECT_EQ(ui::colors::buttonFace.toInt(), -2147483633);  // 0x8000000F
    EXPECT_EQ(ui::colors::greyText.toInt(), -2147483631);    // 0x80000011
    EXPECT_EQ(ui::colors::buttonText.toInt(), -2147483630);  // 0x80000012
    EXPECT_TRUE(ui::colors::buttonFace.isSystem());
}

TEST(Color, AnySigned32BitValueRoundTrips) {
    for (std::int32_t v : {0, 1, -1, 16777215, -2147483647 - 1, 2147483647, -2147483633}) {
        EXPECT_EQ(Color::fromInt(v).toInt(), v);
    }
    EXPECT_EQ(Color::fromInt(0x000080FF), ui::colors::orange);
    EXPECT_NE(ui::colors::orange, ui::colors::yellow);
}
