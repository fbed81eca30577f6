#include "platform/sysutils.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The value rounded to 15 significant digits, as its digits (no trailing zeros, at least one)
// and the decimal exponent of the first digit.
struct Decimal15 {
  char digits[16];
  int count;
  int exponent;
};

Decimal15 ToDecimal15(double magnitude) {
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
  *res.ptr = '\0';
  // buf: d.dddddddddddddde[+-]xx
  Decimal15 d{};
  d.digits[0] = buf[0];
  int n = 1;
  for (int i = 2; i < 16; ++i) d.digits[n++] = buf[i];
  while (n > 1 && d.digits[n - 1] == '0') --n;
  d.count = n;
  d.digits[n] = '\0';
  const char* e = std::strchr(buf, 'e');
  d.exponent = std::atoi(e + 1);
  return d;
}

// The decimal exponent of the first non-zero digit of a numeral as TryStrToFloat normalises it
// ("-123.4e5" gives 7, "0.001e-2" gives -5); a numeral without one gives the lowest value. The
// exponent's own digits are read saturated, far beyond the double range.
std::int64_t LeadingDecimalExponent(std::string_view norm) {
  constexpr std::int64_t kFar = 1'000'000'000;
  const size_t e = std::min(norm.find('e'), norm.size());
  const std::string_view mantissa = norm.substr(0, e);
  const size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return std::numeric_limits<std::int64_t>::min();
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  // Places of the first significant digit above the point (negative below it).
  std::int64_t leading = first < point ? static_cast<std::int64_t>(point - first) - 1
                                       : -static_cast<std::int64_t>(first - point);
  std::int64_t exponent = 0;
  size_t i = e + 1;
  const bool negative = i < norm.size() && norm[i] == '-';
  if (i < norm.size() && (norm[i] == '-' || norm[i] == '+')) ++i;
  for (; i < norm.size(); ++i) exponent = std::min(exponent * 10 + (norm[i] - '0'), kFar);
  return leading + (negative ? -exponent : exponent);
}

[[noreturn]] void RaiseNoFloat(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void RaiseNoInteger(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  Decimal15 d = ToDecimal15(std::fabs(value));
  std::string out;
  if (value < 0) out += '-';
  if (d.exponent >= 15 || d.exponent < -5) {
    out += d.digits[0];
    if (d.count > 1) {
      out += ',';
      out.append(d.digits + 1, d.count - 1);
    }
    out += 'E';
    out += std::to_string(d.exponent);
    return out;
  }
  if (d.exponent < 0) {
    out += "0,";
    out.append(static_cast<size_t>(-d.exponent - 1), '0');
    out.append(d.digits, d.count);
    return out;
  }
  int whole = d.exponent + 1;
  for (int i = 0; i < whole; ++i) out += i < d.count ? d.digits[i] : '0';
  if (d.count > whole) {
    out += ',';
    out.append(d.digits + whole, d.count - whole);
  }
  return out;
}

bool TryStrToFloat(std::string_view text, double& value) {
  size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  std::string norm;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') norm += '-';
    ++i;
  }
  int digits = 0;
  bool comma = false;
  while (i < n) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      norm += c;
      ++digits;
    } else if (c == ',' && !comma) {
      norm += '.';
      comma = true;
    } else {
      break;
    }
    ++i;
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    norm += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) norm += text[i++];
    int expDigits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      norm += text[i++];
      ++expDigits;
    }
    if (expDigits == 0) return false;
  }
  while (i < n && IsBlank(text[i])) ++i;
  if (i != n) return false;
  double v = 0;
  auto res = std::from_chars(norm.data(), norm.data() + norm.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars reports both ends of the range; only overflow is an error, a value too small
    // for a double reads as zero. Which end it is follows from where the first significant
    // digit stands, whether the numeral has an exponent or a long run of digits.
    if (LeadingDecimalExponent(norm) >= 0) return false;
    v = norm[0] == '-' ? -0.0 : 0.0;
  } else if (res.ec != std::errc() || res.ptr != norm.data() + norm.size()) {
    return false;
  }
  value = v;
  return true;
}

double StrToFloat(std::string_view text) {
  double v;
  if (!TryStrToFloat(text, v)) RaiseNoFloat(text);
  return v;
}

double RoundTripText(double value) {
  if (!std::isfinite(value) || value == 0) return value;
  return StrToFloat(FloatToStr(value));
}

std::string IntToStr(std::int64_t value) {
  return std::to_string(value);
}

bool TryStrToInt(std::string_view text, int& value) {
  size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  }
  size_t start = i;
  std::int64_t v = 0;
  while (i < n) {
    char c = text[i];
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      break;
    }
    v = v * base + d;
    if (v > (std::int64_t{1} << 32)) return false;
    ++i;
  }
  if (i == start) return false;
  while (i < n && IsBlank(text[i])) ++i;
  if (i != n) return false;
  if (negative) v = -v;
  if (base == 16 && v > std::numeric_limits<int>::max() && v <= 0xFFFFFFFFLL) {
    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  }
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(v);
  return true;
}

