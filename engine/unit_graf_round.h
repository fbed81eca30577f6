// Rounding of evaluator values to 15 significant digits.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The value as it comes back from its text in the general format with 15 significant digits
// (FloatToStr, then StrToFloat), bit for bit, for every finite value; a few nanoseconds instead
// of a text round trip. Zero, also -0, gives +0; a value whose 15-digit text lies beyond the
// double range gives the infinity of its sign; NaN and infinities pass unchanged.
inline double RoundTo15Digits(double value);

// Rounds values[0..n) in place as RoundTo15Digits rounds each, two at a time, except that a
// result that is no finite number becomes NaN (an undefined value). With kReport, calls
// undefined(i) for every i whose result is NaN, also for a NaN given.
template <bool kReport = false, class Undefined>
void RoundTo15DigitsKeep(double* values, std::size_t n, Undefined undefined);
inline void RoundTo15DigitsKeep(double* values, std::size_t n) {
  RoundTo15DigitsKeep(values, n, [](std::size_t) {});
}

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

// The same for two values at a time, which check no window, indexed by sign and exponent
// together: a NaN scale marks what they leave to the scalar rounding, namely every exponent
// outside the window (zero too), the binade 2^-27 that the window cuts at 1e-8, and the upper
// decade of 2^49, which is 1e15.
struct PairScales {
  double lower[4096];
  double upper[4096];
};
inline constexpr auto kPairScales = [] {
  PairScales table{};
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

// Two lanes of SSE2 (or whatever the target has for two doubles), written with the compiler's
// vector extensions so that the same code serves every target.
using Pair = double __attribute__((vector_size(16)));
using PairBits = std::uint64_t __attribute__((vector_size(16)));
using PairMask = std::int64_t __attribute__((vector_size(16)));

inline Pair Abs(Pair v) {
  return reinterpret_cast<Pair>(reinterpret_cast<PairBits>(v) & ~kSign);
}
inline Pair Select(PairMask mask, Pair yes, Pair no) {
  return reinterpret_cast<Pair>((reinterpret_cast<PairBits>(yes) & mask) |
                                (reinterpret_cast<PairBits>(no) & ~mask));
}
// The lanes as integers. The high lane is taken without merging it into some register's old
// value (as movhlps would), which would chain every pair to the one before.
inline std::uint64_t Low(PairBits v) {
  return v[0];
}
inline std::uint64_t High(PairBits v) {
#ifdef __SSE2__
  const __m128i x = reinterpret_cast<__m128i>(v);
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_shuffle_epi32(x, 0xEE)));
#else
  return v[1];
#endif
}
inline bool All(PairMask mask) {
#ifdef __SSE2__
  return _mm_movemask_pd(reinterpret_cast<__m128d>(mask)) == 3;
#else
  return (mask[0] & mask[1]) != 0;
#endif
}

// RoundFast of two values at once, on the signed values: adding and taking away 1.5 * 2^52
// rounds both signs to whole numbers, halves to the even one. Lanes that RoundFast does not
// cover come back clear in `fine`, with no meaningful result: ties, and through the NaN scales
// everything outside the window, zero, NaN and the infinities.
[[gnu::always_inline]] inline Pair RoundPair(Pair value, PairMask& fine) {
  constexpr double kMagic = 6755399441055744.0;  // 1.5 * 2^52
  const PairBits bits = reinterpret_cast<PairBits>(value);
  const std::uint64_t i0 = Low(bits) >> 52, i1 = High(bits) >> 52;
  const Pair lowerScale = {kPairScales.lower[i0], kPairScales.lower[i1]};
  const Pair upperScale = {kPairScales.upper[i0], kPairScales.upper[i1]};
  const Pair lower = value * lowerScale, upper = value * upperScale;
  const PairMask up = Abs(lower) >= kFastMax;
  const Pair scale = Select(up, upperScale, lowerScale);
  const Pair scaled = Select(up, upper, lower);
  const Pair whole = (scaled + kMagic) - kMagic;
  fine = Abs(whole - scaled) < 0.5;  // not a half, nor NaN
  return whole / scale;
}

// The lanes not `fine` rounded one at a time, no finite number becoming NaN.
[[gnu::noinline]] Pair RoundOtherLanes(Pair value, Pair rounded, PairMask fine);

// One value the pair path left: the full rounding, no finite number becoming NaN.
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

namespace round15 {

// Fills out[0..n), n even, with the values that produce(i) gives for i and i + 1 as a pair,
// rounded as RoundTo15DigitsKeep rounds them (reporting NaN results with kReport).
template <bool kReport, class Produce, class Undefined>
[[gnu::always_inline]] inline void KeepPairs(double* out, std::size_t n, Produce produce,
                                             Undefined undefined) {
  for (std::size_t i = 0; i < n; i += 2) {
    const Pair v = produce(i);
    PairMask fine;
    Pair r = RoundPair(v, fine);
    if (!All(fine)) [[unlikely]] {
      // Every NaN comes this way, as NaN scales do.
      r = RoundOtherLanes(v, r, fine);
      if constexpr (kReport) {
        if (std::isnan(r[0])) undefined(i);
        if (std::isnan(r[1])) undefined(i + 1);
      }
    }
    std::memcpy(out + i, &r, sizeof r);
  }
}

}  // namespace round15

template <bool kReport, class Undefined>
void RoundTo15DigitsKeep(double* values, std::size_t n, Undefined undefined) {
  using namespace round15;
  const std::size_t even = n & ~std::size_t{1};
  KeepPairs<kReport>(
      values, even,
      [values](std::size_t i) {
        Pair v;
        std::memcpy(&v, values + i, sizeof v);
        return v;
      },
      undefined);
  if (even < n) {
    values[even] = KeepOne(values[even]);
    if (kReport && std::isnan(values[even])) undefined(even);
  }
}
