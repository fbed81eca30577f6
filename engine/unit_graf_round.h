// Rounding of evaluator values to 15 significant digits.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

// The value as it comes back from its text in the general format with 15 significant digits
// (FloatToStr, then StrToFloat), bit for bit, for every finite value; a few nanoseconds instead
// of a text round trip. Zero, also -0, gives +0; a value whose 15-digit text lies beyond the
// double range gives the infinity of its sign; NaN and infinities pass unchanged.
inline double RoundTo15Digits(double value);

// ---- implementation ---------------------------------------------------------------------------

namespace round15 {

// The fast path takes magnitudes from 1e-8 up to 1e15 (decades -8 to 14, binary exponents -27
// to 49): one exact power of ten, 10^(14 - decade) <= 1e22, scales them to 15 digits before
// the point.
inline constexpr double kFastMin = 1e-8;
inline constexpr double kFastMax = 1e15;
inline constexpr int kLowestExponent = -27;

// The doubles nearest 1e-8 to 1e15.
inline constexpr double kPowersOfTen[] = {1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1,
                                          1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
inline constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// For one binary exponent b: the double nearest the power of ten that starts the upper of the
// two decades a value of 2^b to 2^(b+1) can lie in, and the exact scales of both decades.
struct Decades {
  double next;
  double scales[2];  // lower, upper
};
inline constexpr auto kDecades = [] {
  std::array<Decades, 77> table{};
  for (int i = 0; i < 77; ++i) {
    int decade = ((i + kLowestExponent) * 78913) >> 18;  // floor(b * log10(2))
    int lower = decade < -8 ? -8 : decade;
    int upper = decade + 1 > 14 ? 14 : decade + 1;
    table[i] = {kPowersOfTen[decade + 9], {kExactPowers[14 - lower], kExactPowers[14 - upper]}};
  }
  return table;
}();
static_assert(kDecades[0].next == 1e-8);                                            // 2^-27
static_assert(kDecades[27 + 49].scales[0] == 1 && kDecades[27 + 49].next == 1e15);  // 2^49

// Everything outside the fast path, exactly as well.
double RoundOther(double value);

}  // namespace round15

[[gnu::always_inline]] inline double RoundTo15Digits(double value) {
  using namespace round15;
  constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
  constexpr std::uint64_t kLow = std::bit_cast<std::uint64_t>(kFastMin);
  constexpr std::uint64_t kHigh = std::bit_cast<std::uint64_t>(kFastMax);
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t magnitudeBits = bits & ~kSign;
  if (magnitudeBits - kLow >= kHigh - kLow) [[unlikely]] {
    return RoundOther(value);
  }
  const double magnitude = std::bit_cast<double>(magnitudeBits);
  const Decades& d = kDecades[(magnitudeBits >> 52) - (1023 + kLowestExponent)];
  // An index rather than a branch: values near a power of ten go either way unpredictably.
  const double scale = d.scales[magnitude >= d.next];
  // The thresholds below 1 are not powers of ten exactly, so the one value that is a
  // threshold may land in the decade above its own; it is then scaled to 1e14 exactly, which
  // gives the same result as scaling it in its own decade would.
  const double scaled = magnitude * scale;
  // Adding and taking away 2^52 rounds to a whole number, halves to the even one. The scaled
  // value is the exact product rounded, and half-integers are doubles here, so it can only land
  // on a half where the exact product lies within half an ulp of it: then the sign of the exact
  // residual says which way the decimal rounding goes.
  constexpr double kTwo52 = 4503599627370496.0;
  double whole = (scaled + kTwo52) - kTwo52;
  if (std::fabs(whole - scaled) == 0.5) [[unlikely]] {
    double residual = std::fma(magnitude, scale, -scaled);
    if (residual > 0) whole = scaled + 0.5;
    if (residual < 0) whole = scaled - 0.5;
  }
  // One correctly rounded division by an exact power of ten gives the double nearest to the
  // 15-digit decimal, as reading its text does.
  const double result = whole / scale;
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(result) | (bits & kSign));
}
