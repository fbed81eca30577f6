// The run of a column program, kLanes samples at a time. No include guard: unit_graf_columns.cpp
// includes this once per instruction set, inside that set's own namespace and with
// ZALMIRA_LANES set to its lane count, after every header this needs. Everything that takes or
// gives lanes lives here, so that each copy is compiled for its instruction set as a whole.

constexpr int kLanes = ZALMIRA_LANES;
using Lanes = double __attribute__((vector_size(8 * kLanes)));
using LaneBits = std::uint64_t __attribute__((vector_size(8 * kLanes)));
using LaneMask = std::int64_t __attribute__((vector_size(8 * kLanes)));

using columns::Code;
using columns::Operand;
using columns::Operation;
using columns::Program;
using columns::Source;

// ---- lanes --------------------------------------------------------------------------------------

inline Lanes Load(const double* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store(double* p, Lanes v) {
  std::memcpy(p, &v, sizeof v);
}
inline Lanes Broadcast(double v) {
  return Lanes{} + v;
}
inline Lanes Abs(Lanes v) {
  return reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(v) & ~round15::kSign);
}
inline Lanes SignOf(Lanes v) {
  return reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(v) & round15::kSign);
}
inline Lanes WithSign(Lanes magnitude, Lanes sign) {
  return reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(magnitude) |
                                 reinterpret_cast<LaneBits>(sign));
}
inline Lanes Select(LaneMask mask, Lanes yes, Lanes no) {
#if ZALMIRA_LANES == 4 && defined(__x86_64__)
  return reinterpret_cast<Lanes>(_mm256_blendv_pd(reinterpret_cast<__m256d>(no),
                                                  reinterpret_cast<__m256d>(yes),
                                                  reinterpret_cast<__m256d>(mask)));
#else
  return reinterpret_cast<Lanes>((reinterpret_cast<LaneBits>(yes) & mask) |
                                 (reinterpret_cast<LaneBits>(no) & ~mask));
#endif
}

inline bool All(LaneMask mask) {
#if ZALMIRA_LANES == 4 && defined(__x86_64__)
  return _mm256_movemask_pd(reinterpret_cast<__m256d>(mask)) == 15;
#elif ZALMIRA_LANES == 2 && defined(__SSE2__)
  return _mm_movemask_pd(reinterpret_cast<__m128d>(mask)) == 3;
#else
  for (int lane = 0; lane < kLanes; ++lane) {
    if (!mask[lane]) return false;
  }
  return true;
#endif
}

// The lanes' sign and exponent bits, as table indexes. Each lane is taken out without merging it
// into some register's old value (as movhlps would), which would chain every step to the one
// before.
inline void Exponents(Lanes value, std::uint64_t (&index)[kLanes]) {
#if ZALMIRA_LANES == 4 && defined(__x86_64__)
  const __m256i bits = _mm256_srli_epi64(reinterpret_cast<__m256i>(value), 52);
  const __m128i low = _mm256_castsi256_si128(bits), high = _mm256_extracti128_si256(bits, 1);
  index[0] = static_cast<std::uint64_t>(_mm_cvtsi128_si64(low));
  index[1] = static_cast<std::uint64_t>(_mm_extract_epi64(low, 1));
  index[2] = static_cast<std::uint64_t>(_mm_cvtsi128_si64(high));
  index[3] = static_cast<std::uint64_t>(_mm_extract_epi64(high, 1));
#elif ZALMIRA_LANES == 2 && defined(__SSE2__)
  const __m128i bits = reinterpret_cast<__m128i>(value);
  index[0] = static_cast<std::uint64_t>(_mm_cvtsi128_si64(bits)) >> 52;
  index[1] = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_shuffle_epi32(bits, 0xEE))) >> 52;
#else
  for (int lane = 0; lane < kLanes; ++lane) {
    index[lane] = reinterpret_cast<LaneBits>(value)[lane] >> 52;
  }
#endif
}

// ---- 15-digit rounding ---------------------------------------------------------------------

