// Function graphs as picture sources, drawn from their expressions by the engine's parser and
// evaluator, so that every graph in the book is right by construction. docs/pictures.md lists
// the statements; in short, one a line:
//
//   size 72 72                     the picture's own size (files beside the program)
//   view -4 4 -3 5                 x from, x to, y from, y to (default -5 5 -5 5)
//   background #e5e5e7             the book's graph background (default)
//   grid 1 | grid x pi/2 y 1 | grid off
//   axes on | off
//   labels on | axes | units | off [size 12]   "x", "y" at the axes' ends and/or "1" on each axis
//   ticks 1 | ticks x pi/2 y 2 [size 13] | ticks off      labelled ticks on the axes
//   plot 2x+1 [color red] [width 2] [from -3] [to 2] [dashed]
//   point 2 1 [full|open] [color red] [radius 3]
//   segment -1 0 2 3 [color navy] [width 1] [dashed]
//   vline 2 …   hline -1 …        (asymptotes, marks)
//   fill -4 3 4 5 [color white]    a band that hides what lies below it (a title's ground)
//   band x -2 3 [color #0000c0]    a translucent band where −2 ≤ x ≤ 3 (band y: along the y
//                                 axis): a domain or a range shaded
//   text 1 2 "y = \m{x^2}" [color red] [size 14] [italic] [bold] [anchor start|middle|end]
//        [dx 3] [dy -2] [background white] [overlap]
//   use layouts/CGraf/u01a.graph[#2] [scale 1.5]   the statements of another graph
//   steady                         automatic labels that stay in place from stage to stage
//   stage 2 | stage 2-3 | stage 1-3,6   the statements below show from stage 2 on (in 2 and 3
//                                 only; in 1 to 3 and from 6 on)
//   # a comment
//
// Expressions are those of the book (decimal comma or point). A plot breaks where the function
// is undefined, where a denominator changes its sign between samples and far outside the view.
// A text label whose box crosses a curve, a line or a point is a fault (`overlap` allows it), and
// so is a plot that draws nothing in the view.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

// Reads a source that another names by its path from the repository's root
// ("layouts/CGraf/u01a.graph"); false when there is none.
using SourceOpener = std::function<bool(const std::string& path, QByteArray& text)>;

struct GraphInput {
  QByteArray source;
  int width = 0, height = 0;
  int stage = 0;  // 0: a source without stages
  SourceOpener open;
};

// The stages of a `stage` statement or an SVG element's data-stage: "2" from stage 2 on, "2-3"
// stages 2 and 3 only, "1-3,6" stages 1 to 3 and from 6 on.
struct StageSet {
  std::vector<std::pair<int, int>> ranges;
  bool Has(int stage) const;
  int Last() const;  // the highest stage it names
};
// False when the text is no such list.
bool ReadStages(const QString& text, StageSet& out);

// The label of the k-th tick of a step ("1", "0,5", "pi/2"): "−2", "1,5", "3π/2"; a null
// string for no step.
QString TickLabel(int k, const QString& step);

// The ink of each run of a text label as the graph sets it (plain text and \m{...} formulas),
// from the start of its baseline.
std::vector<QRectF> LabelInk(const QString& text, double pixels);

// The size that the source states with `size`, or false.
bool GraphStatedSize(const QByteArray& source, int& width, int& height);

// The paths that the source's `use` statements name (without their stage).
std::vector<std::string> GraphUses(const QByteArray& source);

// Draws the graph; on a fault, `error` names the line and the reason.
QImage RenderGraph(const GraphInput& input, std::string& error);
