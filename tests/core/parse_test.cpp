// ParseNumber in both locales, and the locale's decimal separator.
#include <gtest/gtest.h>

#include "core/parse.h"

namespace veltar {
namespace {

TEST(ParseNumber, PointLocaleReadsTheLeadingNumber) {
    struct {
        const char* text;
        float value;
    } cases[] = {
        {"7,5", 7.5f},     {"7.5", 7.5f}, {"  18", 18.0f}, {"abc", 0.0f},    {"", 0.0f},       {"3000 ", 3000.0f},
        {"-100", -100.0f}, {"+5", 5.0f},  {"1.5.3", 1.5f}, {"12abc", 12.0f}, {"1e3", 1000.0f}, {"1e", 1.0f},
        {"-", 0.0f},       {".5", 0.5f},  {"1E-50", 0.0f}, {"0.59", 0.59f},
    };
    for (const auto& k : cases) {
        auto v = ParseNumber(k.text, 0);
        ASSERT_TRUE(v.has_value()) << k.text;
        EXPECT_EQ(*v, k.value) << k.text;
    }
}

TEST(ParseNumber, CommaLocaleNeedsAWholeNumber) {
    EXPECT_EQ(ParseNumber("2,5", 1), 2.5f);
    EXPECT_EQ(ParseNumber("2.5", 1), 2.5f);
    EXPECT_EQ(ParseNumber(" 7,5 ", 1), 7.5f);
    EXPECT_FALSE(ParseNumber("abc", 1).has_value());
    EXPECT_FALSE(ParseNumber("12abc", 1).has_value());
    EXPECT_FALSE(ParseNumber("", 1).has_value());
    EXPECT_FALSE(ParseNumber("1,2,3", 1).has_value());
}

TEST(ParseNumber, BeyondTheFloatRangeHasNoValue) {
    EXPECT_FALSE(ParseNumber("1e39", 0).has_value());
    EXPECT_FALSE(ParseNumber("-1e400", 0).has_value());
    EXPECT_FALSE(ParseNumber("1e39", 1).has_value());
}

TEST(ParseNumber, GivesTheFloatNearestTheText) {
    EXPECT_EQ(*ParseNumber("1.43", 0), 1.43f);
    EXPECT_NE(static_cast<double>(*ParseNumber("1.43", 0)), 1.43);
}

TEST(DetectDecimalPoint, ComparesWithOnePointOne) {
    EXPECT_EQ(DetectDecimalPoint("1.1"), 0);
    EXPECT_EQ(DetectDecimalPoint("1,1"), 1);
}

}  // namespace
}  // namespace veltar
