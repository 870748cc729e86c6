// Number masks: rounding on the decimal form, "#" places, signs, exponents, separators.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

#include "core/numformat.h"

namespace veltar {
namespace {

struct DoubleCase {
    double x;
    const char* mask;
    const char* text;
};

TEST(Format, DoubleMasks) {
    const DoubleCase cases[] = {
        {1.005, "0.00", "1.01"},  // 1.00499999999999989 reads 1.005 at 15 digits
        {2.675, "0.00", "2.68"},
        {0.125, "0.00", "0.13"},  // half away from zero
        {-0.125, "0.00", "-0.13"},
        {-0.04, "0.0", "-0.0"},  // sign kept when it rounds to zero
        {0.04, "0.0", "0.0"},
        {0.0, "###", ""},
        {5.0, "###", "5"},
        {5.0, "#00", "05"},
        {235.0, "#000", "235"},
        {50.0, "#000", "050"},
        {7.5, "#0.0", "7.5"},
        {0.0, "#0.0", "0.0"},
        {2999.6, "#0 ", "3000 "},
        {552.04, "##0.0", "552.0"},
        {0.03, "##0.000", "0.030"},
        {-100.0, "##0.0", "-100.0"},
        {6.7624, "0.00", "6.76"},
        {0.5, "0.0#", "0.5"},
        {0.555, "0.0#", "0.56"},
        {0.05, "0.0#", "0.05"},
        {12.0, "0.0#", "12.0"},
        {0.6, "0", "1"},
        {0.4, "0", "0"},
        {99.95, "0.0", "100.0"},
        {625.0, "00", "625"},
        {3.0, "00", "03"},
        {206000.0, "0.00E+0", "2.06E+5"},
        {12340000.0, "0.000E+0", "1.234E+7"},
        {12345678.0, "00.0E+0", "12.3E+6"},
        {0.000123, "0.00E+0", "1.23E-4"},
        {9.996e5, "0.00E+0", "1.00E+6"},
        {0.0, "0.00E+0", "0.00E+0"},
        {-206000.0, "0.00E+0", "-2.06E+5"},
        {1.0e-20, "0.0", "0.0"},
    };
    for (const auto& k : cases) EXPECT_EQ(Format(k.x, k.mask), k.text) << k.x << " with " << k.mask;
}

TEST(Format, FloatsRoundAtSevenDigits) {
    EXPECT_EQ(Format(1.005f, "0.00"), "1.01");
    EXPECT_EQ(Format(static_cast<double>(1.005f), "0.00"), "1.00");  // 1.00499999523163
    EXPECT_EQ(Format(1.43f, "0.00"), "1.43");
    EXPECT_EQ(Format(0.6f, "#0.00"), "0.60");
    EXPECT_EQ(Format(206000.0f, "0.00E+0"), "2.06E+5");
}

TEST(Format, RealFollowsItsPrecision) {
    EXPECT_EQ(Format(Real(1.005f), "0.00"), "1.01");
    EXPECT_EQ(Format(Real(static_cast<double>(1.005f)), "0.00"), "1.00");
    EXPECT_EQ(Format(Real(625), "#00"), "625");
}

TEST(Format, DecimalSeparatorFollowsLocale) {
    EXPECT_EQ(Format(7.5, "#0.0", ','), "7,5");
    EXPECT_EQ(Format(206000.0, "0.00E+0", ','), "2,06E+5");
    EXPECT_EQ(Format(0.5, "0.0#", ','), "0,5");
    EXPECT_EQ(PlainText(0.03, ','), "0,03");
}

TEST(PlainText, ShortestTextInItsPrecision) {
    EXPECT_EQ(PlainText(625.0), "625");
    EXPECT_EQ(PlainText(612.5f), "612.5");
    EXPECT_EQ(PlainText(0.03f), "0.03");  // never 0.0299999993294477
    EXPECT_EQ(PlainText(static_cast<double>(0.03f)), "0.0299999993294477");
    EXPECT_EQ(PlainText(1.43f), "1.43");
    EXPECT_EQ(PlainText(-100.0f), "-100");
    EXPECT_EQ(PlainText(0.0001), "0.0001");
    EXPECT_EQ(PlainText(0.00001), "1E-05");
    EXPECT_EQ(PlainText(1234567.0f), "1234567");
    EXPECT_EQ(PlainText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(PlainText(123456789012345.0), "123456789012345");
    EXPECT_EQ(PlainText(1e15), "1E+15");
    EXPECT_EQ(PlainText(-0.0), "0");
    EXPECT_EQ(PlainText(Real(5.3f)), "5.3");
    EXPECT_EQ(PlainText(Real(static_cast<double>(5.3f))), "5.30000019073486");
}

// No mask has digits for these; each still gets a defined text, with the mask's
// literal characters. The inputs of the two files once crashed a plain build.
TEST(Format, ValuesThatAreNotFiniteHaveADefinedText) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const DoubleCase cases[] = {
        {std::nan(""), "0.00", "NaN"}, {-std::nan(""), "#0.0", "NaN"}, {inf, "0", "Inf"},
        {-inf, "##0.000", "-Inf"},     {inf, "#0 ", "Inf "},           {-inf, "0.00E+0", "-Inf"},
        {std::nan(""), "###", "NaN"},  {inf, "00.0E+0", "Inf"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(Format(k.x, k.mask), k.text) << k.x << " with " << k.mask;
        EXPECT_EQ(Format(static_cast<float>(k.x), k.mask), k.text) << k.x << " as a float with " << k.mask;
    }
    EXPECT_EQ(PlainText(inf), "Inf");
    EXPECT_EQ(PlainText(-std::numeric_limits<float>::infinity()), "-Inf");
    EXPECT_EQ(PlainText(Real(std::nan(""))), "NaN");
    for (const auto& [file, text] : {std::pair{"mask-input-nan.bin", "NaN"}, {"mask-input-inf.bin", "Inf"}}) {
        std::ifstream in(std::string(VELTAR_FIXTURES) + "/regressions/" + file, std::ios::binary);
        double x = 0;
        ASSERT_TRUE(in.read(reinterpret_cast<char*>(&x), sizeof x)) << file;
        for (const char* mask : {"0.00", "#0.0", "0.00E+0", "#0 "})
            EXPECT_TRUE(Format(x, mask).starts_with(text)) << file << " with " << mask;
    }
}

// An independent reference: the exact 15-digit (7 for a float) decimal form from
// std::to_chars, then half away from zero to `decimals`, as digit strings.
template <typename T>
std::string Reference(T x, int decimals, int significant) {
    char buf[64];
    auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, significant - 1).ptr;
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exp = std::atoi(std::string(p + 1, static_cast<const char*>(end)).c_str());
    // Scale to an integer count of 10^-decimals, padding or cutting the digit string.
    const int keep = exp + 1 + decimals;
    std::string kept = keep <= 0 ? "0" : digits.substr(0, std::min<size_t>(keep, digits.size()));
    while (keep > 0 && static_cast<int>(kept.size()) < keep) kept += '0';
    long long n = std::stoll(kept);
    if (keep >= 0 && keep < static_cast<int>(digits.size()) && digits[keep] >= '5') ++n;
    std::string s = std::to_string(n);
    while (static_cast<int>(s.size()) <= decimals) s.insert(s.begin(), '0');
    s.insert(s.end() - decimals, '.');
    return (std::signbit(x) && x != 0 ? "-" : "") + s;
}

TEST(Format, AgreesWithTheDecimalFormNearHalves) {
    std::mt19937_64 gen(42);
    for (int i = 0; i < 200000; ++i) {
        const int d = 1 + static_cast<int>(gen() % 3);
        // A decimal half at the mask's last place, then a few steps either side of it.
        double x = (static_cast<double>(gen() % 100000000) + 0.5) / std::pow(10.0, d);
        for (int step = static_cast<int>(gen() % 7) - 3; step != 0; step += step > 0 ? -1 : 1)
            x = std::nextafter(x, step > 0 ? 1e300 : -1e300);
        if (gen() & 1) x = -x;
        const std::string mask = d == 1 ? "0.0" : d == 2 ? "0.00" : "0.000";
        ASSERT_EQ(Format(x, mask), Reference(x, d, 15)) << std::setprecision(17) << x;
        const float f = static_cast<float>(x);
        ASSERT_EQ(Format(f, mask), Reference(f, d, 7)) << std::setprecision(9) << f;
    }
}

}  // namespace
}  // namespace veltar
