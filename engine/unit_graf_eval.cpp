#include "engine/unit_graf_eval.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "engine/unit_graf_round.h"
#include "engine/unit_syntaxe.h"
#include "platform/sysutils.h"

using columns::Code;
using columns::Operand;
using columns::Operation;
using columns::Source;

namespace {

// "a" is e as the text "2,718281828459"; "b" is pi as its 15-digit text "3,14159265358979".
constexpr double kE = 2.718281828459;
constexpr double kPi = 3.14159265358979;

}  // namespace

// ---- compiling --------------------------------------------------------------------------------

bool CompiledExpression::Fold(Code code, double a, double b, double& result) {
  switch (code) {
    case Code::Divide:
    case Code::Logarithm:
    case Code::Tg:
    case Code::Cotg:
      return false;  // the division-like ones keep their ring slots
    default:
      break;
  }
  // A constant as written may have more than 15 digits, so even |v| is rounded.
  result = round15::KeepOne(columns::Apply(code, a, b));
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
    program_.levels = std::max(program_.levels, level + 1);
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
        program_.firstX = std::min(program_.firstX, static_cast<int>(program_.operations.size()));
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
      op.division = static_cast<int>(program_.divisions.size());
      program_.divisions.push_back(static_cast<int>(program_.operations.size()));
    }
    program_.operations.push_back(op);
    stack.push_back({Source::Level, op.level, 0});
  }
  valid_ = program_.valid = valid && stack.size() == 1;
  if (!valid_) {
    program_.operations.clear();
    program_.divisions.clear();
    program_.result = 0;
    return;
  }
  if (stack.back().source == Source::Level) {
    program_.result = stack.back().level;
  } else {
    program_.result = take();
    program_.operations.push_back(
        {Code::Load, program_.result, {}, operand(stack.back()), -1, NAN, 0});
  }
}

// ---- evaluating -------------------------------------------------------------------------------

void CompiledExpression::RingSteps(std::size_t s, bool firstSample, bool& jump,
                                   SignRing& ring) const {
  // Each division-like operation before the stop was defined; the one at the stop (if it is
  // one) was met but undefined; later ones were not reached, and the ring is only turned past
  // them so that every slot stays with its own operation.
  const std::vector<int>& divisions = program_.divisions;
  const int stop = divisions.empty() ? 0 : program_.stops[s];
  for (std::size_t k = 0; k < divisions.size(); ++k) {
    int at = divisions[k];
    if (at > stop) {
      RotateRing(ring);
      continue;
    }
    if (firstSample) AddRingSlot(ring);
    if (at < stop) {
      bool positive = program_.positive[k * program_.width + s] != 0;
      if (!firstSample && ReadRingSlot(ring) != positive) jump = true;
      WriteRingSlot(ring, positive);
    }
    RotateRing(ring);
  }
  if (firstSample && !Defined(s)) InitRing(ring);
}

double CompiledExpression::Evaluate(double x, bool& defined, bool& jump, bool firstSample,
                                    SignRing& ring) {
  program_.SetWidth(1);
  program_.rx.assign(program_.width, x);
  RoundTo15DigitsKeep(program_.rx.data(), program_.width);
  columns::Run(program_);
  RingSteps(0, firstSample, jump, ring);
  defined = Defined(0);
  return defined ? Value(0) : 0;
}

double CompiledExpression::Evaluate(double x, double y, bool& defined) {
  program_.SetWidth(1);
  program_.rx.assign(program_.width, x);
  program_.ry.assign(program_.width, y);
  RoundTo15DigitsKeep(program_.rx.data(), program_.width);
  RoundTo15DigitsKeep(program_.ry.data(), program_.width);
  columns::Run(program_);
  defined = Defined(0);
  return defined ? Value(0) : 0;
}

std::span<const PlotSample> CompiledExpression::EvaluatePlot(std::span<const double> xs) {
  const std::size_t n = xs.size();
  if (n == 0) return {};
  program_.SetWidth(n);
  program_.rx.assign(xs.begin(), xs.end());
  program_.rx.resize(program_.width, xs.back());
  RoundTo15DigitsKeep(program_.rx.data(), program_.width);
  columns::Run(program_);
  // NaN where undefined, everywhere for a list that cannot be evaluated.
  const double* values = program_.Result();
  samples_.resize(n);
  PlotSample* samples = samples_.data();
  std::size_t undefined = 0;
  for (std::size_t s = 0; s < n; ++s) {
    const double v = values[s];
    const bool defined = v == v;
    samples[s] = {defined ? v : 0, defined, false};
    undefined += !defined;
  }
  const bool allDefined = undefined == 0;
  std::size_t first = 0;  // the first defined sample
  while (first < n && !samples[first].defined) ++first;
  // The ring as Evaluate keeps it, slot by slot: slot k is created by the first defined sample
  // and then compared wherever its operation was evaluated and defined, which is everywhere
  // when every sample is defined.
  const std::vector<int>& divisions = program_.divisions;
  for (std::size_t k = 0; k < divisions.size() && first < n; ++k) {
    const int at = divisions[k];
    const std::int64_t* positive = program_.positive.data() + k * program_.width;
    const int* stops = program_.stops.data();
    std::int64_t last = positive[first];
    for (std::size_t s = first + 1; s < n; ++s) {
      if (!allDefined && at >= stops[s]) continue;
      samples[s].jump |= positive[s] != last;
      last = positive[s];
    }
  }
  return {samples, n};
}

void CompiledExpression::EvaluateGrid(
    std::span<const double> xs, std::span<const double> ys,
    const std::function<void(std::size_t, std::span<const double>)>& column) {
  if (ys.empty()) return;
  program_.SetWidth(ys.size());
  program_.ry.assign(ys.begin(), ys.end());
  program_.ry.resize(program_.width, ys.back());
  RoundTo15DigitsKeep(program_.ry.data(), program_.width);
  std::vector<double> rxs(xs.begin(), xs.end());
  RoundTo15DigitsKeep(rxs.data(), rxs.size());
  for (std::size_t c = 0; c < xs.size(); ++c) {
    program_.rx.assign(program_.width, rxs[c]);
    columns::Run(program_);
    column(c, std::span<const double>(program_.Result(), ys.size()));
  }
}

double EvaluatePostfix(TokenList list, bool& Defined, bool& Jump, double x, bool FirstSample,
                       SignRing& ring) {
  CompiledExpression expression(std::move(list));
  return expression.Evaluate(x, Defined, Jump, FirstSample, ring);
}
