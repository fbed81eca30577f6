#include "tools/picture_sources.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <map>
#include <set>

#include "platform/layout_pictures.h"
#include "tools/math_text.h"

namespace {

// The tooltip that marks a formula's characters; Qt keeps it on every character of the span and
// of the tables inside it, and it does not change what is drawn.
const QString kFormulaMark = QStringLiteral("zalmira-formula-");

// A stacked fraction; its rule has the colour of the text around it.
QString Fraction(const QString& num, const QString& den, const QString& colour) {
  return QStringLiteral(
             "<table cellspacing=\"0\" cellpadding=\"0\" style=\"border-collapse: collapse\">"
             "<tr><td align=\"center\" style=\"border-bottom: 1px solid %3; padding: 0px 3px "
             "1px 3px\">%1</td></tr><tr><td align=\"center\" style=\"padding: 1px 3px 0px "
             "3px\">%2</td></tr></table>")
      .arg(num, den, colour);
}

QString Sqrt(const QString& radicand) {
  return QStringLiteral("√<span style=\"text-decoration: overline\">") + radicand +
         QStringLiteral("</span>");
}

// The blanks of a formula line's text as no-break spaces; the blanks inside its tags (a root's
// overline) stay.
QString NonBreaking(const QString& html) {
  QString out;
  bool inTag = false;
  for (QChar c : html) {
    if (c == '<') inTag = true;
    if (c == '>') inTag = false;
    if (c == ' ' && !inTag) {
      out += QStringLiteral("&nbsp;");
    } else {
      out += c;
    }
  }
  return out;
}

class Expander {
 public:
  QString Expand(const QString& s) {
    QString out;
    for (int i = 0; i < s.size();) {
      int end = 0;
      if (s[i] == '<') {
        const int close = s.indexOf('>', i);
        if (close > i) {
          const QString tag = s.mid(i, close - i + 1);
          Track(tag);
          out += tag;
          i = close + 1;
          continue;
        }
      }
      if (s.mid(i, 3) == QLatin1String("\\f{")) {
        QString content = Braced(s, i + 2, end);
        if (!content.isNull()) {
          out += Marked(FormulaLine(content, false));
          i = end;
          continue;
        }
      }
      if (s.mid(i, 3) == QLatin1String("\\m{")) {
        QString content = Braced(s, i + 2, end);
        if (!content.isNull()) {
          out += Marked(content.contains(QLatin1String("\\frac{")) ? FormulaLine(content, true)
                                                                   : Math(content, false));
          i = end;
          continue;
        }
      }
      if (s.mid(i, 6) == QLatin1String("\\frac{")) {
        int e2 = 0;
        QString num = Braced(s, i + 5, end);
        QString den = num.isNull() ? QString() : Braced(s, end, e2);
        if (!den.isNull()) {
          out += Fraction(Expand(num), Expand(den), colours_.back());
          i = e2;
          continue;
        }
      }
      if (s.mid(i, 6) == QLatin1String("\\sqrt{")) {
        QString radicand = Braced(s, i + 5, end);
        if (!radicand.isNull()) {
          out += Sqrt(Expand(radicand));
          i = end;
          continue;
        }
      }
      out += s[i++];
    }
    return out;
  }

 private:
  // The colour of the text at each open element, from the `color` of its style.
  void Track(const QString& tag) {
    static const QRegularExpression name(QStringLiteral("^<\\s*(/?)\\s*([A-Za-z0-9]+)"));
    static const QRegularExpression colour(QStringLiteral("(?:^|[;\"\\s])color\\s*:\\s*([^;\"]+)"));
    const auto m = name.match(tag);
    if (!m.hasMatch()) return;
    const QString element = m.captured(2).toLower();
    if (element == QLatin1String("br") || element == QLatin1String("img") ||
        element == QLatin1String("hr") || tag.endsWith(QLatin1String("/>"))) {
      return;
    }
    if (!m.captured(1).isEmpty()) {
      if (colours_.size() > 1) colours_.pop_back();
      return;
    }
    const auto c = colour.match(tag);
    colours_.push_back(c.hasMatch() ? c.captured(1).trimmed() : colours_.back());
  }

  QString Marked(const QString& html) {
    return QStringLiteral("<span title=\"") + kFormulaMark + QString::number(++formulas_) +
           QStringLiteral("\">") + html + QStringLiteral("</span>");
  }

