// Run-time routines of the platform: exceptions, number conversions, rounding, random numbers,
// time and code page 1250. Independent of Qt and of the process locale: the decimal separator
// is always the comma.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

// Base of every error the platform raises; the default error handler shows Message().
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A text that is no number: "'%s' is not a valid floating point value" and the like.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be opened: "Cannot open file "%s". %s".
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

// Reading or writing a text file failed.
class EInOutError : public Exception {
 public:
  EInOutError(std::string message, int errorCode)
      : Exception(std::move(message)), errorCode_(errorCode) {}
  int ErrorCode() const noexcept { return errorCode_; }

 private:
  int errorCode_;
};

// A picture that cannot be decoded, or a file extension without a picture format.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// ---- numbers --------------------------------------------------------------------------------

// The general format with 15 significant digits: the value rounded to 15 significant digits,
// without trailing zeros, with a decimal comma; fixed notation when 1E-5 <= |v| < 1E15, else
// scientific as "1,5E20" or "1E-6". Zero, also -0, is "0". NaN is "NAN", infinities "INF"/"-INF".
std::string FloatToStr(double value);

// Optional blanks, an optional sign, digits with at most one comma (at least one digit), an
// optional exponent (E or e, optional sign, digits), optional blanks. Anything else, and a value
// beyond the double range, raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, double& value);

// StrToFloat(FloatToStr(v)): the value as it comes back from its 15-digit text.
double RoundTripText(double value);

std::string IntToStr(std::int64_t value);
// Optional blanks and sign, decimal digits (or $ and hex digits); raises EConvertError
// "'<text>' is not a valid integer value" otherwise or when out of the 32-bit range.
int StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int& value);

// Rounding to a whole number, halves to the even neighbour. Never returns -0.
double RoundHalfEven(double value);
// Round() of the run-time library: the same rule, as an integer (the value must fit).
std::int64_t Round(double value);
// Rounds to `decimals` places after the comma (0..15). The value is taken as its 15-digit text
// shows it, and a half in that decimal form goes to the even neighbour: 0,25 -> 0,2 and
// 0,35 -> 0,4 at one decimal. Never returns -0.
double RoundToDecimals(double value, int decimals);
// The fractional part with the sign of the value: Frac(-2,5) = -0,5.
double Frac(double value);
// Truncation toward zero, as an integer.
std::int64_t Trunc(double value);

// ---- random numbers ---------------------------------------------------------------------------

// The run-time library's linear congruential generator: RandSeed := RandSeed * $08088405 + 1.
void SetRandSeed(std::uint32_t seed);
std::uint32_t RandSeed();
// Seeds the generator from the clock, or from the seed source when one is installed.
void Randomize();
// Installs the source of Randomize's seeds, so that a test can repeat the draws of code that
// calls Randomize; an empty function gives the seeding back to the clock.
void SetRandomizeSource(std::function<std::uint32_t()> source);
// A whole number in 0 .. range - 1 (0 when range <= 0).
int Random(int range);
// A number in [0, 1).
double RandomFloat();

// ---- time ---------------------------------------------------------------------------------------

// Milliseconds of a monotonic clock; for measuring elapsed time.
std::int64_t MonotonicMs();
// The long time format: H:mm:ss ("0:03:07"); negative durations count as zero.
std::string FormatLongTime(std::int64_t milliseconds);

// ---- code page 1250 ---------------------------------------------------------------------------

// Decodes code page 1250 text (characters 150 and 151 are the en and em dash); raises
// EConvertError naming the first byte that the code page does not define.
std::string Cp1250ToUtf8(std::string_view text);
// The same without raising: false for such a byte, `bad` then its offset.
bool TryCp1250ToUtf8(std::string_view text, std::string& utf8, size_t& bad);
// Encodes UTF-8 text in code page 1250; raises EConvertError for a character it cannot hold.
std::string Utf8ToCp1250(std::string_view text);