// round15::RoundFast for every lane at once, on the signed values: adding and taking away
// 1.5 * 2^52 rounds both signs to whole numbers, halves to the even one. Lanes that RoundFast
// does not cover come back clear in `fine`, with no meaningful result: through the NaN scales
// everything outside the window, zero, NaN and the infinities, and without a fused multiply-add
// also the ties.
[[gnu::always_inline]] inline Lanes RoundLanes(Lanes value, LaneMask& fine) {
  constexpr double kMagic = 6755399441055744.0;  // 1.5 * 2^52
  std::uint64_t index[kLanes];
  Exponents(value, index);
  Lanes lowerScale, upperScale;
#if ZALMIRA_LANES == 4
  lowerScale = Lanes{round15::kLaneScales.lower[index[0]], round15::kLaneScales.lower[index[1]],
                     round15::kLaneScales.lower[index[2]], round15::kLaneScales.lower[index[3]]};
  upperScale = Lanes{round15::kLaneScales.upper[index[0]], round15::kLaneScales.upper[index[1]],
                     round15::kLaneScales.upper[index[2]], round15::kLaneScales.upper[index[3]]};
#else
  lowerScale = Lanes{round15::kLaneScales.lower[index[0]], round15::kLaneScales.lower[index[1]]};
  upperScale = Lanes{round15::kLaneScales.upper[index[0]], round15::kLaneScales.upper[index[1]]};
#endif
  const Lanes lower = value * lowerScale, upper = value * upperScale;
  const LaneMask up = Abs(lower) >= round15::kFastMax;
  const Lanes scale = Select(up, upperScale, lowerScale);
  const Lanes scaled = Select(up, upper, lower);
  Lanes whole = (scaled + kMagic) - kMagic;
  const Lanes off = Abs(whole - scaled);
#if ZALMIRA_LANES == 4 && defined(__x86_64__)
  // A tie is settled here by the sign of the exact residual, which the fused multiply-add
  // gives; only NaN (from the NaN scales) is left over.
  const Lanes residual = reinterpret_cast<Lanes>(
      _mm256_fmsub_pd(reinterpret_cast<__m256d>(value), reinterpret_cast<__m256d>(scale),
                      reinterpret_cast<__m256d>(scaled)));
  const Lanes half = WithSign(Broadcast(0.5), SignOf(residual));
  whole = Select((off == 0.5) & (residual != 0), scaled + half, whole);
  fine = off <= 0.5;  // not NaN
#else
  fine = off < 0.5;  // not a half, nor NaN
#endif
  return whole / scale;
}

// The lanes not `fine` rounded one at a time, no finite number becoming NaN.
[[gnu::noinline]] Lanes RoundOtherLanes(Lanes value, Lanes rounded, LaneMask fine) {
  for (int lane = 0; lane < kLanes; ++lane) {
    if (!fine[lane]) rounded[lane] = round15::KeepOne(value[lane]);
  }
  return rounded;
}

// Fills out[0..n), n a multiple of kLanes, with the values that produce(i) gives for the lanes
// from i, rounded to 15 digits, NaN for no finite number. With kReport calls undefined(i) for
// every NaN result; every NaN comes through RoundOtherLanes, as NaN scales do.
template <bool kReport, class Produce, class Undefined>
[[gnu::always_inline]] inline void KeepLanes(double* out, std::size_t n, Produce produce,
                                             Undefined undefined) {
  for (std::size_t i = 0; i < n; i += kLanes) {
    const Lanes v = produce(i);
    LaneMask fine;
    Lanes r = RoundLanes(v, fine);
    if (!All(fine)) [[unlikely]] {
      r = RoundOtherLanes(v, r, fine);
      if constexpr (kReport) {
        for (int lane = 0; lane < kLanes; ++lane) {
          if (std::isnan(r[lane])) undefined(i + lane);
        }
      }
    }
    Store(out + i, r);
  }
}

void RoundKeep(double* values, std::size_t n) {
  const std::size_t whole = n - n % kLanes;
  auto load = [values](std::size_t i) __attribute__((always_inline)) {
    return Load(values + i);
  };
  KeepLanes<false>(values, whole, load, [](std::size_t) {});
  for (std::size_t i = whole; i < n; ++i) values[i] = round15::KeepOne(values[i]);
}

// ---- operations ---------------------------------------------------------------------------------

