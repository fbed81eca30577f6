// Rendering of picture sources: rich text (HTML with a few shorthands), SVG drawings and
// function graphs (tools/graph_source.h). Used by the picture compiler and its tests.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <string>

enum class SourceKind { Html, Svg, Graph, Other };

// The kind of a source by its extension (.html, .svg, .graph); Other is carried as it is.
SourceKind SourceKindOf(const std::string& path);

struct RenderRequest {
  SourceKind kind = SourceKind::Html;
  QByteArray text;
  int width = 0, height = 0;  // 0 × 0: the size that the source states
  QColor background = Qt::white;
  bool transparent = false;  // PNG: the background stays transparent
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
// Fractions stand inside a formula line (\f{y = \frac{1}{x}}) or alone.
QString ExpandShorthands(const QString& html);

// A source's stated size, from a comment <!-- size 600x400 --> (HTML), the width and height
// of the <svg> element, or a graph's `size` line; false when it states none.
bool StatedSize(SourceKind kind, const QByteArray& text, int& width, int& height);
