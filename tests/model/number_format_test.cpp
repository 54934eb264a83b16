// Fixed-decimal texts round the value as it reads in decimal, halves away from zero.

#include <gtest/gtest.h>

#include <limits>

#include "model/number_format.h"

namespace tvk {
namespace {

struct FloatCase {
  float value;
  int decimals;
  const char* text;
};

TEST(FormatFixed, SingleValuesRoundAsTheyRead) {
  for (const FloatCase& c : {FloatCase{1.145f, 2, "1.15"}, FloatCase{1.2346f, 2, "1.23"}, FloatCase{0.65f, 2, "0.65"},
                             FloatCase{-0.35f, 2, "-0.35"}, FloatCase{2.25f, 1, "2.3"}, FloatCase{-2.25f, 1, "-2.3"},
                             FloatCase{0.45f, 1, "0.5"}, FloatCase{5.0f, 1, "5.0"}, FloatCase{0.0f, 3, "0.000"},
                             FloatCase{-0.0f, 2, "0.00"}, FloatCase{3.6f, 2, "3.60"}}) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value;
  }
}

struct DoubleCase {
  double value;
  int decimals;
  const char* text;
};

TEST(FormatFixed, DoubleValuesRoundAsTheyRead) {
  for (const DoubleCase& c :
       {DoubleCase{33.075, 2, "33.08"}, DoubleCase{9.995, 2, "10.00"}, DoubleCase{-9.995, 2, "-10.00"},
        DoubleCase{-0.001, 2, "0.00"}, DoubleCase{-0.005, 2, "-0.01"}, DoubleCase{0.0005, 3, "0.001"},
        DoubleCase{1234567.891, 1, "1234567.9"}, DoubleCase{99.96, 1, "100.0"}, DoubleCase{7.0, 0, "7"}}) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value;
  }
}

TEST(FormatFixed, NonFiniteValuesAreNamed) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "NaN");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<float>::infinity(), 2), "-Infinity");
}

}  // namespace
}  // namespace tvk
