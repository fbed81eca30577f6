// Rounding of evaluator values to 15 significant digits.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

// The value as it comes back from its text in the general format with 15 significant digits
// (FloatToStr, then StrToFloat), bit for bit, for every finite value; a few nanoseconds instead
// of a text round trip. Zero, also -0, gives +0; a value whose 15-digit text lies beyond the
// double range gives the infinity of its sign; NaN and infinities pass unchanged.
inline double RoundTo15Digits(double value);

// Rounds values[0..n) in place as RoundTo15Digits rounds each, several at a time, except that
// a result that is no finite number becomes NaN (an undefined value).
void RoundTo15DigitsKeep(double* values, std::size_t n);

// ---- implementation ---------------------------------------------------------------------------

namespace round15 {

// The fast path takes magnitudes from 1e-8 up to 1e15 (decades -8 to 14, binary exponents -27
// to 49): one exact power of ten, 10^(14 - decade) <= 1e22, scales them to 15 digits before
// the point.
inline constexpr double kFastMin = 1e-8;
inline constexpr double kFastMax = 1e15;
inline constexpr int kLowestExponent = -27;
inline constexpr int kHighestExponent = 49;

inline constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A value of 2^b to 2^(b+1) lies in one of two decades: the lower one starts at or below 2^b.
// Indexed by the biased exponent, so that any double finds an entry; outside the fast window
// the entries are placeholders.
struct Scales {
  double lower;  // 10^(14 - lower decade)
  double upper;  // 10^(14 - upper decade), a tenth of it (equal at the ends of the window)
};
inline constexpr auto kScales = [] {
  std::array<Scales, 2048> table{};
  for (int biased = 0; biased < 2048; ++biased) {
    int b = biased - 1023;
    if (b < kLowestExponent || b > kHighestExponent) {
      table[biased] = {1, 1};
      continue;
    }
    int decade = (b * 78913) >> 18;  // floor(b * log10(2)), so 10^decade <= 2^b
    int lower = decade < -8 ? -8 : decade;
    int upper = decade + 1 > 14 ? 14 : decade + 1;
    table[biased] = {kExactPowers[14 - lower], kExactPowers[14 - upper]};
  }
  return table;
}();
static_assert(kScales[1023 - 27].lower == 1e22 && kScales[1023 - 27].upper == 1e22);  // 2^-27
static_assert(kScales[1023 + 49].lower == 1 && kScales[1023 + 49].upper == 1);        // 2^49
static_assert(kScales[1023].lower == 1e14 && kScales[1023].upper == 1e13);            // 2^0

// The same for several values at a time, which check no window, indexed by sign and exponent
// together: a NaN scale marks what they leave to the scalar rounding, namely every exponent
// outside the window (zero too), the binade 2^-27 that the window cuts at 1e-8, and the upper
// decade of 2^49, which is 1e15.
struct LaneScales {
  double lower[4096];
  double upper[4096];
};
inline constexpr auto kLaneScales = [] {
  LaneScales table{};
  constexpr double kNaN = __builtin_nan("");
  for (int index = 0; index < 4096; ++index) {
    const int biased = index & 2047, b = biased - 1023;
    table.lower[index] = kScales[biased].lower;
    table.upper[index] = kScales[biased].upper;
    if (b <= kLowestExponent || b > kHighestExponent) table.lower[index] = kNaN;
    if (b <= kLowestExponent || b >= kHighestExponent) table.upper[index] = kNaN;
  }
  return table;
}();

inline constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
inline constexpr double kTwo52 = 4503599627370496.0;

// Everything outside the fast path, exactly as well.
double RoundOther(double value);

// The scaled value is the exact product of the magnitude and its decade's scale, rounded; the
// product in the lower decade reaching 1e15 means the upper decade. Near that threshold both
// decades round to the same power of ten, so which of them a product just below 1e15 picks does
// not matter. Adding and taking away 2^52 rounds to a whole number, halves to the even one.
// Half-integers are doubles here, so the rounded product lands on a half only where the exact
// product lies within half an ulp of it: that is a tie, and the sign of the exact residual says
// which way the decimal rounding goes. One correctly rounded division by the exact power of ten
// gives the double nearest to the 15-digit decimal, as reading its text does.
[[gnu::always_inline]] inline double RoundFast(double magnitude) {
  const Scales& s = kScales[std::bit_cast<std::uint64_t>(magnitude) >> 52];
  const double lower = magnitude * s.lower, upper = magnitude * s.upper;
  const bool up = lower >= kFastMax;
  const double scale = up ? s.upper : s.lower;
  const double scaled = up ? upper : lower;
  double whole = (scaled + kTwo52) - kTwo52;
  if (std::fabs(whole - scaled) == 0.5) [[unlikely]] {
    double residual = std::fma(magnitude, scale, -scaled);
    if (residual > 0) whole = scaled + 0.5;
    if (residual < 0) whole = scaled - 0.5;
  }
  return whole / scale;
}

// One value that the lanes leave: the full rounding, no finite number becoming NaN.
inline double KeepOne(double value) {
  double r = RoundTo15Digits(value);
  return std::isfinite(r) ? r : NAN;
}

}  // namespace round15

[[gnu::always_inline]] inline double RoundTo15Digits(double value) {
  using namespace round15;
  constexpr std::uint64_t kLow = std::bit_cast<std::uint64_t>(kFastMin);
  constexpr std::uint64_t kHigh = std::bit_cast<std::uint64_t>(kFastMax);
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t magnitudeBits = bits & ~kSign;
  if (magnitudeBits - kLow >= kHigh - kLow) [[unlikely]] {
    return RoundOther(value);
  }
  const double result = RoundFast(std::bit_cast<double>(magnitudeBits));
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(result) | (bits & kSign));
}
