// Function graphs as picture sources, drawn from their expressions by the engine's parser and
// evaluator, so that every graph in the book is right by construction. One statement a line:
//
//   size 72 72                     the picture's own size (files beside the program)
//   view -4 4 -3 5                 x from, x to, y from, y to (default -5 5 -5 5)
//   background #e5e5e7             the book's graph background (default)
//   grid 1 | grid off              grid lines every so many units (default 1)
//   axes on | off                  the axes in black (default on)
//   labels on                      "x", "y" at the axes' ends and "1" at one unit on each
//   plot 2x+1 [color red] [width 2] [from -3] [to 2] [dashed]
//   point 2 1 [full|open] [color red] [radius 3]
//   segment -1 0 2 3 [color navy] [width 1] [dashed]
//   vline 2 [dashed] [color …]     hline -1 …       (asymptotes, marks)
//   text 1 2 "y = x²" [color red] [size 14] [italic] [bold] [anchor start|middle|end]
//        [dx 3] [dy -2]
//   # a comment
//
// Expressions are those of the book (decimal comma or point). A plot breaks where the function
// is undefined, where a denominator changes its sign between samples and far outside the view.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <string>

// The size that the source states with `size`, or false.
bool GraphStatedSize(const QByteArray& source, int& width, int& height);

// Draws the graph at width × height; on a fault, `error` names the line and the reason.
QImage RenderGraph(const QByteArray& source, int width, int height, std::string& error);
