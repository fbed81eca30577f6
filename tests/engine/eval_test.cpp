#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"
#include "lane_widths.h"
#include "platform/sysutils.h"
#include "token_text.h"

namespace {

constexpr double kUndefined = NAN;  // marks an expected undefined value in the tables

TokenList Parse(const std::string& text) {
  TokenList list;
  EXPECT_TRUE(ParseExpression(text, list)) << text;
  return list;
}

// The value of a list as the first sample of a plot; nullopt where it is undefined.
std::optional<double> ValueOf(TokenList list, double x) {
  SignRing ring;
  bool defined = false, jump = false;
  double v = EvaluatePostfix(std::move(list), defined, jump, x, true, ring);
  if (!defined) return std::nullopt;
  return v;
}

struct Case {
  const char* text;
  double x;
  double expected;  // kUndefined: undefined
};

void ExpectValues(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    std::optional<double> v = ValueOf(Parse(c.text), c.x);
    if (std::isnan(c.expected)) {
      EXPECT_FALSE(v.has_value()) << c.text << " at " << c.x << " gives " << v.value_or(0);
    } else {
      ASSERT_TRUE(v.has_value()) << c.text << " at " << c.x;
      EXPECT_EQ(*v, c.expected) << c.text << " at " << c.x;
    }
  }
}

// A value rounded as the evaluator keeps it.
double R(double v) {
  return RoundTripText(v);
}

std::vector<double> Columns(double from, double to, double step) {
  std::vector<double> xs;
  for (int i = 0; from + i * step <= to + 1e-9; ++i) xs.push_back(from + i * step);
  return xs;
}

}  // namespace

TEST(EvaluatePostfix, Powers) {
  ExpectValues({
      {"0^0", 0, 1},
      {"0^2", 0, 0},
      {"0^(-1)", 0, kUndefined},
      {"(-2)^3", 0, -8},
      {"(-2)^2", 0, 4},
      {"(-2)^(-1)", 0, -0.5},
      {"(-2)^49", 0, -562949953421312},
      {"(-8)^(1/3)", 0, kUndefined},  // a negative base with a fractional exponent
      {"x^0,5", 4, 2},
      {"10^60", 0, kUndefined},  // its logarithm reaches 50
      {"10^(-60)", 0, 0},        // below -50: 0, not an underflow
      {"x^3", 1e8, kUndefined},
      {"x^3", -1e-8, 0},
      {"x^16", 1.1, 4.59497298635722},
      {"2^3^2", 0, 64},
  });
}

TEST(EvaluatePostfix, Roots) {
  ExpectValues({
      {"odm(3;-8)", 0, -2},
      {"odm(2;-4)", 0, kUndefined},
      {"odm(2;0)", 0, 0},
      {"odm(0;5)", 0, 0},
      {"odm(2;16)", 0, 4},
      {"odm(x;-8)", -3, -0.5},
      // The degree counts as even or odd once rounded, halves to the even neighbour.
      {"odm(2,5;-4)", 0, kUndefined},
      {"odm(3,5;-4)", 0, kUndefined},
      {"odm(1,5;-4)", 0, kUndefined},
      {"odm(3,3;-8)", 0, R(-std::pow(8, 1 / 3.3))},
      {"odm(0,01;10)", 0, kUndefined},  // 10^100
      {"odm(0,01;0,1)", 0, 0},
  });
}

TEST(EvaluatePostfix, LogarithmsAndConstants) {
  ExpectValues({
      {"log(1;5)", 0, kUndefined},
      {"log(-2;5)", 0, kUndefined},
      {"log(10;0)", 0, kUndefined},
      {"log(x)", -1, kUndefined},
      {"log(x)", 1000, 3},
      {"log(2;8)", 0, 3},
      {"log(0,5;x+3)-1", 1, -3},
      {"ln(x)", 1, 0},
      {"ln(e)", 0, 1},
      {"e", 0, 2.718281828459},  // e is the text "2,718281828459", not the double nearest e
      {"ln(x)", std::numbers::e, R(std::log(R(std::numbers::e)) / std::log(2.718281828459))},
      {"pi", 0, 3.14159265358979},
  });
}

