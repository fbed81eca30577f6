#include "engine/unit_graf_round.h"

#include "platform/sysutils.h"

namespace round15 {

namespace {

inline constexpr double kMediumMax = 1e37;

// Magnitudes from 1e15 up to 1e37 (decades 15 to 36): divided by an exact 10^(decade - 14) to
// 15 digits before the point, then multiplied back. The same reasoning as the fast path.
double RoundLarge(double value) {
  double magnitude = std::fabs(value);
  int decade = static_cast<int>(std::floor(std::log10(magnitude)));
  if (decade < 15) decade = 15;
  if (decade > 36) decade = 36;
  auto scale = [&](int d) { return magnitude / kExactPowers[d - 14]; };
  double scaled = scale(decade);
  if (scaled > 1e15 && decade < 36) scaled = scale(++decade);
  if (scaled < 1e14 && decade > 15) scaled = scale(--decade);
  const double power = kExactPowers[decade - 14];
  constexpr double kTwo52 = 4503599627370496.0;
  double whole = (scaled + kTwo52) - kTwo52;
  if (std::fabs(whole - scaled) == 0.5) {
    double residual = std::fma(-scaled, power, magnitude);
    if (residual > 0) whole = scaled + 0.5;
    if (residual < 0) whole = scaled - 0.5;
  }
  return std::copysign(whole * power, value);
}

double RoundThroughText(double value) {
  double result;
  if (TryStrToFloat(FloatToStr(value), result)) return result;
  return std::copysign(HUGE_VAL, value);  // rounded up beyond the largest double
}

}  // namespace

double RoundOther(double value) {
  if (value == 0) return 0.0;
  if (!std::isfinite(value)) return value;
  double magnitude = std::fabs(value);
  if (magnitude >= kFastMax && magnitude < kMediumMax) return RoundLarge(value);
  return RoundThroughText(value);
}

}  // namespace round15
