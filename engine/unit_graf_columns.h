// The program that the evaluator makes of a postfix list, and its run over columns of samples:
// each operation takes the columns of its operands and gives the column of its result, with
// every value rounded to 15 significant digits and NaN for an undefined value. Internal to the
// engine; CompiledExpression is its user.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace columns {

enum class Code : unsigned char {
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

// Where an operation takes a value from: a level of the value stack, a constant, or a
// variable's column.
enum class Source : unsigned char { Level, Constant, X, Y };
struct Operand {
  Source source = Source::Constant;
  int level = 0;
  double value = 0;
};

struct Operation {
  Code code;
  int level;      // where the result goes
  Operand a, b;   // b alone for one operand
  int division;   // its index among the division-like operations, or -1
  double base;    // a logarithm: the base last seen
  double lnBase;  // and its natural logarithm
};

struct Program {
  std::vector<Operation> operations;
  std::vector<int> divisions;  // the operation index of each division-like token
  int levels = 0;              // stack levels the program needs
  int result = 0;              // the level that ends up holding the value
  int firstX = INT_MAX;        // the operations before the first "c"
  bool valid = false;

  // One run: `width` samples per column (a multiple of four), the variables' columns rx and
  // ry in (rounded, NaN where no finite number), the columns of the levels out. With
  // division-like operations also `stops`, the index of the operation at which each sample
  // became undefined (the operation count where it is defined), and `positive`, the sign of
  // each one's denominator (all bits set where positive), `width` samples each.
  std::size_t width = 0;
  std::vector<double> rx, ry, values;
  std::vector<int> stops;
  std::vector<std::int64_t> positive;

  // Makes room for n samples.
  void SetWidth(std::size_t n);
  const double* Result() const { return values.data() + static_cast<std::size_t>(result) * width; }
};

// Runs the program over its columns.
void Run(Program& program);

// The raw value of one operation on single values (b alone for one operand), before the
// 15-digit rounding: NaN where it is undefined. The ring steps of the division-like ones are
// not taken.
double Apply(Code code, double a, double b);

// Whether runs take four samples at a time (where the processor has AVX2 and FMA) rather than
// two.
// The results are the same bit for bit; tests switch it to check both.
bool WideLanes();
void UseWideLanes(bool wide);

}  // namespace columns