// A base or a degree written as an expression is taken whole.
TEST(EvaluatePostfix, ArgumentsWrittenAsExpressionsAreTakenWhole) {
  ExpectValues({
      {"log(0,5;x)", 4, -2},
      {"log(1/2;x)", 4, -2},
      {"log(1/3;x)", 9, -2},
      {"log(2^3;x)", 64, 2},
      {"log(x+1;8)", 1, 3},
      {"log(log(100)+1;x)", 9, 2},
      {"log(-2;x)", 4, kUndefined},
      {"odm(1+1;x)", 9, 3},
      {"odm(2*2-1;x)", -8, -2},
  });
}

TEST(EvaluatePostfix, AngleFunctions) {
  const double pi = std::numbers::pi;
  ExpectValues({
      {"arccotg(x)", 0, R(pi / 2)},
      {"arccotg(x)", -1, R(3 * pi / 4)},
      {"arccotg(x)", 1, R(pi / 4)},
      {"arcsin(x)", -1, R(-pi / 2)},
      {"arcsin(x)", 1.5, kUndefined},
      {"arccos(x)", -1.5, kUndefined},
      {"arccos(x)", 1, 0},
      {"arctg(x)", 1, R(pi / 4)},
      {"sin(x)", 1, R(std::sin(1))},
      {"cos(x)", 1, R(std::cos(1))},
      {"tg(x)", 1, R(std::sin(1) / std::cos(1))},
      {"tg(x)", 0, 0},
      {"cotg(x)", 0, kUndefined},
      {"1*sin(1*x+0*3,14159)+0", 1, R(std::sin(1))},
  });
}

TEST(EvaluatePostfix, RoundsEveryIntermediateResultTo15Digits) {
  ExpectValues({
      {"0,1+0,2", 0, 0.3},
      {"1/3*3", 0, 0.999999999999999},  // 1/3 is kept as 0,333333333333333
      {"x", 0.1 + 0.2, 0.3},
      {"x-0,3", 0.1 + 0.2, 0},
      {"1-2-3", 0, -4},
      {"abs(x-1)/x", -1, -2},
      {"1/odm(1;x^(abs(-1)))", 2, 0.5},
      {"((0)*x+1)/((1)*x+0)", 4, 0.25},
  });
}

TEST(EvaluatePostfix, UndefinedOnDivisionByZeroAndOverflow) {
  ExpectValues({
      {"1/0", 0, kUndefined},
      {"x/x", 0, kUndefined},
      {"x*x", 1e200, kUndefined},
      {"x+x", 1.5e308, kUndefined},
      {"x/0,5", 1.5e308, kUndefined},
      {"x", DBL_MAX, kUndefined},  // its 15-digit text lies beyond the double range
  });
}

TEST(EvaluatePostfix, ListsThatCannotBeEvaluatedAreUndefined) {
  for (const char* tokens : {"", "c +", "c bb ;", "n c", "2 c", "c y +"}) {
    EXPECT_FALSE(ValueOf(ListOf(tokens), 1).has_value()) << tokens;
  }
}

// ---- against the rules on texts -----------------------------------------------------------------

