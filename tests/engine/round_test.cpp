#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

#include <vector>

#include "engine/unit_graf_round.h"
#include "lane_widths.h"
#include "platform/sysutils.h"

namespace {

// Values of every kind that the rounding must treat like the text round trip: random
// magnitudes, decimal near-halves, exact binary halves and results of arithmetic on 15-digit
// operands.
class RoundingCases {
 public:
  explicit RoundingCases(std::uint64_t seed) : random_(seed) {}

  double Next() {
    switch (count_++ % 4) {
      case 0:
        return AnyMagnitude();
      case 1:
        return NearDecimalHalf();
      case 2:
        return ExactBinaryHalf();
      default:
        return Arithmetic();
    }
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  double Signed(double v) { return random_() & 1 ? -v : v; }

  // Log-uniform over 1e-12 to 1e40, past both ends of the fast window.
  double AnyMagnitude() { return Signed(std::pow(10.0, Uniform(-12, 40))); }

  // A 15-digit decimal plus one half in the last digit, a few ulps either side.
  double NearDecimalHalf() {
    double digits = std::floor(Uniform(1e14, 1e15)) + 0.5;
    int decade = Integer(-10, 38);
    double v =
        decade >= 14 ? digits * std::pow(10.0, decade - 14) : digits / std::pow(10.0, 14 - decade);
    for (int steps = Integer(-3, 3); steps != 0; steps += steps > 0 ? -1 : 1) {
      v = std::nextafter(v, steps > 0 ? HUGE_VAL : 0.0);
    }
    return Signed(v);
  }

  // Doubles exactly halfway between two 15-digit decimals: odd multiples of 2^-(k+1) in the
  // decade 14 - k, and 16-digit whole numbers that end in 5.
  double ExactBinaryHalf() {
    int k = Integer(-1, 20);
    if (k < 0) return Signed(std::floor(Uniform(1e14, 9e14)) * 10 + 5);
    double unit = std::ldexp(1.0, -(k + 1));
    double low = std::pow(10.0, 14 - k) / unit, high = std::pow(10.0, 15 - k) / unit;
    double odd = 2 * std::floor(Uniform(low, high) / 2) + 1;
    return Signed(odd * unit);
  }

  double Arithmetic() {
    double a = RoundTripText(Signed(std::pow(10.0, Uniform(-6, 8))));
    double b = RoundTripText(Signed(std::pow(10.0, Uniform(-6, 8))));
    switch (Integer(0, 5)) {
      case 0:
        return a + b;
      case 1:
        return a - b;
      case 2:
        return a * b;
      case 3:
        return a / b;
      case 4:
        return std::sin(a);
      default:
        return std::pow(std::fabs(a), 1 / 3.0);
    }
  }

  std::mt19937_64 random_;
  std::uint64_t count_ = 0;
};

// What rounding many values at a time must give: the text round trip, +0 for zero and NaN for
// what is no finite number.
double Expected(double v) {
  if (v == 0) return 0.0;
  if (!std::isfinite(v)) return NAN;
  double back;
  return TryStrToFloat(FloatToStr(v), back) ? back : NAN;
}

bool Same(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
         (std::isnan(a) && std::isnan(b));
}

// How many of `count` values round differently from the text round trip, one at a time or in
// batches on either lane width; reports the first.
std::uint64_t Mismatches(std::uint64_t seed, std::uint64_t count) {
  RoundingCases cases(seed);
  std::uint64_t bad = 0;
  std::vector<double> batch, expected, rounded;
  auto check = [&](const char* how, double v, double fast, double text) {
    if (Same(fast, text)) return;
    if (bad++ == 0) {
      ADD_FAILURE() << how << ": " << std::hexfloat << v << ": " << fast << " instead of " << text;
    }
  };
  auto flush = [&] {
    for (bool wide : kLaneWidths) {
      LaneWidth lanes(wide);
      rounded = batch;
      RoundTo15DigitsKeep(rounded.data(), rounded.size());
      for (size_t i = 0; i < batch.size(); ++i) {
        check(LaneWidth::Name(wide), batch[i], rounded[i], expected[i]);
      }
    }
    batch.clear();
    expected.clear();
  };
  for (std::uint64_t i = 0; i < count; ++i) {
    double v = cases.Next();
    if (v == 0 || !std::isfinite(v)) continue;
    double text = RoundTripText(v);
    check("one value", v, RoundTo15Digits(v), text);
    batch.push_back(v);
    expected.push_back(text);
    if (batch.size() == 1001) flush();  // odd, so that the lanes end in a remainder
  }
  flush();
  return bad;
}

}  // namespace

TEST(RoundTo15Digits, GivesTheTextRoundTripBitForBit) {
  EXPECT_EQ(Mismatches(1, 2000000), 0u);
}

// The long check, over a minute: run with --gtest_also_run_disabled_tests.
TEST(RoundTo15Digits, DISABLED_GivesTheTextRoundTripOnTwoHundredMillionValues) {
  EXPECT_EQ(Mismatches(2, 200000000), 0u);
}

TEST(RoundTo15Digits, HandlesTheValuesWithoutA15DigitText) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(RoundTo15Digits(-0.0)), 0u);  // never -0
  EXPECT_EQ(RoundTo15Digits(0.1 + 0.2), 0.3);
  EXPECT_EQ(RoundTo15Digits(DBL_MAX), HUGE_VAL);  // 1,79769313486232E308 is beyond the range
  EXPECT_EQ(RoundTo15Digits(-DBL_MAX), -HUGE_VAL);
  EXPECT_EQ(RoundTo15Digits(HUGE_VAL), HUGE_VAL);
  EXPECT_TRUE(std::isnan(RoundTo15Digits(NAN)));
  EXPECT_EQ(RoundTo15Digits(DBL_TRUE_MIN), RoundTripText(DBL_TRUE_MIN));
  EXPECT_EQ(RoundTo15Digits(std::nextafter(1e37, 0.0)), 1e37);  // the top of the fast window
  EXPECT_EQ(RoundTo15Digits(1e15), 1e15);
}

