// Evaluation of postfix token lists at one value of x, with the sign memory of a plot.
#pragma once

#include <cstddef>
#include <vector>

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

  std::vector<bool> slots_;
  std::size_t front_ = 0;
};

// Empties the ring.
void InitRing(SignRing& ring);
// Adds a slot for the operation now being evaluated and makes it the front slot; the RotateRing
// after that operation sends it behind the slots of the operations before it.
void AddRingSlot(SignRing& ring);
// Moves the front slot to the back. Does nothing to an empty ring.
void RotateRing(SignRing& ring);
// The front slot's sign; false for an empty ring.
bool ReadRingSlot(const SignRing& ring);
// Sets the front slot's sign; does nothing to an empty ring.
void WriteRingSlot(SignRing& ring, bool positive);

// A postfix list resolved once into operations on doubles, for evaluating it at many values of
// x. Every intermediate result is rounded to 15 significant digits, as values kept as texts are.
class CompiledExpression {
 public:
  // Consumes the list. A list that fails CheckOperandCount, or holds "y", gives an expression
  // that is undefined everywhere.
  explicit CompiledExpression(TokenList list);

  bool Valid() const { return valid_; }

  // The value at x. `defined` comes back false where the function is undefined (the value is
  // then meaningless); `jump` is set (never cleared) when a denominator's sign differs from the
  // one its ring slot remembers. `firstSample`: no sample of this plot has been defined yet; the
  // ring's slots are then created, and discarded again when the sample is undefined.
  double Evaluate(double x, bool& defined, bool& jump, bool firstSample, SignRing& ring);

 private:
  enum class Code : unsigned char;
  struct Operation {
    Code code;
    double value;    // a constant; for a logarithm the base last seen
    double lnValue;  // for a logarithm: ln of that base
  };

  std::vector<Operation> operations_;
  std::vector<double> stack_;
  int divisionCount_ = 0;
  bool valid_ = false;
};

// Evaluates a list once at x (see CompiledExpression::Evaluate); consumes the list.
double EvaluatePostfix(TokenList list, bool& Defined, bool& Jump, double x, bool FirstSample,
                       SignRing& ring);