namespace {

// What a division-like token did in one evaluation, in token order: those not reached are
// missing.
struct DivisionStep {
  bool defined;
  bool positive;  // its denominator's sign, where defined
};

// The evaluator as its rules read, with every value kept as its 15-digit text; "y" pushes y.
std::optional<double> EvaluateOnTexts(TokenList list, double x, double y = 0,
                                      std::vector<DivisionStep>* divisions = nullptr) {
  auto step = [&](bool defined, bool positive) {
    if (divisions) divisions->push_back({defined, positive});
    return defined;
  };
  std::vector<std::string> stack;
  auto pop = [&] {
    double v = StrToFloat(stack.back());
    stack.pop_back();
    return v;
  };
  auto push = [&](double v) {
    double back;
    std::string text = FloatToStr(v);
    if (!TryStrToFloat(text, back)) return false;  // no finite number
    stack.push_back(text);
    return true;
  };
  const double pi = std::numbers::pi;
  while (list.First()->next) {
    std::string t = PopToken(list);
    bool defined = true;
    if (t == "a") {
      stack.push_back("2,718281828459");
    } else if (t == "b") {
      stack.push_back(FloatToStr(pi));
    } else if (t == "c") {
      defined = push(x);
    } else if (t == "y") {
      defined = push(y);
    } else if (t == ";") {
    } else if (t.size() == 1 && std::string_view("+-*/dfo").find(t[0]) != std::string::npos) {
      double b = pop(), a = pop();
      switch (t[0]) {
        case '+':
          defined = push(a + b);
          break;
        case '-':
          defined = push(a - b);
          break;
        case '*':
          defined = push(a * b);
          break;
        case '/':
          defined = step(b != 0 && push(a / b), b > 0);
          break;
        case 'f':
          defined =
              step(b > 0 && a > 0 && a != 1 && std::log(a) != 0 && push(std::log(b) / std::log(a)),
                   std::log(a) > 0);
          break;
        case 'd': {
          if (b < 0 && a == 0) return std::nullopt;
          double sign =
              a < 0 && b == RoundHalfEven(b) && std::fmod(RoundHalfEven(b), 2) != 0 ? -1 : 1;
          double value;
          if (a == 0) {
            value = b == 0 ? 1 : 0;
          } else {
            if (Frac(b) != 0 && a < 0) return std::nullopt;
            double l = std::log(std::fabs(a)) * b;
            if (l >= 50) return std::nullopt;
            value = l < -50 ? 0 : std::pow(std::fabs(a), b);
          }
          defined = push(sign * value);
          break;
        }
        default: {  // "o": a the degree, b the radicand
          if (std::fmod(RoundHalfEven(a), 2) == 0 && b < 0) return std::nullopt;
          double sign = b < 0 ? -1 : 1, value;
          if (b == 0 || a == 0) {
            value = 0;
          } else {
            double l = std::log(std::fabs(b)) * (1 / a);
            if (l >= 50) return std::nullopt;
            value = l < -50 ? 0 : sign * std::pow(std::fabs(b), 1 / a);
          }
          defined = push(value);
        }
      }
    } else if (t.size() == 1 && t[0] >= 'g' && t[0] <= 'p') {
      double v = pop();
      switch (t[0]) {
        case 'g':
          defined = v >= -1 && v <= 1 && push(std::asin(v));
          break;
        case 'i':
          defined = v >= -1 && v <= 1 && push(std::acos(v));
          break;
        case 'k':
          defined = push(std::atan(v));
          break;
        case 'm':
          defined = push(v == 0 ? pi / 2 : std::atan(1 / v) + (v < 0 ? pi : 0));
          break;
        case 'h':
          defined = push(std::cos(v));
          break;
        case 'n':
          defined = push(std::sin(v));
          break;
        case 'j':
          defined = step(std::cos(v) != 0 && push(std::sin(v) / std::cos(v)), std::cos(v) > 0);
          break;
        case 'l':
          defined = step(std::sin(v) != 0 && push(std::cos(v) / std::sin(v)), std::sin(v) > 0);
          break;
        default:
          defined = push(std::fabs(v));
          break;
      }
    } else {
      stack.push_back(t);  // a number, pushed unchanged
    }
    if (!defined) return std::nullopt;
  }
  return StrToFloat(stack.back());
}

// Checks a plot of the text at xs against the rules on texts, on either lane width: every value
// bit for bit, the undefined samples and the jumps, where the ring's slot k belongs to the k-th
// division-like token, is set by the first defined sample and compared wherever its token is
// evaluated and defined. The plot is checked as EvaluatePlot computes it and as single
// evaluations of fresh copies give it. False after the first difference.
bool ExpectTheRules(const std::string& text, const std::vector<double>& xs) {
  TokenList list;
  if (!ParseExpression(text, list)) return true;  // nothing to evaluate
  for (bool wide : kLaneWidths) {
    LaneWidth lanes(wide);
    CompiledExpression expression(CopyTokenList(list));
    std::span<const PlotSample> plot = expression.EvaluatePlot(xs);
    SignRing ring;
    bool first = true;
    std::vector<bool> last;  // the reference ring
    for (size_t s = 0; s < xs.size(); ++s) {
      const double x = xs[s];
      std::vector<DivisionStep> steps;
      std::optional<double> rules = EvaluateOnTexts(CopyTokenList(list), x, 0, &steps);
      bool jump = false;
      if (last.empty()) {
        if (rules) {
          for (const DivisionStep& d : steps) last.push_back(d.positive);
        }
      } else {
        for (size_t k = 0; k < steps.size(); ++k) {
          if (!steps[k].defined) continue;
          jump |= steps[k].positive != last[k];
          last[k] = steps[k].positive;
        }
      }
      bool defined, singleJump = false;
      double single = EvaluatePostfix(CopyTokenList(list), defined, singleJump, x, first, ring);
      if (first && defined) first = false;
      const std::string where = text + " at " + std::to_string(x) + " on " + LaneWidth::Name(wide);
      EXPECT_EQ(plot[s].defined, rules.has_value()) << where;
      EXPECT_EQ(defined, rules.has_value()) << where;
      if (rules && plot[s].defined && defined) {
        EXPECT_EQ(plot[s].y, *rules) << where;
        EXPECT_EQ(single, *rules) << where;
      }
      EXPECT_EQ(plot[s].jump, jump) << where;
      EXPECT_EQ(singleJump, jump) << where;
      if (::testing::Test::HasFailure()) return false;
    }
  }
  return true;
}

}  // namespace

