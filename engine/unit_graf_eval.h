// Evaluation of postfix token lists at one value of x (with the sign memory of a plot) or at
// one point (x, y).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "engine/unit_graf_columns.h"
#include "engine/unit_syntaxe.h"
#include "engine/unit_typy.h"

// The sign memory of one plot: a circular queue with one slot per division-like token of the
// list ("/", "f", "j", "l"), slot k for the k-th of them; each slot says whether that token's
// denominator was positive at the last sample at which it was evaluated with a non-zero one.
class SignRing {
 public:
  std::size_t Size() const { return slots_.size(); }

 private:
  friend void InitRing(SignRing& ring);
  friend void AddRingSlot(SignRing& ring);
  friend void RotateRing(SignRing& ring);
  friend bool ReadRingSlot(const SignRing& ring);
  friend void WriteRingSlot(SignRing& ring, bool positive);

  std::vector<unsigned char> slots_;
  std::size_t front_ = 0;
};

// Empties the ring.
inline void InitRing(SignRing& ring) {
  ring.slots_.clear();
  ring.front_ = 0;
}

// Adds a slot for the operation now being evaluated and makes it the front slot; the RotateRing
// after that operation sends it behind the slots of the operations before it.
inline void AddRingSlot(SignRing& ring) {
  // Inserting in front of the front slot keeps the circular order, so slot k stays with the
  // k-th division-like token however many of them the first sample meets.
  ring.slots_.insert(ring.slots_.begin() + static_cast<std::ptrdiff_t>(ring.front_), 0);
}

// Moves the front slot to the back. Does nothing to an empty ring.
inline void RotateRing(SignRing& ring) {
  if (++ring.front_ >= ring.slots_.size()) ring.front_ = 0;
}

// The front slot's sign; false for an empty ring.
inline bool ReadRingSlot(const SignRing& ring) {
  return !ring.slots_.empty() && ring.slots_[ring.front_] != 0;
}

// Sets the front slot's sign; does nothing to an empty ring.
inline void WriteRingSlot(SignRing& ring, bool positive) {
  if (!ring.slots_.empty()) ring.slots_[ring.front_] = positive;
}

// One sample of a plot: the value at one x, whether it is defined there (otherwise the value is
// meaningless) and whether some denominator's sign differs from the one it had where it was last
// evaluated with a non-zero value.
struct PlotSample {
  double y;
  bool defined;
  bool jump;
};

// A postfix list resolved once into a program over columns of doubles, for evaluating it at
// many points. Every intermediate result is rounded to 15 significant digits, as values kept as
// texts are; an undefined value is NaN.
class CompiledExpression {
 public:
  // Consumes the list. A list that fails CheckOperandCount, or names a variable that
  // `variables` does not have, gives an expression that is undefined everywhere.
  explicit CompiledExpression(TokenList list, Variables variables = Variables::X);

  bool Valid() const { return valid_; }

  // The value at x. `defined` comes back false where the function is undefined (the value is
  // then meaningless); `jump` is set (never cleared) when a denominator's sign differs from the
  // one its ring slot remembers. `firstSample`: no sample of this plot has been defined yet; the
  // ring's slots are then created, and discarded again when the sample is undefined.
  double Evaluate(double x, bool& defined, bool& jump, bool firstSample, SignRing& ring);

  // One plot: the samples at xs in order, each evaluated once, with Jump cleared before each and
  // FirstSample until the first defined one, exactly as calling Evaluate for each in turn with
  // one fresh ring; computing all of them together is faster. The samples are valid until the
  // next evaluation.
  std::span<const PlotSample> EvaluatePlot(std::span<const double> xs);

  // The value at (x, y) of an expression in both variables; no sign ring.
  double Evaluate(double x, double y, bool& defined);

  // The values at every point of the grid xs × ys, one column at a time: `column` gets the
  // column's index c and the values at (xs[c], ys[r]) for every r, NaN where undefined. The
  // values are valid during the call only.
  void EvaluateGrid(std::span<const double> xs, std::span<const double> ys,
                    const std::function<void(std::size_t, std::span<const double>)>& column);

 private:
  // An operation without ring step applied to constants (b alone for one operand); false where
  // it is undefined or has a ring step.
  static bool Fold(columns::Code code, double a, double b, double& result);
  // The sign-ring steps of sample s of the last run, in token order.
  void RingSteps(std::size_t s, bool firstSample, bool& jump, SignRing& ring) const;
  bool Defined(std::size_t s) const { return program_.valid && !std::isnan(Value(s)); }
  double Value(std::size_t s) const { return program_.Result()[s]; }

  columns::Program program_;
  bool valid_ = false;
  std::vector<PlotSample> samples_;
};

// Evaluates a list once at x (see CompiledExpression::Evaluate); consumes the list.
double EvaluatePostfix(TokenList list, bool& Defined, bool& Jump, double x, bool FirstSample,
                       SignRing& ring);