// Every operation gives its exact result rounded once by the hardware (the raw value), or NaN
// where it is undefined; a NaN operand always gives NaN, so that a sample that became undefined
// stays undefined. The 15-digit rounding follows.

// Powers and roots whose natural logarithm reaches this are undefined; below its negative they
// are 0.
constexpr double kLogLimit = 50;

// The exact product a * b as hi + lo: Dekker's product, which splits each factor into halves
// whose products are exact. It gives the same exact error as a fused multiply-add would, on
// every target; the engine is built without contraction, so no step is fused behind its back.
template <class T>
[[gnu::always_inline]] inline void TwoProduct(T a, T b, T& hi, T& lo) {
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  hi = a * b;
  T ca = kSplit * a, cb = kSplit * b;
  T ah = ca - (ca - a), al = a - ah;
  T bh = cb - (cb - b), bl = b - bh;
  lo = ((ah * bh - hi) + ah * bl + al * bh) + al * bl;
}

// m^3 as its exact square times m, with the errors of both products.
template <class T>
[[gnu::always_inline]] inline T Cube(T m) {
  T square, error, cube, cubeError;
  TwoProduct(m, m, square, error);
  TwoProduct(square, m, cube, cubeError);
  return cube + (cubeError + error * m);
}

// a^n for 4 <= n <= 16, carried in double-double so that the result is rounded once, about as
// exactly as pow() rounds it.
inline double IntPower(double a, int n) {
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
// The same with the degree's reciprocal and whether it counts as odd given, for a degree that
// stays the same over many samples.
inline double RootRaw(double n, double inverse, bool odd, double x) {
  if (std::isnan(n) || std::isnan(x)) return NAN;
  if (x < 0 && !odd) return NAN;
  double sign = x < 0 ? -1 : 1;
  if (x == 0 || n == 0) return 0;
  double magnitude = std::fabs(x);
  // For |n| >= 1, |ln|x| / n| < 50 holds whenever e^-50 < |x| < e^50.
  bool inBand = std::fabs(n) >= 1 && magnitude > 1.93e-22 && magnitude < 5.18e21;
  if (!inBand) {
    double l = std::log(magnitude) * inverse;
    if (l >= kLogLimit) return NAN;
    if (l < -kLogLimit) return 0;
  }
  return sign * std::pow(magnitude, inverse);
}
double RootRaw(double n, double x) {
  return RootRaw(n, 1 / n, IsOdd(RoundEven(n)), x);
}

// The logarithm of the argument to a base that is positive, not 1 and with a non-zero
// logarithm.
inline double LogarithmRaw(double base, double lnBase, double argument) {
  return argument > 0 && base > 0 && base != 1 && lnBase != 0 ? std::log(argument) / lnBase : NAN;
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
// tg and cotg, with the denominator whose sign the ring watches.
inline double TgRaw(double v, double& denominator) {
  denominator = std::cos(v);
  return denominator != 0 ? std::sin(v) / denominator : NAN;
}
inline double CotgRaw(double v, double& denominator) {
  denominator = std::sin(v);
  return denominator != 0 ? std::cos(v) / denominator : NAN;
}

double Apply(Code code, double a, double b) {
  double denominator;
  switch (code) {
    case Code::Load:
      return b;
    case Code::Add:
      return a + b;
    case Code::Subtract:
      return a - b;
    case Code::Negate:
      return 0.0 - b;
    case Code::Multiply:
      return a * b;
    case Code::Divide:
      return b != 0 ? a / b : NAN;
    case Code::Power:
      return PowerRaw(a, b);
    case Code::Root:
      return RootRaw(a, b);
    case Code::Logarithm:
      return LogarithmRaw(a, std::log(a), b);
    case Code::Arcsin:
      return ArcsinRaw(b);
    case Code::Cos:
      return std::cos(b);
    case Code::Arccos:
      return ArccosRaw(b);
    case Code::Tg:
      return TgRaw(b, denominator);
    case Code::Arctg:
      return std::atan(b);
    case Code::Cotg:
      return CotgRaw(b, denominator);
    case Code::Arccotg:
      return ArccotgRaw(b);
    case Code::Sin:
      return std::sin(b);
    case Code::Abs:
      return std::fabs(b);
  }
  return NAN;
}

// ---- the run ------------------------------------------------------------------------------------

// The operands of an operation on lanes: a column, or a constant that every sample shares.
struct ColumnIn {
  const double* p;
  Lanes At(std::size_t s) const { return Load(p + s); }
};
struct ConstantIn {
  Lanes v;
  Lanes At(std::size_t) const { return v; }
};
// The operand of an operation one sample at a time.
struct In {
  const double* p;  // nullptr: the constant
  double v;
  double operator[](std::size_t s) const { return p ? p[s] : v; }
};

class Runner {
 public:
  explicit Runner(Program& program)
      : p_(program), count_(static_cast<int>(program.operations.size())) {}

  void Run();

 private:
  const double* Column(const Operand& operand) const {
    switch (operand.source) {
      case Source::X:
        return p_.rx.data();
      case Source::Y:
        return p_.ry.data();
      case Source::Level:
        return Level(operand.level);
      case Source::Constant:
        break;
    }
    return nullptr;
  }
  double* Level(int level) const {
    return p_.values.data() + static_cast<std::size_t>(level) * p_.width;
  }
  std::int64_t* Signs(const Operation& op) const {
    return op.division >= 0 ? p_.positive.data() + static_cast<std::size_t>(op.division) * p_.width
                            : nullptr;
  }

  // Rounds what produce(s) gives for the lanes from s into out; a sample whose value is
  // undefined stops at operation i, where the ring needs to know.
  template <class Produce>
  [[gnu::always_inline]] void Rounded(int i, double* out, Produce produce) {
    if (p_.divisions.empty()) {
      KeepLanes<false>(out, p_.width, produce, [](std::size_t) {});
      return;
    }
    int* stops = p_.stops.data();
    const int count = count_;
    KeepLanes<true>(out, p_.width, produce, [=](std::size_t s) {
      if (stops[s] == count) stops[s] = i;
    });
  }

  // An operation on lanes: raw(a, b, s) gives the raw values of the lanes from s.
  template <class Raw>
  [[gnu::always_inline]] void OnLanes(int i, const Operation& op, Raw raw) {
    double* out = Level(op.level);
    auto run = [&](auto a, auto b) __attribute__((always_inline)) {
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
      run(ColumnIn{a}, ConstantIn{Broadcast(op.b.value)});
    } else if (b) {
      run(ConstantIn{Broadcast(op.a.value)}, ColumnIn{b});
    } else {
      run(ConstantIn{Broadcast(op.a.value)}, ConstantIn{Broadcast(op.b.value)});
    }
  }

  // An operation one sample at a time (the library's functions): raw(a, b, s) gives the raw
  // value.
  template <class Raw>
  [[gnu::always_inline]] void OneByOne(int i, const Operation& op, Raw raw) {
    double* out = Level(op.level);
    const In a{Column(op.a), op.a.value}, b{Column(op.b), op.b.value};
    for (std::size_t s = 0; s < p_.width; ++s) out[s] = raw(a[s], b[s], s);
    Rounded(
        i, out, [out](std::size_t s) __attribute__((always_inline)) { return Load(out + s); });
  }

  // A power with the constant exponent 2 or 3, on lanes where the base lies in the band that
  // needs no logarithm; PowerRaw for the rest.
  template <int kExponent>
  void PowerOnLanes(int i, const Operation& op) {
    const Band band = kIntPowerBand[kExponent];
    const double* a = Column(op.a);
    Rounded(
        i, Level(op.level), [&](std::size_t s) __attribute__((always_inline)) {
          const Lanes base = Load(a + s);
          const Lanes magnitude = Abs(base);
          Lanes value = kExponent == 2 ? base * base : WithSign(Cube(magnitude), SignOf(base));
          const LaneMask inBand = (magnitude > band.low) & (magnitude < band.high);
          if (!All(inBand)) [[unlikely]] {
            for (int lane = 0; lane < kLanes; ++lane) {
              if (!inBand[lane]) value[lane] = PowerRaw(base[lane], kExponent);
            }
          }
          return value;
        });
  }

  Program& p_;
  const int count_;
};

void Runner::Run() {
  const std::size_t width = p_.width;
  const Lanes kUndefined = Broadcast(NAN);
  for (int i = 0; i < count_; ++i) {
    Operation& op = p_.operations[i];
    std::int64_t* sign = Signs(op);
    switch (op.code) {
      case Code::Load: {
        double* out = Level(op.level);
        if (const double* b = Column(op.b)) {
          std::copy(b, b + width, out);
        } else {
          std::fill(out, out + width, op.b.value);
        }
        break;
      }
      case Code::Add:
        OnLanes(
            i, op,
            [](Lanes a, Lanes b, std::size_t) __attribute__((always_inline)) { return a + b; });
        break;
      case Code::Subtract:
        OnLanes(
            i, op,
            [](Lanes a, Lanes b, std::size_t) __attribute__((always_inline)) { return a - b; });
        break;
      case Code::Multiply:
        OnLanes(
            i, op,
            [](Lanes a, Lanes b, std::size_t) __attribute__((always_inline)) { return a * b; });
        break;
      case Code::Negate: {
        const double* b = Column(op.b);
        double* out = Level(op.level);
        for (std::size_t s = 0; s < width; s += kLanes) Store(out + s, 0.0 - Load(b + s));
        break;
      }
      case Code::Abs: {
        const double* b = Column(op.b);
        double* out = Level(op.level);
        for (std::size_t s = 0; s < width; s += kLanes) Store(out + s, Abs(Load(b + s)));
        break;
      }
      case Code::Divide:
        OnLanes(
            i, op,
            [ sign, kUndefined ](Lanes a, Lanes b, std::size_t s) __attribute__((always_inline)) {
              const LaneMask positive = b > 0;
              std::memcpy(sign + s, &positive, sizeof positive);
              return Select(b == 0, kUndefined, a / b);
            });
        break;
      case Code::Power:
        if (op.a.source != Source::Constant && op.b.source == Source::Constant && op.b.value == 2) {
          PowerOnLanes<2>(i, op);
        } else if (op.a.source != Source::Constant && op.b.source == Source::Constant &&
                   op.b.value == 3) {
          PowerOnLanes<3>(i, op);
        } else {
          OneByOne(i, op, [](double a, double b, std::size_t) { return PowerRaw(a, b); });
        }
        break;
      case Code::Root:
        if (op.a.source == Source::Constant) {
          const double n = op.a.value, inverse = 1 / n;
          const bool odd = IsOdd(RoundEven(n));
          OneByOne(i, op,
                   [=](double, double x, std::size_t) { return RootRaw(n, inverse, odd, x); });
        } else {
          OneByOne(i, op, [](double a, double b, std::size_t) { return RootRaw(a, b); });
        }
        break;
      case Code::Logarithm:
        OneByOne(i, op, [&op, sign](double base, double argument, std::size_t s) {
          if (base != op.base) {  // the base is nearly always the same constant
            op.base = base;
            op.lnBase = std::log(base);
          }
          sign[s] = op.lnBase > 0 ? -1 : 0;
          return LogarithmRaw(base, op.lnBase, argument);
        });
        break;
      case Code::Arcsin:
        OneByOne(i, op, [](double, double v, std::size_t) { return ArcsinRaw(v); });
        break;
      case Code::Arccos:
        OneByOne(i, op, [](double, double v, std::size_t) { return ArccosRaw(v); });
        break;
      case Code::Cos:
        OneByOne(i, op, [](double, double v, std::size_t) { return std::cos(v); });
        break;
      case Code::Sin:
        OneByOne(i, op, [](double, double v, std::size_t) { return std::sin(v); });
        break;
      case Code::Arctg:
        OneByOne(i, op, [](double, double v, std::size_t) { return std::atan(v); });
        break;
      case Code::Arccotg:
        OneByOne(i, op, [](double, double v, std::size_t) { return ArccotgRaw(v); });
        break;
      case Code::Tg:
      case Code::Cotg:
        OneByOne(i, op, [sign, cotg = op.code == Code::Cotg](double, double v, std::size_t s) {
          double denominator, r = cotg ? CotgRaw(v, denominator) : TgRaw(v, denominator);
          sign[s] = denominator > 0 ? -1 : 0;
          return r;
        });
        break;
    }
  }
}

void RunProgram(Program& program) {
  Runner(program).Run();
}