TEST(EvaluatePostfix, GivesWhatTheRulesGiveOnTexts) {
  std::vector<double> xs = Columns(-8, 8, 0.05);
  for (double x : {1e-9, -3e-12, 123456.789, 1e20, 0.1 + 0.2, 0.0, 1.0, DBL_MAX}) xs.push_back(x);
  for (const char* text :
       {"2x+1", "-0,5*x^2+2,25*x-1", "x^3-2*x^2+x-1", "1*sin(2*x+0,5*3,14159)+1",
        "((0)*x+1)/((1)*x+0)", "1/odm(1;x^(abs(-1)))", "log(0,5;x+3)-1", "abs(x-1)/x",
        // constants and the operations that leave a 15-digit value as it is
        "0+x*1-0", "1*x+0", "0+abs(x)", "abs(0,12345678901234567)+x", "0,12345678901234567*1",
        "1*0,12345678901234567", "0+0,12345678901234567", "0,12345678901234567-0",
        "x*(2+3)*odm(2;16)", "sin(2)*x", "abs(-2,5)*x", "0*x", "10^60*x", "x+10^(-60)", "-x",
        "-(x^2)", "0,12345678901234567", "x", "1*sin(x)", "1/2+x", "1/x+1/(x-1)",
        // every function
        "2^x", "e^x", "ln(x)", "log(x)", "log(x;5)", "odm(3;x)", "odm(x;8)", "x^0,5", "(-2)^x",
        "x^(-2)", "arccotg(x)", "arcsin(x/8)", "arccos(x/8)", "tg(x)", "cotg(x)", "arctg(x)",
        "pi*x", "(x^2+1)/(x^2-1)", "sin(x)^2+cos(x)^2", "0,1*x+0,2", "x^17", "x^4/x^3",
        "(x*100000000)^2", "(x/100000000)^3", "x^2*10^20", "log(x)+1/(x-1)"}) {
    if (!ExpectTheRules(text, xs)) break;
  }
}

namespace {

// Random texts of the expression language, most of them valid: nested operators and functions
// of x and of numbers with up to 17 digits.
class RandomExpressions {
 public:
  explicit RandomExpressions(std::uint64_t seed) : random_(seed) {}

  std::string Next() { return Make(Integer(1, 4)); }

 private:
  int Integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <size_t n>
  const char* Pick(const char* const (&texts)[n]) {
    return texts[Integer(0, n - 1)];
  }

  std::string Number() {
    static constexpr const char* kNumbers[] = {
        "0",     "1",    "2",          "3",  "10", "0,5", "2.5",
        "0,001", "7,25", "123456,789", "pi", "e",  "0,1", "0,12345678901234567"};
    return Pick(kNumbers);
  }

