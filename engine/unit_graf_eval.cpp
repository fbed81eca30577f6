#include "engine/unit_graf_eval.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "engine/unit_graf_round.h"
#include "engine/unit_syntaxe.h"
#include "platform/sysutils.h"

// ---- operations -------------------------------------------------------------------------------

enum class CompiledExpression::Code : unsigned char {
  Constant,
  X,
  Add,
  Subtract,
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
  Abs,
};

namespace {

// "a" is e as the text "2,718281828459"; "b" is pi as its 15-digit text "3,14159265358979".
constexpr double kE = 2.718281828459;
constexpr double kPi = 3.14159265358979;

// Powers and roots whose natural logarithm reaches this are undefined; below its negative they
// are 0.
constexpr double kLogLimit = 50;

// A result as the stack holds it: rounded to 15 significant digits; false when it is no finite
// number (an overflow, or a rounding beyond the largest double).
inline bool Keep(double result, double& slot) {
  slot = RoundTo15Digits(result);
  return std::isfinite(slot);
}

// The exact product a * b as hi + lo.
inline void TwoProduct(double a, double b, double& hi, double& lo) {
  hi = a * b;
#ifdef __FMA__
  lo = std::fma(a, b, -hi);
#else
  // Dekker's product: split each factor into halves whose products are exact.
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  double ca = kSplit * a, cb = kSplit * b;
  double ah = ca - (ca - a), al = a - ah;
  double bh = cb - (cb - b), bl = b - bh;
  lo = ((ah * bh - hi) + ah * bl + al * bh) + al * bl;
#endif
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

// A^B in general (PowerOp).
bool GeneralPower(double a, double b, double& result) {
  if (b < 0 && a == 0) return false;
  double rounded = RoundEven(b);
  bool whole = b == rounded;
  double sign = a < 0 && whole && IsOdd(rounded) ? -1 : 1;
  double value;
  if (a == 0) {
    value = b == 0 ? 1 : 0;
  } else if (!whole && a < 0) {
    return false;
  } else {
    double magnitude = std::fabs(a);
    double l = std::log(magnitude) * b;
    if (l >= kLogLimit) return false;
    value = l < -kLogLimit ? 0 : std::pow(magnitude, b);
  }
  return Keep(sign * value, result);
}

// A^B. Undefined: 0 to a negative power, a negative base with a fractional exponent, and a
// result whose logarithm reaches 50; below -50 the value is 0.
inline bool PowerOp(double a, double b, double& result) {
  // The common case inline: a small whole exponent and a base for which ln|a| * b is surely
  // inside (-50, 50), which needs no logarithm.
  if (b >= 1 && b <= kMaxIntPower) {
    int n = static_cast<int>(b);
    double magnitude = std::fabs(a);
    if (n == b && magnitude > kIntPowerBand[n].low && magnitude < kIntPowerBand[n].high) {
      double value;
      if (n <= 3) {
        // A square is one correctly rounded product; a cube its exact square times a.
        double square, error;
        TwoProduct(magnitude, magnitude, square, error);
        if (n == 1) {
          value = magnitude;
        } else if (n == 2) {
          value = square;
        } else {
          double cube, cubeError;
          TwoProduct(square, magnitude, cube, cubeError);
          value = cube + (cubeError + error * magnitude);
        }
      } else {
        value = IntPower(magnitude, n);
      }
      return Keep(a < 0 && (n & 1) ? -value : value, result);
    }
  }
  return GeneralPower(a, b, result);
}

// The n-th root of x (an odd root keeps the sign of x). Undefined: an even root (n rounded to a
// whole number) of a negative number, and a result whose logarithm reaches 50.
bool RootOp(double n, double x, double& result) {
  if (x < 0 && !IsOdd(RoundEven(n))) return false;
  double sign = x < 0 ? -1 : 1;
  if (x == 0 || n == 0) return Keep(0, result);
  double magnitude = std::fabs(x);
  // For |n| >= 1, |ln|x| / n| < 50 holds whenever e^-50 < |x| < e^50.
  bool inBand = std::fabs(n) >= 1 && magnitude > 1.93e-22 && magnitude < 5.18e21;
  if (!inBand) {
    double l = std::log(magnitude) * (1 / n);
    if (l >= kLogLimit) return false;
    if (l < -kLogLimit) return Keep(0, result);
  }
  return Keep(sign * std::pow(magnitude, 1 / n), result);
}

inline bool AddOp(double a, double b, double& r) {
  return Keep(a + b, r);
}
inline bool SubtractOp(double a, double b, double& r) {
  return Keep(a - b, r);
}
inline bool MultiplyOp(double a, double b, double& r) {
  return Keep(a * b, r);
}
inline bool ArcsinOp(double v, double& r) {
  return v >= -1 && v <= 1 && Keep(std::asin(v), r);
}
inline bool ArccosOp(double v, double& r) {
  return v >= -1 && v <= 1 && Keep(std::acos(v), r);
}
inline bool CosOp(double v, double& r) {
  return Keep(std::cos(v), r);
}
inline bool SinOp(double v, double& r) {
  return Keep(std::sin(v), r);
}
inline bool ArctgOp(double v, double& r) {
  return Keep(std::atan(v), r);
}
// Values in (0, pi): arctg(1/v), moved up by pi for negative v.
inline bool ArccotgOp(double v, double& r) {
  return Keep(v == 0 ? std::numbers::pi / 2 : std::atan(1 / v) + (v < 0 ? std::numbers::pi : 0.0),
              r);
}
inline bool AbsOp(double v, double& r) {
  return Keep(std::fabs(v), r);
}

}  // namespace

// ---- compiling
// ------------------------------------------------------------------------------------

bool CompiledExpression::Fold(Code code, double a, double b, double& result) {
  switch (code) {
    case Code::Add:
      return AddOp(a, b, result);
    case Code::Subtract:
      return SubtractOp(a, b, result);
    case Code::Multiply:
      return MultiplyOp(a, b, result);
    case Code::Power:
      return PowerOp(a, b, result);
    case Code::Root:
      return RootOp(a, b, result);
    case Code::Arcsin:
      return ArcsinOp(b, result);
    case Code::Arccos:
      return ArccosOp(b, result);
    case Code::Cos:
      return CosOp(b, result);
    case Code::Sin:
      return SinOp(b, result);
    case Code::Arctg:
      return ArctgOp(b, result);
    case Code::Arccotg:
      return ArccotgOp(b, result);
    case Code::Abs:
      return AbsOp(b, result);
    default:
      return false;  // the division-like ones keep their ring slots
  }
}

CompiledExpression::CompiledExpression(TokenList list) {
  // The values on the stack while compiling: where the operations that compute each begin,
  // and whether it is a constant. Every other value is a 15-digit value already; a number as
  // written may have more digits.
  struct Entry {
    size_t first;
    bool constant;
    double value;
  };
  std::vector<Entry> stack;
  // Drops the operation at `at`, a lone constant below the top value.
  auto eraseConstant = [&](size_t at) {
    operations_.erase(operations_.begin() + static_cast<std::ptrdiff_t>(at));
    for (int& d : divisions_) d -= d > static_cast<int>(at);
  };

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

  bool valid = true;
  while (valid && list.Exists() && list.First()->next) {
    std::string token = PopToken(list);
    Operation op{Code::Constant, 0, 0};
    int operands = 0;
    bool division = false;
    switch (ClassifyToken(token)) {
      case TokenKind::Operand:
        if (token == "y") {
          valid = false;  // the two-variable variant's
        } else if (token == "a") {
          op.value = kE;
        } else if (token == "b") {
          op.value = kPi;
        } else if (token == "c") {
          op.code = Code::X;
        } else {
          op.value = StrToFloat(token);
        }
        break;
      case TokenKind::Separator:
        continue;  // nothing to do at run time
      case TokenKind::Unary:
      case TokenKind::Binary: {
        operands = ClassifyToken(token) == TokenKind::Unary ? 1 : 2;
        const Letter* letter = std::find_if(std::begin(kLetters), std::end(kLetters),
                                            [&](const Letter& l) { return l.token == token[0]; });
        op.code = letter->code;
        division = letter->division;
        if (op.code == Code::Logarithm) op.value = NAN;  // no base seen yet
        break;
      }
      case TokenKind::Unknown:
        valid = false;
        break;
    }
    if (!valid || stack.size() < static_cast<size_t>(operands)) {
      valid = false;
      break;
    }

    if (operands == 0) {
      stack.push_back({operations_.size(), op.code == Code::Constant, op.value});
      operations_.push_back(op);
      continue;
    }
    Entry b = stack.back();
    if (operands == 2) stack.pop_back();
    Entry& a = stack.back();  // the result's entry (the operand itself for one operand)
    double result;
    // Constants are folded: the same operation on the same values, once instead of per sample.
    if (!division && b.constant && (operands == 1 || a.constant) &&
        Fold(op.code, a.value, b.value, result)) {
      if (operands == 2) operations_.pop_back();
      operations_.back().value = result;
      a = {a.first, true, result};
      continue;
    }
    // 1 * v, v * 1, v + 0, 0 + v and v - 0 are v itself for a v that is no constant (two
    // constants have been folded above).
    if (operands == 2) {
      bool identityRight = b.constant && !a.constant &&
                           ((op.code == Code::Multiply && b.value == 1) ||
                            ((op.code == Code::Add || op.code == Code::Subtract) && b.value == 0));
      bool identityLeft =
          a.constant && !b.constant &&
          ((op.code == Code::Multiply && a.value == 1) || (op.code == Code::Add && a.value == 0));
      if (identityRight) {
        operations_.pop_back();
        continue;
      }
      if (identityLeft) {
        eraseConstant(a.first);
        a = {a.first, false, 0};
        continue;
      }
    }
    if (division) divisions_.push_back(static_cast<int>(operations_.size()));
    operations_.push_back(op);
    a = {a.first, false, 0};
  }
  valid_ = valid && stack.size() == 1;
  if (!valid_) {
    operations_.clear();
    divisions_.clear();
  }
  int depth = 0;
  for (const Operation& op : operations_) {
    switch (op.code) {
      case Code::Constant:
      case Code::X:
        maxDepth_ = std::max(maxDepth_, ++depth);
        break;
      case Code::Add:
      case Code::Subtract:
      case Code::Multiply:
      case Code::Divide:
      case Code::Power:
      case Code::Root:
      case Code::Logarithm:
        --depth;
        break;
      default:
        break;
    }
  }
}

// ---- evaluating
// -----------------------------------------------------------------------------------

void CompiledExpression::Run(const double* x, size_t n) {
  const int count = static_cast<int>(operations_.size());
  values_.resize(static_cast<size_t>(maxDepth_ + 1) * n);
  stops_.assign(n, valid_ ? count : 0);
  positive_.resize(divisions_.size() * n + 1);
  size_t live = valid_ ? n : 0;
  // x as its text carries it, once per sample however often the list names it.
  rx_.resize(n);
  for (size_t s = 0; s < n; ++s) rx_[s] = RoundTo15Digits(x[s]);
  size_t depth = 0;                        // values on the stack, each n samples wide
  unsigned char* sign = positive_.data();  // the signs of the next division-like operation

  // Applies `step` (sample -> defined) to every sample still defined; a sample that becomes
  // undefined stops at operation i and is left alone from then on.
  auto forLive = [&](int i, auto step) {
    for (size_t s = 0; s < n; ++s) {
      if (stops_[s] == count && !step(s)) {
        stops_[s] = i;
        --live;
      }
    }
  };

  for (int i = 0; i < count && live > 0; ++i) {
    Operation& op = operations_[i];
    double* top = values_.data() + depth * n;                       // the next free level
    double* b = values_.data() + (depth >= 1 ? depth - 1 : 0) * n;  // the top value
    double* a = values_.data() + (depth >= 2 ? depth - 2 : 0) * n;  // the value below it
    switch (op.code) {
      case Code::Constant:
        std::fill(top, top + n, op.value);
        ++depth;
        break;
      case Code::X:
        forLive(i, [&](size_t s) {
          top[s] = rx_[s];
          return std::isfinite(top[s]);
        });
        ++depth;
        break;
      case Code::Add:
        forLive(i, [&](size_t s) { return AddOp(a[s], b[s], a[s]); });
        --depth;
        break;
      case Code::Subtract:
        forLive(i, [&](size_t s) { return SubtractOp(a[s], b[s], a[s]); });
        --depth;
        break;
      case Code::Multiply:
        forLive(i, [&](size_t s) { return MultiplyOp(a[s], b[s], a[s]); });
        --depth;
        break;
      case Code::Divide:
        forLive(i, [&](size_t s) {
          sign[s] = b[s] > 0;
          return b[s] != 0 && Keep(a[s] / b[s], a[s]);
        });
        sign += n;
        --depth;
        break;
      case Code::Power:
        forLive(i, [&](size_t s) { return PowerOp(a[s], b[s], a[s]); });
        --depth;
        break;
      case Code::Root:
        forLive(i, [&](size_t s) { return RootOp(a[s], b[s], a[s]); });
        --depth;
        break;
      case Code::Logarithm:
        forLive(i, [&](size_t s) {
          double base = a[s], argument = b[s];
          if (!(argument > 0 && base > 0 && base != 1)) return false;
          if (base != op.value) {  // the base is nearly always the same constant
            op.value = base;
            op.lnValue = std::log(base);
          }
          sign[s] = op.lnValue > 0;
          return op.lnValue != 0 && Keep(std::log(argument) / op.lnValue, a[s]);
        });
        sign += n;
        --depth;
        break;
      case Code::Arcsin:
        forLive(i, [&](size_t s) { return ArcsinOp(b[s], b[s]); });
        break;
      case Code::Arccos:
        forLive(i, [&](size_t s) { return ArccosOp(b[s], b[s]); });
        break;
      case Code::Cos:
        forLive(i, [&](size_t s) { return CosOp(b[s], b[s]); });
        break;
      case Code::Sin:
        forLive(i, [&](size_t s) { return SinOp(b[s], b[s]); });
        break;
      case Code::Tg:
        forLive(i, [&](size_t s) {
          double v = b[s], c = std::cos(v);
          sign[s] = c > 0;
          return c != 0 && Keep(std::sin(v) / c, b[s]);
        });
        sign += n;
        break;
      case Code::Cotg:
        forLive(i, [&](size_t s) {
          double v = b[s], sine = std::sin(v);
          sign[s] = sine > 0;
          return sine != 0 && Keep(std::cos(v) / sine, b[s]);
        });
        sign += n;
        break;
      case Code::Arctg:
        forLive(i, [&](size_t s) { return ArctgOp(b[s], b[s]); });
        break;
      case Code::Arccotg:
        forLive(i, [&](size_t s) { return ArccotgOp(b[s], b[s]); });
        break;
      case Code::Abs:
        // A constant operand has been folded, so this one is a 15-digit value already.
        for (size_t s = 0; s < n; ++s) b[s] = std::fabs(b[s]);
        break;
    }
  }
}

bool CompiledExpression::Defined(size_t s) const {
  return valid_ && stops_[s] == static_cast<int>(operations_.size());
}

void CompiledExpression::RingSteps(size_t s, size_t n, bool firstSample, bool& jump,
                                   SignRing& ring) const {
  // Each division-like operation before the stop was defined; the one at the stop (if it is
  // one) was met but undefined; later ones were not reached, and the ring is only turned past
  // them so that every slot stays with its own operation.
  const int stop = stops_[s];
  for (size_t k = 0; k < divisions_.size(); ++k) {
    int at = divisions_[k];
    if (at > stop) {
      RotateRing(ring);
      continue;
    }
    if (firstSample) AddRingSlot(ring);
    if (at < stop) {
      bool positive = positive_[k * n + s] != 0;
      if (!firstSample && ReadRingSlot(ring) != positive) jump = true;
      WriteRingSlot(ring, positive);
    }
    RotateRing(ring);
  }
  if (firstSample && !Defined(s)) InitRing(ring);
}

double CompiledExpression::Evaluate(double x, bool& defined, bool& jump, bool firstSample,
                                    SignRing& ring) {
  Run(&x, 1);
  RingSteps(0, 1, firstSample, jump, ring);
  defined = Defined(0);
  return defined ? values_[0] : 0;
}

std::vector<PlotSample> CompiledExpression::EvaluatePlot(std::span<const double> xs) {
  const size_t n = xs.size();
  Run(xs.data(), n);
  std::vector<PlotSample> samples(n);
  SignRing ring;
  bool firstSample = true;
  for (size_t s = 0; s < n; ++s) {
    PlotSample& sample = samples[s];
    sample.jump = false;
    if (!divisions_.empty() || firstSample) RingSteps(s, n, firstSample, sample.jump, ring);
    sample.defined = Defined(s);
    sample.y = sample.defined ? values_[s] : 0;
    if (firstSample && sample.defined) firstSample = false;
  }
  return samples;
}

double EvaluatePostfix(TokenList list, bool& Defined, bool& Jump, double x, bool FirstSample,
                       SignRing& ring) {
  CompiledExpression expression(std::move(list));
  return expression.Evaluate(x, Defined, Jump, FirstSample, ring);
}
