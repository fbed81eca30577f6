// Rounding of evaluator values to 15 significant digits.
#pragma once

// The value as it comes back from its text in the general format with 15 significant digits
// (FloatToStr, then StrToFloat), bit for bit, for every finite value; a few nanoseconds instead
// of a text round trip. Zero, also -0, gives +0; a value whose 15-digit text lies beyond the
// double range gives the infinity of its sign; NaN and infinities pass unchanged.
double RoundTo15Digits(double value);
