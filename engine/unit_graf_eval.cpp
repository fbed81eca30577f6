#include "engine/unit_graf_eval.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/unit_graf_round.h"
#include "engine/unit_syntaxe.h"
#include "platform/sysutils.h"

// ---- sign ring ----------------------------------------------------------------------------------

void InitRing(SignRing& ring) {
  ring.slots_.clear();
  ring.front_ = 0;
}

void AddRingSlot(SignRing& ring) {
  // Inserting in front of the front slot keeps the circular order: after the operation's
  // RotateRing the new slot stands behind all older ones, so slot k stays with the k-th
  // division-like token however many of them the first sample meets.
  ring.slots_.insert(ring.slots_.begin() + static_cast<std::ptrdiff_t>(ring.front_), false);
}

void RotateRing(SignRing& ring) {
  if (ring.slots_.empty()) return;
  ring.front_ = (ring.front_ + 1) % ring.slots_.size();
}

bool ReadRingSlot(const SignRing& ring) {
  return !ring.slots_.empty() && ring.slots_[ring.front_];
}

void WriteRingSlot(SignRing& ring, bool positive) {
  if (!ring.slots_.empty()) ring.slots_[ring.front_] = positive;
}

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

bool IsOdd(double whole) {
  return std::fmod(whole, 2.0) != 0;
}

// A^B. Undefined: 0 to a negative power, a negative base with a fractional exponent, and a
// result whose logarithm reaches 50; below -50 the value is 0.
bool Power(double a, double b, double& result) {
  if (b < 0 && a == 0) return false;
  double rounded = RoundHalfEven(b);
  bool whole = b == rounded;
  double sign = a < 0 && whole && IsOdd(rounded) ? -1 : 1;
  double value;
  if (a == 0) {
    value = b == 0 ? 1 : 0;
  } else if (!whole && a < 0) {
    return false;
  } else {
    double magnitude = std::fabs(a);
    if (whole && b >= 1 && b <= kMaxIntPower && magnitude > kIntPowerBand[int(b)].low &&
        magnitude < kIntPowerBand[int(b)].high) {
      value = b == 1 ? magnitude : IntPower(magnitude, int(b));
    } else {
      double l = std::log(magnitude) * b;
      if (l >= kLogLimit) return false;
      value = l < -kLogLimit ? 0 : std::pow(magnitude, b);
    }
  }
  return Keep(sign * value, result);
}

// The n-th root of x (a odd root keeps the sign of x). Undefined: an even root (n rounded to a
// whole number) of a negative number, and a result whose logarithm reaches 50.
bool Root(double n, double x, double& result) {
  if (x < 0 && !IsOdd(RoundHalfEven(n))) return false;
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

// The sign-ring step of a division-like operation with denominator `d`, taken whether or not
// the operation is defined here; an undefined one leaves its slot as it was.
inline void RingStep(SignRing& ring, bool firstSample, bool definedHere, double d, bool& jump) {
  if (firstSample) AddRingSlot(ring);
  if (definedHere) {
    bool positive = d > 0;
    if (!firstSample && ReadRingSlot(ring) != positive) jump = true;
    WriteRingSlot(ring, positive);
  }
  RotateRing(ring);
}

}  // namespace

// ---- compiled expression ----------------------------------------------------------------------

CompiledExpression::CompiledExpression(TokenList list) {
  int depth = 0, maxDepth = 0;
  bool valid = true;
  while (valid && list.Exists() && list.First()->next) {
    std::string token = PopToken(list);
    Operation op{Code::Constant, 0, 0};
    switch (ClassifyToken(token)) {
      case TokenKind::Operand:
        if (token == "y") {
          valid = false;
        } else if (token == "a") {
          op.value = kE;
        } else if (token == "b") {
          op.value = kPi;
        } else if (token == "c") {
          op.code = Code::X;
        } else {
          op.value = StrToFloat(token);
        }
        ++depth;
        break;
      case TokenKind::Separator:
        continue;  // nothing to do at run time
      case TokenKind::Unary:
        valid = depth >= 1;
        switch (token[0]) {
          case 'g':
            op.code = Code::Arcsin;
            break;
          case 'h':
            op.code = Code::Cos;
            break;
          case 'i':
            op.code = Code::Arccos;
            break;
          case 'j':
            op.code = Code::Tg;
            ++divisionCount_;
            break;
          case 'k':
            op.code = Code::Arctg;
            break;
          case 'l':
            op.code = Code::Cotg;
            ++divisionCount_;
            break;
          case 'm':
            op.code = Code::Arccotg;
            break;
          case 'n':
            op.code = Code::Sin;
            break;
          default:
            op.code = Code::Abs;
            break;
        }
        break;
      case TokenKind::Binary:
        valid = depth >= 2;
        --depth;
        switch (token[0]) {
          case '+':
            op.code = Code::Add;
            break;
          case '-':
            op.code = Code::Subtract;
            break;
          case '*':
            op.code = Code::Multiply;
            break;
          case '/':
            op.code = Code::Divide;
            ++divisionCount_;
            break;
          case 'd':
            op.code = Code::Power;
            break;
          case 'f':
            op.code = Code::Logarithm;
            op.value = NAN;
            ++divisionCount_;
            break;
          default:
            op.code = Code::Root;
            break;
        }
        break;
      case TokenKind::Unknown:
        valid = false;
        break;
    }
    if (depth > maxDepth) maxDepth = depth;
    operations_.push_back(op);
  }
  valid_ = valid && depth == 1;
  if (!valid_) {
    operations_.clear();
    divisionCount_ = 0;
  }
  stack_.resize(static_cast<size_t>(maxDepth) + 1);
}