TEST(RoundTo15Digits, HandlesTheNeighboursOfEveryPowerOfTen) {
  std::vector<double> values;
  for (int k = -330; k <= 308; ++k) {
    double power = std::pow(10.0, k);
    double v = power;
    for (int i = 0; i < 3; ++i) v = std::nextafter(v, 0.0);
    for (int i = 0; i < 7; ++i, v = std::nextafter(v, HUGE_VAL)) {
      if (v == 0 || !std::isfinite(v)) continue;
      ASSERT_EQ(RoundTo15Digits(v), RoundTripText(v)) << std::hexfloat << v;
      ASSERT_EQ(RoundTo15Digits(-v), RoundTripText(-v)) << std::hexfloat << -v;
      values.push_back(v);
      values.push_back(-v);
    }
  }
  // The binary powers around the ends of the fast window, which the lanes hand on.
  for (int b = -30; b <= 53; ++b) {
    for (double v : {std::ldexp(1.0, b), std::nextafter(std::ldexp(1.0, b), 0.0)}) {
      values.push_back(v);
      values.push_back(-v);
    }
  }
  for (bool wide : kLaneWidths) {
    LaneWidth lanes(wide);
    std::vector<double> rounded = values;
    RoundTo15DigitsKeep(rounded.data(), rounded.size());
    for (size_t i = 0; i < values.size(); ++i) {
      ASSERT_TRUE(Same(rounded[i], Expected(values[i])))
          << LaneWidth::Name(wide) << ": " << std::hexfloat << values[i];
    }
  }
}

TEST(RoundTo15DigitsKeep, GivesZeroForZeroAndNaNForNoFiniteNumber) {
  const double cases[][2] = {
      {0.0, 0.0},       {-0.0, 0.0},
      {NAN, NAN},       {HUGE_VAL, NAN},
      {-HUGE_VAL, NAN}, {DBL_MAX, NAN},
      {-DBL_MAX, NAN},  {0.1 + 0.2, 0.3},
      {1e15, 1e15},     {DBL_TRUE_MIN, RoundTripText(DBL_TRUE_MIN)},
  };
  for (bool wide : kLaneWidths) {
    LaneWidth lanes(wide);
    std::vector<double> values;
    for (const auto& c : cases) values.push_back(c[0]);
    RoundTo15DigitsKeep(values.data(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
      EXPECT_TRUE(Same(values[i], cases[i][1]))
          << LaneWidth::Name(wide) << ": " << cases[i][0] << " gives " << values[i];
      EXPECT_FALSE(std::signbit(values[i]) && values[i] == 0) << "-0 from " << cases[i][0];
    }
  }
}
