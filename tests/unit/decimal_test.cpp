#include "common/decimal.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(SettingAsInt, ReadsLikeAtoi) {
    EXPECT_EQ(settingAsInt(""), 0);
    EXPECT_EQ(settingAsInt("0"), 0);
    EXPECT_EQ(settingAsInt("30"), 30);
    EXPECT_EQ(settingAsInt("  \t42"), 42);
    EXPECT_EQ(settingAsInt("-7"), -7);
    EXPECT_EQ(settingAsInt("+7"), 7);
    EXPECT_EQ(settingAsInt("12abc"), 12);
    EXPECT_EQ(settingAsInt("abc"), 0);
    EXPECT_EQ(settingAsInt("- 1"), 0);
    EXPECT_EQ(settingAsInt("07:05:00"), 7);
}

TEST(SettingAsInt, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(settingAsInt("2147483647"), INT_MAX);
    EXPECT_EQ(settingAsInt("-2147483648"), INT_MIN);
    EXPECT_EQ(settingAsInt("2147483648"), INT_MAX);
    EXPECT_EQ(settingAsInt(std::string(5000, '9')), INT_MAX);
    EXPECT_EQ(settingAsInt("-" + std::string(5000, '9')), INT_MIN);
}

}  // namespace
