// Rendering of picture sources: rich text (HTML with a few shorthands), SVG drawings, function
// graphs (tools/graph_source.h) and references to other sources. Used by the picture compiler
// and its tests; docs/pictures.md describes the sources for their authors.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "tools/graph_source.h"

enum class SourceKind { Html, Svg, Graph, Ref, Other };

// The kind of a source by its extension (.html, .svg, .graph, .ref); Other is carried as it is.
SourceKind SourceKindOf(const std::string& path);

struct RenderRequest {
  SourceKind kind = SourceKind::Html;
  QByteArray text;
  int width = 0, height = 0;  // 0 × 0: the size that the source states
  int stage = 0;              // of a source with stages (graph, SVG); 0: none
  QColor background = Qt::white;
  bool transparent = false;  // PNG: the background stays transparent
  SourceOpener open;         // reads the sources that `use` names
};

struct RenderResult {
  QImage image;
  std::string error;  // empty on success
};

RenderResult RenderSource(const RenderRequest& request);

// Expands the rich-text shorthands into the HTML subset that Qt's text engine renders:
//   \frac{a}{b}   a stacked fraction (a two-row table, a rule under the numerator)
//   \sqrt{x}      √ with the radicand overlined
//   \f{...}       a formula line: the text and its fractions side by side, centred vertically
//   \m{...}       a formula in the book's typography (tools/math_text.h), with \frac and \sqrt
// Fractions stand inside a formula line (\f{y = \frac{1}{x}}, \m{y = \frac{1}{x}}) or alone.
// Formula lines and formulas are marked, so that the renderer finds one broken across lines.
QString ExpandShorthands(const QString& html);

// A source's stated size, from a comment <!-- size 600x400 --> (HTML), the width and height
// of the <svg> element, or a graph's or a reference's `size` line; false when it states none.
bool StatedSize(SourceKind kind, const QByteArray& text, int& width, int& height);

// The sources that a source uses (graph and reference `use` lines), paths from the root.
std::vector<std::string> UsedSources(SourceKind kind, const QByteArray& text);
