// Formulas in the book's typography, written in a short notation that the rich-text pictures
// (\m{...}) and the graph labels share:
//
//   - Latin letters are variables, set italic; the function names sin, cos, tg, cotg, log, ln,
//     arcsin, arccos, arctg, arccotg and sgn are upright (a name glued to its argument, "sinx",
//     gets a narrow space: sin x); D and H of D(f), H(f) are letters like any other, italic;
//   - digits, brackets, Greek letters and every other sign stay upright as written;
//   - "-" is the minus sign U+2212; "*" is the dot "·"; "<=", ">=", "!=" are ≤, ≥, ≠;
//   - relations (= < > ≤ ≥ ≠ ≐ ≈ ∈ ∉ ⊂ ⊆ → ⇒ ⇔) get a no-break space on each side, binary
//     operators (+ − ± · ×) a narrow no-break space; a sign that opens an expression (after
//     "(", "[", "{", "⟨", ";", ",", a relation, an operator or at the start) is unary and gets
//     none; the spaces of the source around such signs do not count, other spaces become one
//     no-break space, so a formula never breaks at a space;
//   - ^{...} and _{...} are a superscript and a subscript (^2 and _1 for one sign); inside
//     them no spaces are added;
//   - &...; entities pass as one sign (&lt; is <, &nbsp; a no-break space).
#pragma once

#include <QString>
#include <vector>

struct MathRun {
  QString text;  // plain text, entities already decoded
  bool italic = false;
  int script = 0;  // 1: superscript, -1: subscript (2 and -2 nested)
};

// The text inside the braces that open at s[open] ('{'), or a null string when they do not
// close; `end` is set past the closing brace.
QString Braced(const QString& s, int open, int& end);

// The runs of a formula, neighbouring runs of one style joined. `afterOperand`: the formula
// goes on from an operand set elsewhere (a fraction), so that a leading sign is binary.
std::vector<MathRun> MathRuns(const QString& formula, bool afterOperand = false);

// The runs as HTML of Qt's rich-text subset.
QString MathHtml(const std::vector<MathRun>& runs);