  std::string Make(int depth) {
    if (depth <= 0) return Integer(0, 1) ? "x" : Number();
    static constexpr const char* kOperators[] = {"+", "-", "*", "/", "^"};
    static constexpr const char* kFunctions[] = {"sin(",    "cos(",    "tg(",    "cotg(",
                                                 "arcsin(", "arccos(", "arctg(", "arccotg(",
                                                 "abs(",    "ln(",     "log("};
    switch (Integer(0, 9)) {
      case 0:
        return "x";
      case 1:
        return Number();
      case 2:
      case 3:
      case 4:
        return "(" + Make(depth - 1) + ")" + Pick(kOperators) + "(" + Make(depth - 1) + ")";
      case 5:
        return Make(depth - 1) + Pick(kOperators) + Make(depth - 1);  // the parser's precedence
      case 6:
        return Pick(kFunctions) + Make(depth - 1) + ")";
      case 7:
        return std::string(Integer(0, 1) ? "log(" : "odm(") + Make(depth - 1) + ";" +
               Make(depth - 1) + ")";
      case 8:
        return "(-" + Make(depth - 1) + ")";
      default:
        return std::string(Integer(0, 1) ? "2" : "0,25") + "x";  // the implicit product
    }
  }

  std::mt19937_64 random_;
};

}  // namespace

TEST(EvaluatePostfix, GivesWhatTheRulesGiveOnTextsForRandomExpressions) {
  std::vector<double> xs = Columns(-8, 8, 0.05);
  for (double x : {-1e-9, 1e5, 0.0, 1.0}) xs.push_back(x);
  RandomExpressions expressions(7);
  int valid = 0;
  for (int i = 0; i < 600; ++i) {
    std::string text = expressions.Next();
    TokenList list;
    valid += ParseExpression(text, list);
    if (!ExpectTheRules(text, xs)) break;
  }
  EXPECT_GT(valid, 400);  // the generator writes mostly valid texts
}

// ---- sign ring ----------------------------------------------------------------------------------

namespace {

struct Sample {
  double x;
  bool defined;
  bool jump;
};

// Samples a list at xs as the plotter does: a fresh copy per sample, Jump cleared before each,
// FirstSample until the first defined one.
std::vector<Sample> Plot(const std::string& text, const std::vector<double>& xs) {
  TokenList list = Parse(text);
  SignRing ring;
  bool first = true;
  std::vector<Sample> samples;
  for (double x : xs) {
    bool defined = false, jump = false;
    EvaluatePostfix(CopyTokenList(list), defined, jump, x, first, ring);
    if (first && defined) first = false;
    samples.push_back({x, defined, jump});
  }
  return samples;
}

std::vector<double> JumpsOf(const std::vector<Sample>& samples) {
  std::vector<double> xs;
  for (const Sample& s : samples) {
    if (s.jump) xs.push_back(s.x);
  }
  return xs;
}

}  // namespace

TEST(SignRing, JumpsWhereADenominatorChangesItsSign) {
  std::vector<double> xs = Columns(-8, 8, 0.05);
  EXPECT_EQ(JumpsOf(Plot("1/x", xs)), std::vector<double>{xs[161]});  // x = 0 is xs[160]
  EXPECT_TRUE(JumpsOf(Plot("1/(x*x)", xs)).empty());
  std::vector<double> tg = JumpsOf(Plot("tg(x)", xs));
  ASSERT_EQ(tg.size(), 6u);  // at the six poles of tg between -8 and 8
  EXPECT_NEAR(tg[3], std::numbers::pi / 2, 0.05);
  EXPECT_EQ(JumpsOf(Plot("log(x;2)", {0.5, 0.75, 1, 1.25, 1.5})), std::vector<double>{1.25});
  EXPECT_EQ(JumpsOf(Plot("cotg(x)", {-0.1, -0.05, 0, 0.05, 0.1})), std::vector<double>{0.05});
}

TEST(SignRing, EachDivisionKeepsItsOwnSlot) {
  // The first sample has the two denominators of opposite signs; x = 0 stops the evaluation in
  // the first division and x = 1 in the second.
  std::vector<Sample> samples =
      Plot("1/x+1/(x-1)", {0.5, 0.6, 0, 0.5, 0.6, 1, 1.5, 1.6, -0.5, -0.4});
  std::vector<bool> jumps;
  for (const Sample& s : samples) jumps.push_back(s.jump);
  EXPECT_EQ(jumps, (std::vector<bool>{false, false, false, false, false, false, true, false, true,
                                      false}));
}

