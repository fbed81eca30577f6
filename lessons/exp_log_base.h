// What the exponential page 4.5 and the logarithmic page 4.6 share: the base a taken to two
// decimals, the sentences that depend on it and the shifts of the inverse function.
#pragma once

#include <string>
#include <vector>

#include "lessons/live_graph.h"

// The base as the pages use it: a rounded to two decimals (halves to even), so that a typed
// 1,004 is the base 1 and gets its warning instead of drawing log(1; …) or stating properties
// of a valid base.
struct LiveBase {
  enum Kind { kNegative, kZero, kOne, kFalling, kRising };
  double value = 0;  // a rounded to two decimals; a negative a keeps its own value
  Kind kind = kRising;
  bool Valid() const { return kind == kFalling || kind == kRising; }
  // The base for a label: "2", "0,5", "1,04".
  std::string Text() const;
};
LiveBase BaseOf(double a);

// " je rostoucí (a > 1)" or " je klesající (0 < a < 1)" for a valid base.
std::string Monotonicity(const LiveBase& base);
// "Pro základ a = 1 není <family> funkce definována." (the base a = 0 alike, a < 0 alike);
// `constant` follows the sentence for the bases 0 and 1, where the page draws a constant.
std::string BaseWarning(const LiveBase& base, const std::string& family,
                        const std::string& constant = "");

// A shift after x or after a bracket, "– 3" for 3 and "+ 3" for -3 as the label rounds it;
// empty when it rounds to zero, so that no "– 0" appears.
std::string Shift(const TLiveGraph& live, double shift);
// " x – 3": `x` and the shift by -v, or `x` alone.
std::string ShiftedX(const TLiveGraph& live, const std::string& x, double v);

// The property labels for a valid base, else the warning `warning` with `text` in their place.
void ShowProperties(const LiveBase& base, const std::vector<TControl*>& labels,
                    TStaticText& warning, const std::string& text);