  // A formula in the book's typography, with roots; `afterOperand` as for MathRuns.
  QString Math(const QString& s, bool afterOperand) {
    QString out, run;
    auto flush = [&] {
      if (run.isEmpty()) return;
      out += MathHtml(MathRuns(run, afterOperand));
      run.clear();
    };
    for (int i = 0; i < s.size();) {
      int end = 0;
      if (s.mid(i, 6) == QLatin1String("\\sqrt{")) {
        QString radicand = Braced(s, i + 5, end);
        if (!radicand.isNull()) {
          flush();
          out += Sqrt(Math(radicand, false));
          afterOperand = true;
          i = end;
          continue;
        }
      }
      run += s[i++];
    }
    flush();
    return out;
  }

  // A formula line: text runs and fractions in cells of one row.
  QString FormulaLine(const QString& content, bool math) {
    QString out = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>");
    QString run;
    bool afterFraction = false;
    auto flush = [&] {
      if (run.isEmpty()) return;
      QString t = NonBreaking(math ? Math(run, afterFraction) : Expand(run));
      // The text engine drops a thin space that begins or ends a cell; a word joiner keeps the
      // space between the text and a fraction beside it.
      const QChar thin(0x202F), joiner(0x2060);
      if (t.startsWith(thin)) t.prepend(joiner);
      if (t.endsWith(thin)) t.append(joiner);
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
          out += QStringLiteral("<td valign=\"middle\">") +
                 Fraction(math ? Math(num, false) : Expand(num),
                          math ? Math(den, false) : Expand(den), colours_.back()) +
                 QStringLiteral("</td>");
          afterFraction = true;
          i = e2;
          continue;
        }
      }
      run += content[i++];
    }
    flush();
    return out + QStringLiteral("</tr></table>");
  }

  int formulas_ = 0;
  std::vector<QString> colours_{QStringLiteral("black")};
};

// The first formula that the layout broke across lines, or an empty string.
QString BrokenFormula(const QTextDocument& doc) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextLayout* layout = b.layout();
    if (!layout || layout->lineCount() < 2) continue;
    // Which lines of the block hold each formula's characters.
    std::map<QString, std::set<int>> lines;
    std::map<QString, QString> texts;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QString mark = f.charFormat().toolTip();
      if (!mark.startsWith(kFormulaMark)) continue;
      texts[mark] += f.text();
      for (int i = 0; i < f.length(); ++i) {
        const QChar c = f.text()[i];
        if (c.isSpace() && c != QChar(0x00A0) && c != QChar(0x202F)) continue;
        lines[mark].insert(
            layout->lineForTextPosition(f.position() - b.position() + i).lineNumber());
      }
    }
    for (const auto& [mark, used] : lines) {
      if (used.size() > 1) return texts[mark].simplified();
    }
  }
  return QString();
}

RenderResult RenderHtml(const RenderRequest& req, int w, int h, double scale) {
  RenderResult r;
  QTextDocument doc;
  QFont font(QStringLiteral("Liberation Serif"));
  // Signs the text font lacks (∈, ⟨, ℝ) come from the serif of the same family of metrics.
  font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  font.setPixelSize(16);
  doc.setDefaultFont(font);
  doc.setDocumentMargin(2);
  const int lw = static_cast<int>(w / scale), lh = static_cast<int>(h / scale);
  doc.setTextWidth(lw);
  // Space after the last element would end the last line in the default font, taller than
  // the text's own.
  doc.setHtml(Expander().Expand(QString::fromUtf8(req.text).trimmed()));
  int needed = static_cast<int>(doc.size().height() + 0.5);
  if (needed > lh + 2) {
    r.error = "the text needs " + std::to_string(needed) + " px of height, the picture has " +
              std::to_string(lh);
    return r;
  }
  int wide = static_cast<int>(doc.size().width() + 0.5);
  if (wide > lw + 2) {
    r.error = "the text needs " + std::to_string(wide) + " px of width, the picture has " +
              std::to_string(lw);
    return r;
  }
  const QString broken = BrokenFormula(doc);
  if (!broken.isEmpty()) {
    r.error = "the formula \"" + broken.toStdString() +
              "\" breaks across lines; give it more width or split it";
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
  p.scale(scale, scale);
  doc.drawContents(&p);
  return r;
}

// The SVG with only the elements of `stage`: an element marked data-stage="N" shows from stage
// N on, one marked "N-M" in stages N to M, "1-3,6" in both. Fails on a stage that the drawing
// does not have.
bool StageOfSvg(const QByteArray& svg, int stage, QByteArray& out, std::string& error) {
  QXmlStreamReader reader(svg);
  QXmlStreamWriter writer(&out);
  int last = 0;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.attributes().hasAttribute("data-stage")) {
      const QString value = reader.attributes().value("data-stage").toString();
      StageSet set;
      if (!ReadStages(value, set)) {
        error =
            "line " + std::to_string(reader.lineNumber()) + ": no stages " + value.toStdString();
        return false;
      }
      last = std::max(last, set.Last());
      if (!set.Has(stage)) {
        reader.skipCurrentElement();
        continue;
      }
    }
    if (reader.tokenType() == QXmlStreamReader::StartDocument) continue;
    writer.writeCurrentToken(reader);
  }
  if (reader.hasError()) {
    error = "the SVG does not parse";
    return false;
  }
  if (last == 0 && stage > 0) error = "the drawing has no stages";
  if (last > 0 && stage == 0) {
    error = "the drawing has stages 1 to " + std::to_string(last) + "; name one with #";
  }
  if (stage > last) {
    error = "the drawing has no stage " + std::to_string(stage) + " (1 to " + std::to_string(last) +
            ")";
  }
  return error.empty();
}