int StrToInt(std::string_view text) {
  int v;
  if (!TryStrToInt(text, v)) RaiseNoInteger(text);
  return v;
}

double RoundHalfEven(double value) {
  double r = std::nearbyint(value);  // the default rounding mode sends halves to even
  return r == 0 ? 0.0 : r;
}

std::int64_t Round(double value) {
  return static_cast<std::int64_t>(RoundHalfEven(value));
}

double RoundToDecimals(double value, int decimals) {
  if (!std::isfinite(value) || value == 0) return value == 0 ? 0.0 : value;
  if (decimals < 0) decimals = 0;
  Decimal15 d = ToDecimal15(std::fabs(value));
  // Position (in d.digits) of the last digit that stays.
  int keep = d.exponent + 1 + decimals;
  if (keep >= d.count) return value;  // nothing to round away
  // Digits that stay, as an integer of at most 15 digits, times 10^-decimals.
  std::int64_t kept = 0;
  for (int i = 0; i < keep; ++i) kept = kept * 10 + (d.digits[i] - '0');
  bool roundUp;
  if (keep < 0) {
    roundUp = false;  // the value lies below half a unit of the last place
  } else {
    int next = d.digits[keep] - '0';
    bool restNonZero = false;
    for (int i = keep + 1; i < d.count; ++i) restNonZero |= d.digits[i] != '0';
    if (next > 5 || (next == 5 && restNonZero)) {
      roundUp = true;
    } else if (next == 5) {
      roundUp = (kept % 2) != 0;
    } else {
      roundUp = false;
    }
  }
  if (roundUp) ++kept;
  if (kept == 0) return 0.0;
  // Build the decimal text and read it back, so that the result is the double of that text.
  std::string text = std::to_string(kept) + "e" + std::to_string(-decimals);
  double r = 0;
  std::from_chars(text.data(), text.data() + text.size(), r);
  return value < 0 ? -r : r;
}

double Frac(double value) {
  double r = value - std::trunc(value);
  return r == 0 ? 0.0 : r;
}

std::int64_t Trunc(double value) {
  return static_cast<std::int64_t>(std::trunc(value));
}

// ---- random numbers ---------------------------------------------------------------------------

namespace {
std::uint32_t randSeed = 0;
std::function<std::uint32_t()> randomizeSource;
}  // namespace

void SetRandSeed(std::uint32_t seed) {
  randSeed = seed;
}
std::uint32_t RandSeed() {
  return randSeed;
}

void SetRandomizeSource(std::function<std::uint32_t()> source) {
  randomizeSource = std::move(source);
}

void Randomize() {
  if (randomizeSource) {
    randSeed = randomizeSource();
    return;
  }
  auto now = std::chrono::system_clock::now().time_since_epoch();
  randSeed = static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

int Random(int range) {
  randSeed = randSeed * 0x08088405u + 1u;
  if (range <= 0) return 0;
  return static_cast<int>(
      (static_cast<std::uint64_t>(randSeed) * static_cast<std::uint32_t>(range)) >> 32);
}

double RandomFloat() {
  randSeed = randSeed * 0x08088405u + 1u;
  return static_cast<double>(randSeed) / 4294967296.0;
}

// ---- time ---------------------------------------------------------------------------------------

std::int64_t MonotonicMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string FormatLongTime(std::int64_t milliseconds) {
  std::int64_t s = milliseconds < 0 ? 0 : milliseconds / 1000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
  return buf;
}

// ---- code page 1250 ---------------------------------------------------------------------------

namespace {

// Converts with iconv; false when some input cannot be converted, `bad` then its offset.
bool Convert(std::string_view text, const char* to, const char* from, std::string& out,
             size_t& bad) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw EConvertError("no conversion from " + std::string(from));
  std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
  out.assign(text.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1)) {
      bad = static_cast<size_t>(in - text.data());
      out.clear();
      return false;
    }
  }
  out.resize(out.size() - outLeft);
  return true;
}

std::string HexByte(char c) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(c));
  return buf;
}

}  // namespace

bool TryCp1250ToUtf8(std::string_view text, std::string& utf8, size_t& bad) {
  return Convert(text, "UTF-8", "CP1250", utf8, bad);
}

// The messages name the offending byte, never the text: it may be long and is no UTF-8.
std::string Cp1250ToUtf8(std::string_view text) {
  std::string out;
  size_t bad = 0;
  if (!TryCp1250ToUtf8(text, out, bad)) {
    throw EConvertError("The byte $" + HexByte(text[bad]) + " at position " +
                        std::to_string(bad + 1) + " is no character of code page 1250");
  }
  return out;
}

std::string Utf8ToCp1250(std::string_view text) {
  std::string out;
  size_t bad = 0;
  if (!Convert(text, "CP1250", "UTF-8", out, bad)) {
    throw EConvertError("The character at position " + std::to_string(bad + 1) + " (byte $" +
                        HexByte(text[bad]) + ") cannot be written in code page 1250");
  }
  return out;
}
