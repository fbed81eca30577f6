#include "tools/picture_sources.h"

#include "tools/graph_source.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextDocument>

namespace {

// The text inside the braces that open at s[open] ('{'), or a null string when they do not
// close; `end` is set past the closing brace.
QString Braced(const QString& s, int open, int& end) {
  if (open >= s.size() || s[open] != '{') return QString();
  int depth = 0;
  for (int i = open; i < s.size(); ++i) {
    if (s[i] == '{') ++depth;
    if (s[i] == '}' && --depth == 0) {
      end = i + 1;
      return s.mid(open + 1, i - open - 1);
    }
  }
  return QString();
}

QString Fraction(const QString& num, const QString& den) {
  return QStringLiteral(
             "<table cellspacing=\"0\" cellpadding=\"0\" style=\"border-collapse: collapse\">"
             "<tr><td align=\"center\" style=\"border-bottom: 1px solid black; padding: 0px 3px "
             "1px 3px\">%1</td></tr><tr><td align=\"center\" style=\"padding: 1px 3px 0px "
             "3px\">%2</td></tr></table>")
      .arg(num, den);
}

QString Expand(const QString& s);

// A formula line: text runs and fractions in cells of one row.
QString FormulaLine(const QString& content) {
  QString out = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>");
  QString run;
  auto flush = [&] {
    if (run.isEmpty()) return;
    QString t = Expand(run);
    t.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    out += QStringLiteral("<td valign=\"middle\">") + t + QStringLiteral("</td>");
    run.clear();
  };
  for (int i = 0; i < content.size();) {
    if (content.mid(i, 6) == QLatin1String("\\frac{")) {
      int e1 = 0, e2 = 0;
      QString num = Braced(content, i + 5, e1);
      QString den = Braced(content, e1, e2);
      if (!num.isNull() && !den.isNull()) {
        flush();
        out += QStringLiteral("<td valign=\"middle\">") + Fraction(Expand(num), Expand(den)) +
               QStringLiteral("</td>");
        i = e2;
        continue;
      }
    }
    run += content[i++];
  }
  flush();
  return out + QStringLiteral("</tr></table>");
}

QString Expand(const QString& s) {
  QString out;
  for (int i = 0; i < s.size();) {
    int end = 0;
    if (s.mid(i, 3) == QLatin1String("\\f{")) {
      QString content = Braced(s, i + 2, end);
      if (!content.isNull()) {
        out += FormulaLine(content);
        i = end;
        continue;
      }
    }
    if (s.mid(i, 6) == QLatin1String("\\frac{")) {
      int e2 = 0;
      QString num = Braced(s, i + 5, end);
      QString den = num.isNull() ? QString() : Braced(s, end, e2);
      if (!den.isNull()) {
        out += Fraction(Expand(num), Expand(den));
        i = e2;
        continue;
      }
    }
    if (s.mid(i, 6) == QLatin1String("\\sqrt{")) {
      QString radicand = Braced(s, i + 5, end);
      if (!radicand.isNull()) {
        out += QStringLiteral("√<span style=\"text-decoration: overline\">") + Expand(radicand) +
               QStringLiteral("</span>");
        i = end;
        continue;
      }
    }
    out += s[i++];
  }
  return out;
}

RenderResult RenderHtml(const RenderRequest& req, int w, int h) {
  RenderResult r;
  QTextDocument doc;
  QFont font(QStringLiteral("Liberation Serif"));
  // Signs the text font lacks (∈, ⟨, ℝ) come from the serif of the same family of metrics.
  font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  font.setPixelSize(16);
  doc.setDefaultFont(font);
  doc.setDocumentMargin(2);
  doc.setTextWidth(w);
  doc.setHtml(ExpandShorthands(QString::fromUtf8(req.text)));
  int needed = static_cast<int>(doc.size().height() + 0.5);
  if (needed > h + 2) {
    r.error = "the text needs " + std::to_string(needed) + " px of height, the picture has " +
              std::to_string(h);
    return r;
  }
  QColor bg = req.background;
  static const QRegularExpression bgComment(
      QStringLiteral("<!--\\s*background\\s+(#[0-9a-fA-F]{6})"));
  auto m = bgComment.match(QString::fromUtf8(req.text));
  if (m.hasMatch()) bg = QColor(m.captured(1));
  r.image = QImage(w, h, req.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  r.image.fill(req.transparent && !m.hasMatch() ? QColor(Qt::transparent) : bg);
  QPainter p(&r.image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  doc.drawContents(&p);
  return r;
}

RenderResult RenderSvg(const RenderRequest& req, int w, int h) {
  RenderResult r;
  QSvgRenderer svg(req.text);
  if (!svg.isValid()) {
    r.error = "the SVG does not parse";
    return r;
  }
  r.image = QImage(w, h, req.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  r.image.fill(req.transparent ? QColor(Qt::transparent) : req.background);
  QPainter p(&r.image);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p, QRectF(0, 0, w, h));
  return r;
}

}  // namespace

SourceKind SourceKindOf(const std::string& path) {
  auto ends = [&](const char* tail) {
    std::string t(tail);
    return path.size() >= t.size() && path.compare(path.size() - t.size(), t.size(), t) == 0;
  };
  if (ends(".html")) return SourceKind::Html;
  if (ends(".svg")) return SourceKind::Svg;
  if (ends(".graph")) return SourceKind::Graph;
  return SourceKind::Other;
}

QString ExpandShorthands(const QString& html) {
  return Expand(html);
}

bool StatedSize(SourceKind kind, const QByteArray& text, int& width, int& height) {
  if (kind == SourceKind::Html) {
    static const QRegularExpression re(QStringLiteral("<!--\\s*size\\s+(\\d+)\\s*x\\s*(\\d+)"));
    auto m = re.match(QString::fromUtf8(text));
    if (!m.hasMatch()) return false;
    width = m.captured(1).toInt();
    height = m.captured(2).toInt();
    return width > 0 && height > 0;
  }
  if (kind == SourceKind::Graph) return GraphStatedSize(text, width, height);
  if (kind == SourceKind::Svg) {
    QSvgRenderer svg(text);
    if (!svg.isValid()) return false;
    QSize s = svg.defaultSize();
    width = s.width();
    height = s.height();
    return width > 0 && height > 0;
  }
  return false;
}

RenderResult RenderSource(const RenderRequest& req) {
  int w = req.width, h = req.height;
  if (w <= 0 || h <= 0) {
    if (!StatedSize(req.kind, req.text, w, h)) {
      RenderResult r;
      r.error =
          "the source states no size (<!-- size WxH -->, the svg's width and height, size W H)";
      return r;
    }
  }
  switch (req.kind) {
    case SourceKind::Html:
      return RenderHtml(req, w, h);
    case SourceKind::Svg:
      return RenderSvg(req, w, h);
    case SourceKind::Graph: {
      RenderResult r;
      r.image = RenderGraph(req.text, w, h, r.error);
      return r;
    }
    default: {
      RenderResult r;
      r.error = "not a picture source";
      return r;
    }
  }
}