TEST(SignRing, UndefinedFirstSamplesLeaveNoSlots) {
  TokenList list = Parse("1/x+tg(x)");
  SignRing ring;
  bool defined, jump = false;
  EvaluatePostfix(CopyTokenList(list), defined, jump, 0, true, ring);
  EXPECT_FALSE(defined);
  EXPECT_EQ(ring.Size(), 0u);
  EvaluatePostfix(CopyTokenList(list), defined, jump, 0.5, true, ring);
  EXPECT_TRUE(defined);
  EXPECT_EQ(ring.Size(), 2u);
  EvaluatePostfix(CopyTokenList(list), defined, jump, 0.6, false, ring);
  EXPECT_FALSE(jump);
}

TEST(CompiledExpression, PlotsWhatFreshListsGiveAtEverySample) {
  // The samples of a plot are computed together, one operation at a time over all of them.
  std::vector<double> xs = Columns(-4, 4.25, 0.125);
  for (bool wide : kLaneWidths) {
    LaneWidth lanes(wide);
    for (const char* text : {"log(x;8)", "log(x+2;x*x)", "1/x+1/(x-1)", "tg(x)-cotg(x)", "odm(x;x)",
                             "x^x", "arccotg(x)/x", "1/(x+4)", "odm(2;x)/x", "5"}) {
      TokenList list = Parse(text);
      CompiledExpression expression(CopyTokenList(list));
      std::span<const PlotSample> plot = expression.EvaluatePlot(xs);
      ASSERT_EQ(plot.size(), xs.size());
      SignRing ring;
      bool first = true;
      for (size_t i = 0; i < xs.size(); ++i) {
        bool defined, jump = false;
        double v = EvaluatePostfix(CopyTokenList(list), defined, jump, xs[i], first, ring);
        if (first && defined) first = false;
        ASSERT_EQ(plot[i].defined, defined) << text << " at " << xs[i];
        EXPECT_EQ(plot[i].jump, jump) << text << " at " << xs[i];
        if (defined) {
          EXPECT_EQ(plot[i].y, v) << text << " at " << xs[i];
        }
      }
    }
  }
  EXPECT_TRUE(CompiledExpression(ListOf("c +")).EvaluatePlot(xs)[0].defined == false);
}

TEST(CompiledExpression, GridsGiveWhatTheRulesGiveForTwoVariables) {
  const std::vector<double> xs = Columns(-4, 4, 0.25), ys = Columns(-3, 3.2, 0.2);
  for (const char* text :
       {"x-y", "x*y", "1/(x-y)", "odm(2;x*y)", "sin(x)*cos(y)*10", "log(y;x)", "y^x", "x^2+y^2-9",
        "tg(x*y)", "abs(y)/x", "y", "-y", "2x+y", "x", "5"}) {
    TokenList list;
    ASSERT_TRUE(ParseExpression(text, list, Variables::XY)) << text;
    for (bool wide : kLaneWidths) {
      LaneWidth lanes(wide);
      CompiledExpression expression(CopyTokenList(list), Variables::XY);
      size_t columns = 0;
      expression.EvaluateGrid(xs, ys, [&](size_t c, std::span<const double> z) {
        ++columns;
        ASSERT_EQ(z.size(), ys.size());
        for (size_t r = 0; r < ys.size(); ++r) {
          std::optional<double> rules = EvaluateOnTexts(CopyTokenList(list), xs[c], ys[r]);
          const std::string where = std::string(text) + " at " + std::to_string(xs[c]) + ", " +
                                    std::to_string(ys[r]) + " on " + LaneWidth::Name(wide);
          ASSERT_EQ(!std::isnan(z[r]), rules.has_value()) << where;
          if (rules) {
            ASSERT_EQ(z[r], *rules) << where;
          }
        }
      });
      EXPECT_EQ(columns, xs.size());
      bool defined;
      double single = expression.Evaluate(xs[3], ys[5], defined);
      std::optional<double> rules = EvaluateOnTexts(CopyTokenList(list), xs[3], ys[5]);
      EXPECT_EQ(defined, rules.has_value()) << text;
      if (defined && rules) {
        EXPECT_EQ(single, *rules) << text;
      }
    }
  }
  // The one-variable engine takes no "y".
  EXPECT_FALSE(CompiledExpression(ListOf("c y +")).Valid());
  EXPECT_TRUE(CompiledExpression(ListOf("c y +"), Variables::XY).Valid());
}
