#include "engine/unit_graf_round.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "platform/sysutils.h"

namespace {

// The powers of ten that a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The window in which scaling by one exact power of ten brings every value to 15 digits before
// the point: decades -8 to 36.
constexpr double kFastMin = 1e-8;
constexpr double kFastMax = 1e37;

double RoundThroughText(double value) {
  if (value == 0) return 0.0;
  if (!std::isfinite(value)) return value;
  double result;
  if (TryStrToFloat(FloatToStr(value), result)) return result;
  return std::copysign(HUGE_VAL, value);  // rounded up beyond the largest double
}

}  // namespace

double RoundTo15Digits(double value) {
  double magnitude = std::fabs(value);
  if (!(magnitude >= kFastMin && magnitude < kFastMax)) return RoundThroughText(value);

  // floor(log10(2^b)) for the binary exponent b is the decade of the value or the one below.
  int binaryExponent =
      static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
  int decade = (binaryExponent * 78913) >> 18;
  if (decade < -8) decade = -8;  // below 1e-8 only by the estimate
  int shift = 14 - decade;       // scaled = magnitude * 10^shift
  auto scale = [magnitude](int k) {
    return k >= 0 ? magnitude * kPow10[k] : magnitude / kPow10[-k];
  };
  double scaled = scale(shift);
  // Exactly 1e15 needs no second try: it rounds to the next power of ten either way.
  if (scaled > 1e15) scaled = scale(--shift);

  // Adding and taking away 2^52 rounds to a whole number, halves to the even one. The scaled
  // value is the exact product rounded, and half-integers are doubles here, so it can only land
  // on a half where the exact product lies within half an ulp of it: then the sign of the exact
  // residual says which way the decimal rounding goes.
  constexpr double kTwo52 = 4503599627370496.0;
  double whole = (scaled + kTwo52) - kTwo52;
  if (std::fabs(whole - scaled) == 0.5) {
    double residual = shift >= 0 ? std::fma(magnitude, kPow10[shift], -scaled)
                                 : std::fma(-scaled, kPow10[-shift], magnitude);
    if (residual > 0) whole = scaled + 0.5;
    if (residual < 0) whole = scaled - 0.5;
  }
  // One correctly rounded operation with an exact power of ten gives the double nearest to the
  // 15-digit decimal, as reading its text does.
  double result = shift >= 0 ? whole / kPow10[shift] : whole * kPow10[-shift];
  return std::copysign(result, value);
}