double CompiledExpression::Evaluate(double x, bool& defined, bool& jump, bool firstSample,
                                    SignRing& ring) {
  defined = valid_;
  double* end = stack_.data();     // one past the top value
  double rx = RoundTo15Digits(x);  // x as its text carries it
  int divisions = 0;               // division-like operations met so far
  for (Operation& op : operations_) {
    double b, v;
    switch (op.code) {
      case Code::Constant:
        *end++ = op.value;
        continue;
      case Code::X:
        *end++ = rx;
        defined = std::isfinite(rx);
        break;
      case Code::Add:
        b = *--end;
        defined = Keep(end[-1] + b, end[-1]);
        break;
      case Code::Subtract:
        b = *--end;
        defined = Keep(end[-1] - b, end[-1]);
        break;
      case Code::Multiply:
        b = *--end;
        defined = Keep(end[-1] * b, end[-1]);
        break;
      case Code::Divide:
        b = *--end;
        defined = b != 0 && Keep(end[-1] / b, end[-1]);
        RingStep(ring, firstSample, defined, b, jump);
        ++divisions;
        break;
      case Code::Power:
        b = *--end;
        defined = Power(end[-1], b, end[-1]);
        break;
      case Code::Root:
        b = *--end;
        defined = Root(end[-1], b, end[-1]);
        break;
      case Code::Logarithm: {
        b = *--end;
        double base = end[-1];
        defined = b > 0 && base > 0 && base != 1;
        double lnBase = 0;
        if (defined) {
          if (base != op.value) {  // the base is nearly always the same constant
            op.value = base;
            op.lnValue = std::log(base);
          }
          lnBase = op.lnValue;
          defined = lnBase != 0 && Keep(std::log(b) / lnBase, end[-1]);
        }
        RingStep(ring, firstSample, defined, lnBase, jump);
        ++divisions;
        break;
      }
      case Code::Arcsin:
        v = end[-1];
        defined = v >= -1 && v <= 1 && Keep(std::asin(v), end[-1]);
        break;
      case Code::Arccos:
        v = end[-1];
        defined = v >= -1 && v <= 1 && Keep(std::acos(v), end[-1]);
        break;
      case Code::Cos:
        defined = Keep(std::cos(end[-1]), end[-1]);
        break;
      case Code::Sin:
        defined = Keep(std::sin(end[-1]), end[-1]);
        break;
      case Code::Tg: {
        v = end[-1];
        double c = std::cos(v);
        defined = c != 0 && Keep(std::sin(v) / c, end[-1]);
        RingStep(ring, firstSample, defined, c, jump);
        ++divisions;
        break;
      }
      case Code::Cotg: {
        v = end[-1];
        double s = std::sin(v);
        defined = s != 0 && Keep(std::cos(v) / s, end[-1]);
        RingStep(ring, firstSample, defined, s, jump);
        ++divisions;
        break;
      }
      case Code::Arctg:
        defined = Keep(std::atan(end[-1]), end[-1]);
        break;
      case Code::Arccotg:
        v = end[-1];
        // Values in (0, pi): arctg(1/v), moved up by pi for negative v.
        defined = Keep(
            v == 0 ? std::numbers::pi / 2 : std::atan(1 / v) + (v < 0 ? std::numbers::pi : 0.0),
            end[-1]);
        break;
      case Code::Abs:
        end[-1] = std::fabs(end[-1]);
        continue;
    }
    if (!defined) break;
  }
  if (defined) return end[-1];
  if (firstSample) {
    InitRing(ring);
  } else {
    // Turn the ring past the operations not reached, so each slot stays with its own.
    for (int i = divisions; i < divisionCount_; ++i) RotateRing(ring);
  }
  return 0;
}

double EvaluatePostfix(TokenList list, bool& Defined, bool& Jump, double x, bool FirstSample,
                       SignRing& ring) {
  CompiledExpression expression(std::move(list));
  return expression.Evaluate(x, Defined, Jump, FirstSample, ring);
}
