#include "engine/unit_graf_eval.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "engine/unit_graf_round.h"
#include "engine/unit_syntaxe.h"
#include "platform/sysutils.h"

// ---- operations -------------------------------------------------------------------------------

enum class CompiledExpression::Code : unsigned char {
  Load,  // the operand as it stands: a constant as written, a variable, no rounding
  Add,
  Subtract,
  Negate,  // 0 - v for a 15-digit v: exact, so not rounded
  Multiply,
  Divide,
  Power,
  Root,
  Logarithm,
  Arcsin,
  Cos,
  Arccos,
  Tg,
  Arctg,
  Cotg,
  Arccotg,
  Sin,
  Abs,  // of a 15-digit value: exact, so not rounded
};

namespace {

using round15::Pair;
using round15::PairBits;
using round15::PairMask;

// "a" is e as the text "2,718281828459"; "b" is pi as its 15-digit text "3,14159265358979".
constexpr double kE = 2.718281828459;
constexpr double kPi = 3.14159265358979;

// Powers and roots whose natural logarithm reaches this are undefined; below its negative they
// are 0.
constexpr double kLogLimit = 50;

// Every operation below gives its exact result rounded once by the hardware (the raw value),
// or NaN where it is undefined; a NaN operand always gives NaN, so that a sample that became
// undefined stays undefined. Rounding to 15 digits follows separately.

// The exact product a * b as hi + lo.
template <class T>
inline void TwoProduct(T a, T b, T& hi, T& lo) {
  hi = a * b;
  // Dekker's product: split each factor into halves whose products are exact. (The same exact
  // error as a fused multiply-add gives, on every target; the engine is built without
  // contraction, so no step is fused behind our back.)
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  T ca = kSplit * a, cb = kSplit * b;
  T ah = ca - (ca - a), al = a - ah;
  T bh = cb - (cb - b), bl = b - bh;
  lo = ((ah * bh - hi) + ah * bl + al * bh) + al * bl;
}

// a^n for 2 <= n <= 16, carried in double-double so that the result is rounded once, about as
// exactly as pow() rounds it.
double IntPower(double a, int n) {
  double hi = a, lo = 0;
  for (int i = 1; i < n; ++i) {
    double p, e;
    TwoProduct(hi, a, p, e);
    e += lo * a;
    hi = p + e;
    lo = e - (hi - p);
  }
  return hi + lo;
}

// m^3 as its exact square times m, with the errors of both products.
template <class T>
inline T Cube(T m) {
  T square, error, cube, cubeError;
  TwoProduct(m, m, square, error);
  TwoProduct(square, m, cube, cubeError);
  return cube + (cubeError + error * m);
}

constexpr int kMaxIntPower = 16;

// For a whole exponent 1 <= n <= 16: |a| strictly inside (low, high) puts ln|a| * n well inside
// (-50, 50), so the logarithm need not be taken. The margin covers the logarithm's rounding.
struct Band {
  double low, high;
};
const std::array<Band, kMaxIntPower + 1> kIntPowerBand = [] {
  std::array<Band, kMaxIntPower + 1> bands{};
  for (int n = 1; n <= kMaxIntPower; ++n) {
    bands[n] = {std::exp(-kLogLimit / n) * (1 + 1e-9), std::exp(kLogLimit / n) * (1 - 1e-9)};
  }
  return bands;
}();

// Rounding to a whole number with halves to the even neighbour (as RoundHalfEven), inline.
inline double RoundEven(double v) {
  constexpr double kTwo52 = 4503599627370496.0;
  if (!(std::fabs(v) < kTwo52)) return v;  // already whole (or NaN)
  double t = std::copysign(kTwo52, v);
  return (v + t) - t;
}

// For a whole number.
inline bool IsOdd(double whole) {
  constexpr double kTwo53 = 9007199254740992.0;
  return std::fabs(whole) < kTwo53 && (static_cast<std::int64_t>(whole) & 1) != 0;
}

// A^B. Undefined: 0 to a negative power, a negative base with a fractional exponent, and a
// result whose logarithm reaches 50; below -50 the value is 0.
double PowerRaw(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return NAN;
  // A small whole exponent and a base for which ln|a| * b is surely inside (-50, 50) need no
  // logarithm.
  if (b >= 1 && b <= kMaxIntPower) {
    int n = static_cast<int>(b);
    double magnitude = std::fabs(a);
    if (n == b && magnitude > kIntPowerBand[n].low && magnitude < kIntPowerBand[n].high) {
      double value;
      if (n == 1) {
        value = magnitude;
      } else if (n == 2) {
        value = magnitude * magnitude;  // one correctly rounded product
      } else if (n == 3) {
        value = Cube(magnitude);
      } else {
        value = IntPower(magnitude, n);
      }
      return a < 0 && (n & 1) ? -value : value;
    }
  }
  if (b < 0 && a == 0) return NAN;
  double rounded = RoundEven(b);
  bool whole = b == rounded;
  double sign = a < 0 && whole && IsOdd(rounded) ? -1 : 1;
  double value;
  if (a == 0) {
    value = b == 0 ? 1 : 0;
  } else if (!whole && a < 0) {
    return NAN;
  } else {
    double magnitude = std::fabs(a);
    double l = std::log(magnitude) * b;
    if (l >= kLogLimit) return NAN;
    value = l < -kLogLimit ? 0 : std::pow(magnitude, b);
  }
  return sign * value;
}

// The n-th root of x (an odd root keeps the sign of x). Undefined: an even root (n rounded to a
// whole number) of a negative number, and a result whose logarithm reaches 50.
double RootRaw(double n, double x) {
  if (std::isnan(n) || std::isnan(x)) return NAN;
  if (x < 0 && !IsOdd(RoundEven(n))) return NAN;
  double sign = x < 0 ? -1 : 1;
  if (x == 0 || n == 0) return 0;
  double magnitude = std::fabs(x);
  // For |n| >= 1, |ln|x| / n| < 50 holds whenever e^-50 < |x| < e^50.
  bool inBand = std::fabs(n) >= 1 && magnitude > 1.93e-22 && magnitude < 5.18e21;
  if (!inBand) {
    double l = std::log(magnitude) * (1 / n);
    if (l >= kLogLimit) return NAN;
    if (l < -kLogLimit) return 0;
  }
  return sign * std::pow(magnitude, 1 / n);
}

// A logarithm's base is usable when positive, not 1 and with a non-zero logarithm.
inline bool UsableBase(double base, double lnBase) {
  return base > 0 && base != 1 && lnBase != 0;
}

inline double LogarithmRaw(double base, double lnBase, double argument) {
  return argument > 0 && UsableBase(base, lnBase) ? std::log(argument) / lnBase : NAN;
}

inline double ArcsinRaw(double v) {
  return v >= -1 && v <= 1 ? std::asin(v) : NAN;
}
inline double ArccosRaw(double v) {
  return v >= -1 && v <= 1 ? std::acos(v) : NAN;
}
// Values in (0, pi): arctg(1/v), moved up by pi for negative v.
inline double ArccotgRaw(double v) {
  return v == 0 ? std::numbers::pi / 2 : std::atan(1 / v) + (v < 0 ? std::numbers::pi : 0.0);
}
inline double TgRaw(double v, double& denominator) {
  denominator = std::cos(v);
  return denominator != 0 ? std::sin(v) / denominator : NAN;
}
inline double CotgRaw(double v, double& denominator) {
  denominator = std::sin(v);
  return denominator != 0 ? std::cos(v) / denominator : NAN;
}

inline Pair LoadPair(const double* p) {
  Pair v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void StorePair(double* p, Pair v) {
  std::memcpy(p, &v, sizeof v);
}
inline Pair Magnitude(Pair v) {
  return reinterpret_cast<Pair>(reinterpret_cast<PairBits>(v) & ~round15::kSign);
}
inline Pair SignOf(Pair v) {
  return reinterpret_cast<Pair>(reinterpret_cast<PairBits>(v) & round15::kSign);
}
inline Pair WithSign(Pair magnitude, Pair sign) {
  return reinterpret_cast<Pair>(reinterpret_cast<PairBits>(magnitude) |
                                reinterpret_cast<PairBits>(sign));
}

// The operands of a pairwise operation: a column, or a constant that every sample shares.
struct ColumnIn {
  const double* p;
  Pair At(std::size_t s) const { return LoadPair(p + s); }
};
struct ConstantIn {
  double v;
  Pair At(std::size_t) const { return Pair{v, v}; }
};
// The operand of a scalar operation.
struct In {
  const double* p;  // nullptr: the constant
  double v;
  double operator[](std::size_t s) const { return p ? p[s] : v; }
};

}  // namespace

// ---- compiling --------------------------------------------------------------------------------

bool CompiledExpression::Fold(Code code, double a, double b, double& result) {
  double raw;
  switch (code) {
    case Code::Add:
      raw = a + b;
      break;
    case Code::Subtract:
      raw = a - b;
      break;
    case Code::Multiply:
      raw = a * b;
      break;
    case Code::Power:
      raw = PowerRaw(a, b);
      break;
    case Code::Root:
      raw = RootRaw(a, b);
      break;
    case Code::Arcsin:
      raw = ArcsinRaw(b);
      break;
    case Code::Arccos:
      raw = ArccosRaw(b);
      break;
    case Code::Cos:
      raw = std::cos(b);
      break;
    case Code::Sin:
      raw = std::sin(b);
      break;
    case Code::Arctg:
      raw = std::atan(b);
      break;
    case Code::Arccotg:
      raw = ArccotgRaw(b);
      break;
    case Code::Abs:
      raw = std::fabs(b);  // a constant as written may have more than 15 digits
      break;
    default:
      return false;  // the division-like ones keep their ring slots
  }
  result = round15::KeepOne(raw);
  return !std::isnan(result);
}

CompiledExpression::CompiledExpression(TokenList list, Variables variables) {
  // The values on the stack while compiling. A constant or a variable is no operation of its
  // own: the operations that use it read it where it is. Computed values live on levels, taken
  // lowest first and given back when used, so that an operation may write over its operands.
  struct Entry {
    Source source;
    int level;
    double value;
  };
  std::vector<Entry> stack;
  std::vector<bool> busy;
  auto take = [&] {
    int level = 0;
    while (level < static_cast<int>(busy.size()) && busy[level]) ++level;
    if (level == static_cast<int>(busy.size())) busy.push_back(false);
    busy[level] = true;
    levels_ = std::max(levels_, level + 1);
    return level;
  };
  auto giveBack = [&](const Entry& e) {
    if (e.source == Source::Level) busy[e.level] = false;
  };
  auto operand = [](const Entry& e) { return Operand{e.source, e.level, e.value}; };

  // The operator and function tokens; the division-like ones have a ring slot.
  struct Letter {
    char token;
    Code code;
    bool division;
  };
  static constexpr Letter kLetters[] = {
      {'+', Code::Add, false},    {'-', Code::Subtract, false}, {'*', Code::Multiply, false},
      {'/', Code::Divide, true},  {'d', Code::Power, false},    {'f', Code::Logarithm, true},
      {'o', Code::Root, false},   {'g', Code::Arcsin, false},   {'h', Code::Cos, false},
      {'i', Code::Arccos, false}, {'j', Code::Tg, true},        {'k', Code::Arctg, false},
      {'l', Code::Cotg, true},    {'m', Code::Arccotg, false},  {'n', Code::Sin, false},
      {'p', Code::Abs, false},
  };

  firstX_ = INT_MAX;
  bool valid = true;
  while (valid && list.Exists() && list.First()->next) {
    std::string token = PopToken(list);
    const TokenKind kind = ClassifyToken(token);
    if (kind == TokenKind::Separator) continue;  // nothing to do at run time
    if (kind == TokenKind::Unknown) {
      valid = false;
      break;
    }
    if (kind == TokenKind::Operand) {
      if (token == "y") {
        if (variables != Variables::XY) valid = false;
        stack.push_back({Source::Y, 0, 0});
      } else if (token == "a") {
        stack.push_back({Source::Constant, 0, kE});
      } else if (token == "b") {
        stack.push_back({Source::Constant, 0, kPi});
      } else if (token == "c") {
        firstX_ = std::min(firstX_, static_cast<int>(operations_.size()));
        stack.push_back({Source::X, 0, 0});
      } else {
        stack.push_back({Source::Constant, 0, StrToFloat(token)});
      }
      continue;
    }

    const int operands = kind == TokenKind::Unary ? 1 : 2;
    if (stack.size() < static_cast<std::size_t>(operands)) {
      valid = false;
      break;
    }
    const Letter& letter = *std::find_if(std::begin(kLetters), std::end(kLetters),
                                         [&](const Letter& l) { return l.token == token[0]; });
    const Code code = letter.code;
    Entry b = stack.back();
    stack.pop_back();
    Entry a = operands == 2 ? stack.back() : Entry{Source::Constant, 0, 0};
    if (operands == 2) stack.pop_back();
    const bool aConstant = a.source == Source::Constant, bConstant = b.source == Source::Constant;

    // Constants are folded: the same operation on the same values, once instead of per sample.
    double folded;
    if (!letter.division && bConstant && (operands == 1 || aConstant) &&
        Fold(code, a.value, b.value, folded)) {
      stack.push_back({Source::Constant, 0, folded});
      continue;
    }
    // A value that is no constant is a 15-digit value already, so 1 * v, v * 1, v + 0, 0 + v and
    // v - 0 are v itself, and |v| and 0 - v need no rounding.
    if (operands == 2 && bConstant && !aConstant &&
        ((code == Code::Multiply && b.value == 1) ||
         ((code == Code::Add || code == Code::Subtract) && b.value == 0))) {
      stack.push_back(a);
      continue;
    }
    if (operands == 2 && aConstant && !bConstant &&
        ((code == Code::Multiply || code == Code::Add) && a.value == (code == Code::Add ? 0 : 1))) {
      stack.push_back(b);
      continue;
    }
    Operation op{code, 0, operand(a), operand(b), -1, NAN, 0};
    if (operands == 2 && aConstant && !bConstant && code == Code::Subtract && a.value == 0) {
      op.code = Code::Negate;
    }
    if (code == Code::Logarithm && aConstant) {
      op.base = a.value;
      op.lnBase = std::log(a.value);
    }
    giveBack(a);
    giveBack(b);
    op.level = take();
    if (letter.division) {
      op.division = static_cast<int>(divisions_.size());
      divisions_.push_back(static_cast<int>(operations_.size()));
    }
    operations_.push_back(op);
    stack.push_back({Source::Level, op.level, 0});
  }
  valid_ = valid && stack.size() == 1;
  if (!valid_) {
    operations_.clear();
    divisions_.clear();
    return;
  }
  if (stack.back().source == Source::Level) {
    result_ = stack.back().level;
  } else {
    result_ = take();
    operations_.push_back({Code::Load, result_, {}, operand(stack.back()), -1, NAN, 0});
  }
}

// ---- evaluating -------------------------------------------------------------------------------

void CompiledExpression::SetWidth(std::size_t n) {
  width_ = std::max<std::size_t>(2, (n + 1) & ~std::size_t{1});
  values_.resize(static_cast<std::size_t>(std::max(levels_, 1)) * width_);
  if (!divisions_.empty()) positive_.resize(divisions_.size() * width_);
}

const double* CompiledExpression::Column(const Operand& operand) const {
  switch (operand.source) {
    case Source::X:
      return rx_.data();
    case Source::Y:
      return ry_.data();
    case Source::Level:
      return values_.data() + static_cast<std::size_t>(operand.level) * width_;
    case Source::Constant:
      break;
  }
  return nullptr;
}

// Rounds what produce(s) gives for the samples s and s + 1 into out; a sample whose value is
// undefined stops at operation i, where the ring needs to know.
template <class Produce>
void CompiledExpression::Rounded(int i, double* out, Produce produce) {
  if (divisions_.empty()) {
    round15::KeepPairs<false>(out, width_, produce, [](std::size_t) {});
    return;
  }
  const int count = static_cast<int>(operations_.size());
  round15::KeepPairs<true>(out, width_, produce, [&](std::size_t s) {
    if (stops_[s] == count) stops_[s] = i;
  });
}

// An operation on pairs of samples: raw(a, b, s) gives the raw values of samples s and s + 1.
template <class Raw>
void CompiledExpression::Pairwise(int i, const Operation& op, Raw raw) {
  double* out = Level(op.level);
  auto run = [&](auto a, auto b) {
    Rounded(
        i, out, [&](std::size_t s) __attribute__((always_inline)) {
          return raw(a.At(s), b.At(s), s);
        });
  };
  const double* a = Column(op.a);
  const double* b = Column(op.b);
  if (a && b) {
    run(ColumnIn{a}, ColumnIn{b});
  } else if (a) {
    run(ColumnIn{a}, ConstantIn{op.b.value});
  } else if (b) {
    run(ConstantIn{op.a.value}, ColumnIn{b});
  } else {
    run(ConstantIn{op.a.value}, ConstantIn{op.b.value});
  }
}

// An operation one sample at a time (the library's functions): raw(a, b, s) gives the raw value.
template <class Raw>
void CompiledExpression::Scalar(int i, const Operation& op, Raw raw) {
  double* out = Level(op.level);
  const In a{Column(op.a), op.a.value}, b{Column(op.b), op.b.value};
  for (std::size_t s = 0; s < width_; ++s) out[s] = raw(a[s], b[s], s);
  Rounded(i, out, [out](std::size_t s) { return LoadPair(out + s); });
}

// A power with the constant exponent 2 or 3, two samples at a time where the base lies in the
// band that needs no logarithm; PowerRaw for the rest.
template <int kExponent>
void CompiledExpression::PowerPairs(int i, const Operation& op) {
  const Band band = kIntPowerBand[kExponent];
  const double* a = Column(op.a);
  Rounded(
      i, Level(op.level), [&](std::size_t s) __attribute__((always_inline)) {
        const Pair base = LoadPair(a + s);
        const Pair magnitude = Magnitude(base);
        Pair value = kExponent == 2 ? base * base : WithSign(Cube(magnitude), SignOf(base));
        const PairMask inBand = (magnitude > band.low) & (magnitude < band.high);
        if (!round15::All(inBand)) [[unlikely]] {
          for (int lane = 0; lane < 2; ++lane) {
            if (!inBand[lane]) value[lane] = PowerRaw(base[lane], kExponent);
          }
        }
        return value;
      });
}

void CompiledExpression::Run() {
  const int count = static_cast<int>(operations_.size());
  if (!divisions_.empty()) stops_.assign(width_, count);
  if (!valid_) {
    std::fill(values_.begin(), values_.begin() + static_cast<std::ptrdiff_t>(width_), NAN);
    return;
  }
  const Pair kUndefined = {NAN, NAN};
  for (int i = 0; i < count; ++i) {
    Operation& op = operations_[i];
    std::int64_t* sign = op.division >= 0
                             ? positive_.data() + static_cast<std::size_t>(op.division) * width_
                             : nullptr;
    switch (op.code) {
      case Code::Load: {
        double* out = Level(op.level);
        if (const double* b = Column(op.b)) {
          std::copy(b, b + width_, out);
        } else {
          std::fill(out, out + width_, op.b.value);
        }
        break;
      }
      case Code::Add:
        Pairwise(i, op, [](Pair a, Pair b, std::size_t) { return a + b; });
        break;
      case Code::Subtract:
        Pairwise(i, op, [](Pair a, Pair b, std::size_t) { return a - b; });
        break;
      case Code::Multiply:
        Pairwise(i, op, [](Pair a, Pair b, std::size_t) { return a * b; });
        break;
      case Code::Negate: {
        const double* b = Column(op.b);
        double* out = Level(op.level);
        for (std::size_t s = 0; s < width_; s += 2) StorePair(out + s, 0.0 - LoadPair(b + s));
        break;
      }
      case Code::Abs: {
        const double* b = Column(op.b);
        double* out = Level(op.level);
        for (std::size_t s = 0; s < width_; s += 2) StorePair(out + s, Magnitude(LoadPair(b + s)));
        break;
      }
      case Code::Divide:
        Pairwise(i, op, [sign, kUndefined](Pair a, Pair b, std::size_t s) {
          const PairMask positive = b > 0;
          std::memcpy(sign + s, &positive, sizeof positive);
          const PairMask zero = b == 0;
          return round15::Select(zero, kUndefined, a / b);
        });
        break;
      case Code::Power:
        if (op.a.source != Source::Constant && op.b.source == Source::Constant && op.b.value == 2) {
          PowerPairs<2>(i, op);
        } else if (op.a.source != Source::Constant && op.b.source == Source::Constant &&
                   op.b.value == 3) {
          PowerPairs<3>(i, op);
        } else {
          Scalar(i, op, [](double a, double b, std::size_t) { return PowerRaw(a, b); });
        }
        break;
      case Code::Root:
        Scalar(i, op, [](double a, double b, std::size_t) { return RootRaw(a, b); });
        break;
      case Code::Logarithm:
        Scalar(i, op, [&op, sign](double base, double argument, std::size_t s) {
          if (base != op.base) {  // the base is nearly always the same constant
            op.base = base;
            op.lnBase = std::log(base);
          }
          sign[s] = op.lnBase > 0 ? -1 : 0;
          return LogarithmRaw(base, op.lnBase, argument);
        });
        break;
      case Code::Arcsin:
        Scalar(i, op, [](double, double v, std::size_t) { return ArcsinRaw(v); });
        break;
      case Code::Arccos:
        Scalar(i, op, [](double, double v, std::size_t) { return ArccosRaw(v); });
        break;
      case Code::Cos:
        Scalar(i, op, [](double, double v, std::size_t) { return std::cos(v); });
        break;
      case Code::Sin:
        Scalar(i, op, [](double, double v, std::size_t) { return std::sin(v); });
        break;
      case Code::Arctg:
        Scalar(i, op, [](double, double v, std::size_t) { return std::atan(v); });
        break;
      case Code::Arccotg:
        Scalar(i, op, [](double, double v, std::size_t) { return ArccotgRaw(v); });
        break;
      case Code::Tg:
        Scalar(i, op, [sign](double, double v, std::size_t s) {
          double denominator, r = TgRaw(v, denominator);
          sign[s] = denominator > 0 ? -1 : 0;
          return r;
        });
        break;
      case Code::Cotg:
        Scalar(i, op, [sign](double, double v, std::size_t s) {
          double denominator, r = CotgRaw(v, denominator);
          sign[s] = denominator > 0 ? -1 : 0;
          return r;
        });
        break;
    }
  }
  // A variable that is no finite number stops the evaluation where the list first names it.
  if (!divisions_.empty() && firstX_ < count) {
    for (std::size_t s = 0; s < width_; ++s) {
      if (std::isnan(rx_[s])) stops_[s] = std::min(stops_[s], firstX_);
    }
  }
}

bool CompiledExpression::Defined(std::size_t s) const {
  return valid_ && !std::isnan(Value(s));
}

void CompiledExpression::RingSteps(std::size_t s, bool firstSample, bool& jump,
                                   SignRing& ring) const {
  // Each division-like operation before the stop was defined; the one at the stop (if it is
  // one) was met but undefined; later ones were not reached, and the ring is only turned past
  // them so that every slot stays with its own operation.
  const int stop = divisions_.empty() ? 0 : stops_[s];
  for (std::size_t k = 0; k < divisions_.size(); ++k) {
    int at = divisions_[k];
    if (at > stop) {
      RotateRing(ring);
      continue;
    }
    if (firstSample) AddRingSlot(ring);
    if (at < stop) {
      bool positive = positive_[k * width_ + s] != 0;
      if (!firstSample && ReadRingSlot(ring) != positive) jump = true;
      WriteRingSlot(ring, positive);
    }
    RotateRing(ring);
  }
  if (firstSample && !Defined(s)) InitRing(ring);
}

double CompiledExpression::Evaluate(double x, bool& defined, bool& jump, bool firstSample,
                                    SignRing& ring) {
  SetWidth(1);
  rx_.assign(width_, x);
  RoundTo15DigitsKeep(rx_.data(), width_);
  Run();
  RingSteps(0, firstSample, jump, ring);
  defined = Defined(0);
  return defined ? Value(0) : 0;
}

double CompiledExpression::Evaluate(double x, double y, bool& defined) {
  SetWidth(1);
  rx_.assign(width_, x);
  ry_.assign(width_, y);
  RoundTo15DigitsKeep(rx_.data(), width_);
  RoundTo15DigitsKeep(ry_.data(), width_);
  Run();
  defined = Defined(0);
  return defined ? Value(0) : 0;
}

std::vector<PlotSample> CompiledExpression::EvaluatePlot(std::span<const double> xs) {
  const std::size_t n = xs.size();
  std::vector<PlotSample> samples(n);
  if (n == 0) return samples;
  SetWidth(n);
  rx_.assign(xs.begin(), xs.end());
  rx_.resize(width_, xs.back());
  RoundTo15DigitsKeep(rx_.data(), width_);
  Run();
  std::size_t first = n;  // the first defined sample
  for (std::size_t s = 0; s < n; ++s) {
    PlotSample& sample = samples[s];
    sample.defined = Defined(s);
    sample.y = sample.defined ? Value(s) : 0;
    sample.jump = false;
    if (sample.defined && first == n) first = s;
  }
  // The ring as Evaluate keeps it, slot by slot: slot k is created by the first defined sample
  // and then compared wherever its operation was evaluated and defined.
  for (std::size_t k = 0; k < divisions_.size() && first < n; ++k) {
    const int at = divisions_[k];
    const std::int64_t* positive = positive_.data() + k * width_;
    std::int64_t last = positive[first];
    for (std::size_t s = first + 1; s < n; ++s) {
      if (at >= stops_[s]) continue;
      samples[s].jump |= positive[s] != last;
      last = positive[s];
    }
  }
  return samples;
}

void CompiledExpression::EvaluateGrid(
    std::span<const double> xs, std::span<const double> ys,
    const std::function<void(std::size_t, std::span<const double>)>& column) {
  if (ys.empty()) return;
  SetWidth(ys.size());
  ry_.assign(ys.begin(), ys.end());
  ry_.resize(width_, ys.back());
  RoundTo15DigitsKeep(ry_.data(), width_);
  std::vector<double> rxs(xs.begin(), xs.end());
  RoundTo15DigitsKeep(rxs.data(), rxs.size());
  for (std::size_t c = 0; c < xs.size(); ++c) {
    rx_.assign(width_, rxs[c]);
    Run();
    column(c, std::span<const double>(values_.data() + static_cast<std::size_t>(result_) * width_,
                                      ys.size()));
  }
}

double EvaluatePostfix(TokenList list, bool& Defined, bool& Jump, double x, bool FirstSample,
                       SignRing& ring) {
  CompiledExpression expression(std::move(list));
  return expression.Evaluate(x, Defined, Jump, FirstSample, ring);
}