RenderResult RenderSvg(const RenderRequest& req, int w, int h) {
  RenderResult r;
  QByteArray staged;
  if (req.text.contains("data-stage") || req.stage > 0) {
    if (!StageOfSvg(req.text, req.stage, staged, r.error)) return r;
  } else {
    staged = req.text;
  }
  QSvgRenderer svg(staged);
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

// A reference: `use PATH[#stage] [scale F]` and `size W H`, one a line; the used source drawn
// at the reference's size, a graph's and a text's sizes in pixels multiplied by the scale.
RenderResult RenderRef(const RenderRequest& req, int w, int h) {
  RenderResult r;
  QString use;
  double scale = 1;
  int n = 0;
  for (const QString& raw : QString::fromUtf8(req.text).split('\n')) {
    ++n;
    const QStringList words = raw.simplified().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || words[0].startsWith('#')) continue;
    if (words[0] == "use" && (words.size() == 2 || (words.size() == 4 && words[2] == "scale"))) {
      use = words[1];
      bool ok = true;
      if (words.size() == 4) scale = words[3].toDouble(&ok);
      if (!ok || scale <= 0) {
        r.error = "line " + std::to_string(n) + ": no scale " + words[3].toStdString();
        return r;
      }
    } else if (words[0] != "size") {
      r.error = "line " + std::to_string(n) + ": a reference holds `use PATH [scale F]` and " +
                "`size W H` only";
      return r;
    }
  }
  PictureReference ref;
  if (use.isEmpty() || !SplitPictureReference(use.toStdString(), ref)) {
    r.error = "the reference names no source (use layouts/X/a.svg)";
    return r;
  }
  RenderRequest used = req;
  used.kind = SourceKindOf(ref.file);
  used.stage = ref.stage;
  if (used.kind == SourceKind::Graph) {
    // A graph reads the reference itself: `use` and `size` are graph statements.
    used.text = req.text;
    used.stage = 0;
  } else if (used.kind == SourceKind::Ref || used.kind == SourceKind::Other) {
    r.error = "a reference names a picture source (.html, .svg, .graph)";
    return r;
  } else if (!req.open || !req.open(ref.file, used.text)) {
    r.error = "no source " + ref.file;
    return r;
  }
  switch (used.kind) {
    case SourceKind::Html:
      if (used.stage > 0) {
        r.error = "a rich text has no stages";
        return r;
      }
      return RenderHtml(used, w, h, scale);
    case SourceKind::Svg:
      return RenderSvg(used, w, h);
    default:
      r.image = RenderGraph({used.text, w, h, 0, req.open}, r.error);
      return r;
  }
}

QByteArray RefSize(const QByteArray& text) {
  for (const QByteArray& line : text.split('\n')) {
    if (line.simplified().startsWith("size ")) return line.simplified();
  }
  return {};
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
  if (ends(".ref")) return SourceKind::Ref;
  return SourceKind::Other;
}

QString ExpandShorthands(const QString& html) {
  return Expander().Expand(html);
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
  if (kind == SourceKind::Ref) return GraphStatedSize(RefSize(text), width, height);
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

std::vector<std::string> UsedSources(SourceKind kind, const QByteArray& text) {
  if (kind == SourceKind::Graph || kind == SourceKind::Ref) return GraphUses(text);
  return {};
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
  RenderResult r;
  switch (req.kind) {
    case SourceKind::Html:
      if (req.stage > 0) {
        r.error = "a rich text has no stages";
        return r;
      }
      return RenderHtml(req, w, h, 1);
    case SourceKind::Svg:
      return RenderSvg(req, w, h);
    case SourceKind::Graph:
      r.image = RenderGraph({req.text, w, h, req.stage, req.open}, r.error);
      return r;
    case SourceKind::Ref:
      return RenderRef(req, w, h);
    default:
      r.error = "not a picture source";
      return r;
  }
}
