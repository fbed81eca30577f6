#include "tools/graph_source.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"
#include "platform/layout_pictures.h"
#include "tools/math_text.h"

namespace {

struct Fail {
  std::string why;
  bool placed = false;  // `why` names the line already
};

Fail At(const QString& where, const Fail& f) {
  return f.placed ? f : Fail{where.toStdString() + ": " + f.why, true};
}

QColor ColorNamed(const QString& name) {
  static const std::map<QString, QColor> named = {
      {"red", QColor(255, 0, 0)},       {"blue", QColor(0, 0, 255)},
      {"navy", QColor(0, 0, 128)},      {"green", QColor(0, 128, 0)},
      {"black", QColor(0, 0, 0)},       {"grey", QColor(128, 128, 128)},
      {"gray", QColor(128, 128, 128)},  {"magenta", QColor(255, 0, 255)},
      {"orange", QColor(255, 128, 0)},  {"purple", QColor(128, 0, 128)},
      {"maroon", QColor(128, 0, 0)},    {"teal", QColor(0, 128, 128)},
      {"white", QColor(255, 255, 255)}, {"lightblue", QColor(0x5B, 0x5B, 0xFF)},
  };
  auto it = named.find(name);
  if (it != named.end()) return it->second;
  QColor c(name);
  if (!c.isValid()) throw Fail{"no colour " + name.toStdString()};
  return c;
}

// A number ("2", "-1,5") or a multiple of π ("pi", "-pi/2", "3pi/4", "2π/3"), so that the angles
// of the goniometric graphs are written exactly.
double Number(const QString& s) {
  QString t = s;
  t.replace(',', '.');
  t.replace(QStringLiteral("π"), QStringLiteral("pi"));
  bool ok = false;
  double v = t.toDouble(&ok);
  if (ok) return v;
  const int at = t.indexOf("pi");
  if (at < 0) throw Fail{"no number " + s.toStdString()};
  QString factor = t.left(at), divisor = t.mid(at + 2);
  double value = M_PI;
  if (factor == "-") {
    value = -value;
  } else if (!factor.isEmpty() && factor != "+") {
    value *= factor.toDouble(&ok);
    if (!ok) throw Fail{"no number " + s.toStdString()};
  }
  if (!divisor.isEmpty()) {
    const double d = divisor.startsWith('/') ? divisor.mid(1).toDouble(&ok) : 0;
    if (!ok || d == 0) throw Fail{"no number " + s.toStdString()};
    value /= d;
  }
  return value;
}

// A step of the grid or the ticks: a number, or a multiple of π ("pi", "pi/2", "2pi/3", "π").
struct Step {
  double value = 0;          // 0: off
  int piNum = 0, piDen = 0;  // a multiple of π: value = piNum/piDen · π
};

Step ReadStep(const QString& word) {
  Step s;
  if (word == "off") return s;
  QString w = word;
  w.replace(QStringLiteral("π"), QStringLiteral("pi"));
  int at = w.indexOf("pi");
  if (at < 0) {
    s.value = Number(w);
    if (s.value <= 0) throw Fail{"a step must be positive"};
    return s;
  }
  QString num = w.left(at), den = w.mid(at + 2);
  s.piNum = num.isEmpty() ? 1 : static_cast<int>(Number(num));
  s.piDen = 1;
  if (!den.isEmpty()) {
    if (!den.startsWith('/')) throw Fail{"no step " + word.toStdString()};
    s.piDen = static_cast<int>(Number(den.mid(1)));
  }
  if (s.piNum <= 0 || s.piDen <= 0) throw Fail{"no step " + word.toStdString()};
  s.value = M_PI * s.piNum / s.piDen;
  return s;
}

// Splits a line into words; a "quoted text" is one word.
QStringList Words(const QString& line) {
  QStringList out;
  QString cur;
  bool quoted = false, any = false;
  for (QChar c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
      continue;
    }
    if (c.isSpace() && !quoted) {
      if (any) out << cur;
      cur.clear();
      any = false;
      continue;
    }
    cur += c;
    any = true;
  }
  if (quoted) throw Fail{"a text is not closed"};
  if (any) out << cur;
  return out;
}

// The options after the positional words: "color red", "dashed", "width 2" ...
struct Options {
  std::map<QString, QString> values;
  double scale = 1;  // of the sizes in pixels, for a used source drawn larger
  bool Has(const char* flag) const { return values.count(flag) != 0; }
  QString Get(const char* key, const QString& fallback) const {
    auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
  }
  double Pixels(const char* key, double fallback) const {
    auto it = values.find(key);
    return (it == values.end() ? fallback : Number(it->second)) * scale;
  }
};

Options ReadOptions(const QStringList& w, int from, double scale) {
  static const QStringList flags = {"dashed", "full", "open", "italic", "bold", "overlap"};
  static const QStringList keys = {"color", "width",  "from", "to", "radius",
                                   "size",  "anchor", "dx",   "dy", "background"};
  Options o;
  o.scale = scale;
  for (int i = from; i < w.size(); ++i) {
    if (flags.contains(w[i])) {
      o.values[w[i]] = "1";
    } else if (keys.contains(w[i]) && i + 1 < w.size()) {
      o.values[w[i]] = w[i + 1];
      ++i;
    } else {
      throw Fail{"unknown option " + w[i].toStdString()};
    }
  }
  return o;
}

// One statement of the source or of a source it uses.
struct Statement {
  QString where;  // "line 4" or "layouts/CGraf/u01a.graph line 4"
  QStringList words;
  double scale = 1;
};

QString Where(const QString& file, int line) {
  return (file.isEmpty() ? QString() : file + " ") + "line " + QString::number(line);
}

StageSet StageStatement(const QStringList& w) {
  StageSet set;
  if (w.size() != 2 || !ReadStages(w[1], set))
    throw Fail{"stage takes stages from 1: stage 2, stage 2-3, stage 1-3,6"};
  return set;
}

// The stage that shows the statements of every stage.
constexpr int kEveryStage = -1;

// The statements that show at `stage`, the used sources' statements in place of their `use`.
void Read(const QByteArray& source, const QString& file, int stage, double scale, int depth,
          const SourceOpener& open, std::vector<Statement>& out) {
  std::vector<std::pair<int, QStringList>> lines;
  int n = 0, last = 0;
  for (const QString& raw : QString::fromUtf8(source).split('\n')) {
    ++n;
    QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    try {
      lines.emplace_back(n, Words(line));
      if (lines.back().second[0] == "stage")
        last = std::max(last, StageStatement(lines.back().second).Last());
    } catch (const Fail& f) {
      throw At(Where(file, n), f);
    }
  }
  const std::string named = file.isEmpty() ? "the source" : file.toStdString();
  if (last == 0 && stage > 0) throw Fail{named + " has no stages"};
  if (last > 0 && stage == 0)
    throw Fail{named + " has stages 1 to " + std::to_string(last) + "; name one with #"};
  if (stage > last) {
    throw Fail{named + " has no stage " + std::to_string(stage) + " (1 to " + std::to_string(last) +
               ")"};
  }
  StageSet shown{{{1, INT_MAX}}};
  for (const auto& [line, w] : lines) {
    const QString where = Where(file, line);
    try {
      if (w[0] == "stage") {
        shown = StageStatement(w);
        continue;
      }
      if (stage > 0 && !shown.Has(stage)) continue;
      if (w[0] == "use") {
        if (w.size() != 2 && !(w.size() == 4 && w[2] == "scale"))
          throw Fail{"use takes a path and an optional scale: use layouts/X/a.graph scale 1.5"};
        if (depth >= 4) throw Fail{"sources use each other too deep"};
        PictureReference ref;
        if (!SplitPictureReference(w[1].toStdString(), ref))
          throw Fail{"no stage in " + w[1].toStdString()};
        if (!ref.file.ends_with(".graph")) throw Fail{"a graph can use only a graph"};
        QByteArray text;
        if (!open || !open(ref.file, text)) throw Fail{"no source " + ref.file};
        const double factor = w.size() == 4 ? Number(w[3]) : 1;
        if (factor <= 0) throw Fail{"a scale must be positive"};
        std::vector<Statement> used;
        Read(text, QString::fromStdString(ref.file), ref.stage, scale * factor, depth + 1, open,
             used);
        for (Statement& s : used) {
          if (s.words[0] != "size") out.push_back(std::move(s));
        }
        continue;
      }
    } catch (const Fail& f) {
      throw At(where, f);
    }
    out.push_back({where, w, scale});
  }
}

// A text as it is set: pieces of one font each, placed from the start of the baseline.
struct Piece {
  QString text;
  QFont font;
  QPointF at;
};

struct SetText {
  std::vector<Piece> pieces;
  double advance = 0;
  QRectF ink;  // relative to the start of the baseline
};

QFont BookFont(double pixels, bool italic, bool bold) {
  QFont f(QStringLiteral("Liberation Serif"));
  f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setItalic(italic);
  f.setBold(bold);
  return f;
}

// Sets a text with \m{...} formulas in it. Where an italic run meets an upright one, the
// overhang of the italic letter is added, so that "funkce f" and "1/x" keep their distances.
SetText Set(const QString& text, double pixels, bool italic, bool bold) {
  std::vector<MathRun> runs;
  for (int i = 0; i < text.size();) {
    const int m = text.indexOf(QStringLiteral("\\m{"), i);
    int end = 0;
    const QString formula = m < 0 ? QString() : Braced(text, m + 2, end);
    if (m >= 0 && formula.isNull()) throw Fail{"a \\m{ is not closed"};
    const QString plain = text.mid(i, (m < 0 ? text.size() : m) - i);
    if (!plain.isEmpty()) runs.push_back({plain, italic, 0});
    if (m < 0) break;
    for (MathRun& r : MathRuns(formula)) runs.push_back(std::move(r));
    i = end;
  }
  SetText out;
  double x = 0;
  bool first = true;
  for (size_t k = 0; k < runs.size(); ++k) {
    const MathRun& r = runs[k];
    if (r.text.isEmpty()) continue;
    const double size = pixels * std::pow(0.7, std::abs(r.script));
    QFont f = BookFont(size, r.italic, bold);
    QFontMetricsF fm(f);
    if (!first && k > 0 && runs[k - 1].italic != r.italic) {
      const MathRun& prev = runs[k - 1];
      QFontMetricsF pm(BookFont(pixels * std::pow(0.7, std::abs(prev.script)), prev.italic, bold));
      if (prev.italic) x += std::max(0.0, -pm.rightBearing(prev.text.back()));
      if (r.italic) x += std::max(0.0, -fm.leftBearing(r.text.front()));
    }
    double shift = 0;
    if (r.script > 0) shift = -pixels * 0.35 * r.script;
    if (r.script < 0) shift = pixels * 0.18 * -r.script;
    Piece p{r.text, f, QPointF(x, shift)};
    QRectF ink = fm.tightBoundingRect(r.text).translated(p.at);
    out.ink = first ? ink : out.ink.united(ink);
    out.pieces.push_back(p);
    x += fm.horizontalAdvance(r.text);
    first = false;
  }
  if (out.pieces.empty()) throw Fail{"an empty text"};
  out.advance = x;
  return out;
}

// "3", "−2", "0,5"; for a multiple of π "π/2", "π", "3π/2", "−π".
QString TickText(double v, const Step& step) {
  if (step.piDen == 0) {
    QString s = QString::number(v, 'g', 6);
    s.replace('-', QChar(0x2212));
    s.replace('.', ',');
    return s;
  }
  int num = static_cast<int>(std::lround(v / M_PI * step.piDen));
  int den = step.piDen;
  const int g = std::gcd(std::abs(num), den);
  num /= g;
  den /= g;
  QString s = num < 0 ? QString(QChar(0x2212)) : QString();
  if (std::abs(num) != 1) s += QString::number(std::abs(num));
  s += QStringLiteral("π");
  if (den != 1) s += "/" + QString::number(den);
  return s;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double len2 = QPointF::dotProduct(d, d);
  double t = len2 > 0 ? QPointF::dotProduct(p - a, d) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const QPointF q = a + t * d - p;
  return std::sqrt(QPointF::dotProduct(q, q));
}

bool SegmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
  auto side = [](QPointF o, QPointF p, QPointF q) {
    return (p.x() - o.x()) * (q.y() - o.y()) - (p.y() - o.y()) * (q.x() - o.x());
  };
  const double d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
  return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

// How far a segment keeps off a rectangle; 0 when it enters it.
double SegmentToRect(QPointF a, QPointF b, const QRectF& r) {
  if (r.contains(a) || r.contains(b)) return 0;
  const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  double best = 1e9;
  for (int i = 0; i < 4; ++i) {
    const QPointF c = corners[i], d = corners[(i + 1) % 4];
    if (SegmentsCross(a, b, c, d)) return 0;
    best = std::min(
        {best, DistanceToSegment(c, a, b), DistanceToSegment(a, c, d), DistanceToSegment(b, c, d)});
  }
  return best;
}

// Something drawn that a label must keep off: lines of a width, or a disc.
struct Mark {
  QList<QPolygonF> lines;
  double reach = 0;               // half the line's width, or the disc's radius
  std::optional<QPointF> centre;  // of a disc
  QString where;
  std::vector<QRectF> covered;  // by a fill drawn later

  bool Crosses(const QRectF& box) const {
    for (const QRectF& c : covered) {
      if (c.contains(box)) return false;
    }
    if (centre) {
      const QPointF nearest(std::clamp(centre->x(), box.left(), box.right()),
                            std::clamp(centre->y(), box.top(), box.bottom()));
      const QPointF d = nearest - *centre;
      return std::sqrt(QPointF::dotProduct(d, d)) < reach;
    }
    const QRectF near = box.adjusted(-reach, -reach, reach, reach);
    for (const QPolygonF& line : lines) {
      // A level line has an empty bounding rectangle, which intersects nothing.
      if (!line.boundingRect().adjusted(-1, -1, 1, 1).intersects(near)) continue;
      for (int i = 0; i + 1 < line.size(); ++i) {
        if (SegmentToRect(line[i], line[i + 1], box) < reach) return true;
      }
    }
    return false;
  }
};

// A text label and where it stands.
struct Label {
  SetText set;
  QPointF origin;
  QString text, where;
  bool mayCross = false;
  double pad = 0;  // of the badge behind the text
  QRectF Box() const { return set.ink.translated(origin).adjusted(-pad, -pad, pad, pad); }
};

// Where an automatic label was drawn: on a rim or not; nowhere (no room) when empty.
struct Placed {
  QPointF at;
  bool rim = false;
};
using Places = std::map<QString, std::optional<Placed>>;

class Graph {
 public:
  Graph(int w, int h) : w_(w), h_(h) {}

  bool Steady() const { return steady_; }
  const Places& AutomaticLabels() const { return placed_; }
  // The automatic labels stand where `places` says (those it names).
  void PlaceLabelsAs(const Places& places) { given_ = &places; }

  void Setup(const std::vector<Statement>& statements) {
    for (const Statement& s : statements) {
      const QStringList& l = s.words;
      try {
        if (l[0] == "view") {
          if (l.size() != 5) throw Fail{"view takes four numbers"};
          x0_ = Number(l[1]);
          x1_ = Number(l[2]);
          y0_ = Number(l[3]);
          y1_ = Number(l[4]);
          if (!(x1_ > x0_ && y1_ > y0_)) throw Fail{"an empty view"};
        } else if (l[0] == "background") {
          bg_ = ColorNamed(l.value(1));
        } else if (l[0] == "grid") {
          ReadSteps(l, gridX_, gridY_, nullptr);
        } else if (l[0] == "axes") {
          axes_ = l.value(1) != "off";
        } else if (l[0] == "labels") {
          const QString v = l.value(1, "on");
          if (v != "on" && v != "off" && v != "axes" && v != "units")
            throw Fail{"labels takes on, axes, units or off"};
          axisNames_ = v == "on" || v == "axes";
          unitLabels_ = v == "on" || v == "units";
          labelSize_ = 0;
          if (l.size() == 4 && l[2] == "size") {
            labelSize_ = Number(l[3]);
          } else if (l.size() > 2) {
            throw Fail{"labels takes on, axes, units or off, then optionally size N"};
          }
        } else if (l[0] == "ticks") {
          tickSize_ = 0;
          ReadSteps(l, tickX_, tickY_, &tickSize_);
        } else if (l[0] == "steady") {
          if (l.size() != 1) throw Fail{"steady takes nothing"};
          steady_ = true;
        }
      } catch (const Fail& f) {
        throw At(s.where, f);
      }
    }
  }

  double PX(double x) const { return (x - x0_) / (x1_ - x0_) * w_; }
  double PY(double y) const { return (y1_ - y) / (y1_ - y0_) * h_; }

  void Background(QPainter& p) const {
    p.fillRect(QRect(0, 0, w_, h_), bg_);
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
    for (double x : Multiples(gridX_, x0_, x1_)) {
      double px = std::floor(PX(x)) + 0.5;
      p.drawLine(QPointF(px, 0), QPointF(px, h_));
    }
    for (double y : Multiples(gridY_, y0_, y1_)) {
      double py = std::floor(PY(y)) + 0.5;
      p.drawLine(QPointF(0, py), QPointF(w_, py));
    }
    if (!axes_) return;
    p.setPen(QPen(Qt::black, 1));
    if (y0_ <= 0 && 0 <= y1_) p.drawLine(QPointF(0, AxisY()), QPointF(w_, AxisY()));
    if (x0_ <= 0 && 0 <= x1_) p.drawLine(QPointF(AxisX(), 0), QPointF(AxisX(), h_));
    // Tick marks across the axes.
    const double m = TickFont().pixelSize() / 4.0;
    for (double x : Multiples(tickX_, x0_, x1_)) {
      if (std::abs(x) < 1e-9 || PX(x) < 1 || PX(x) > w_ - 1) continue;
      double px = std::floor(PX(x)) + 0.5;
      p.drawLine(QPointF(px, AxisY() - m), QPointF(px, AxisY() + m));
    }
    for (double y : Multiples(tickY_, y0_, y1_)) {
      if (std::abs(y) < 1e-9 || PY(y) < 1 || PY(y) > h_ - 1) continue;
      double py = std::floor(PY(y)) + 0.5;
      p.drawLine(QPointF(AxisX() - m, py), QPointF(AxisX() + m, py));
    }
  }

  // Draws one statement and remembers what labels must keep off.
  void Draw(QPainter& p, const Statement& s) {
    const QStringList& l = s.words;
    const QString& k = l[0];
    if (k == "plot") {
      if (l.size() < 2) throw Fail{"plot needs an expression"};
      Options o = ReadOptions(l, 2, s.scale);
      QPen pen = Pen(o, "red", 2);
      bool seen = false;
      QPainterPath path = Plot(l[1], o, seen);
      // A curve that never shows is a fault of its formula or its view, not an empty picture.
      if (!seen) {
        throw Fail{"the plot " + l[1].toStdString() +
                   " draws nothing in the view (the expression is undefined there or its values "
                   "lie outside)"};
      }
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawPath(path);
      Keep(path, pen.widthF(), s.where);
    } else if (k == "point") {
      if (l.size() < 3) throw Fail{"point needs x and y"};
      Options o = ReadOptions(l, 3, s.scale);
      double r = o.Pixels("radius", 3);
      QColor c = ColorNamed(o.Get("color", "red"));
      p.setPen(QPen(c, 1.5 * s.scale));
      p.setBrush(o.Has("open") ? bg_ : c);
      QPointF at(PX(Number(l[1])), PY(Number(l[2])));
      p.drawEllipse(at, r, r);
      marks_.push_back({{}, r + 0.75 * s.scale, at, s.where, {}});
    } else if (k == "segment") {
      if (l.size() < 5) throw Fail{"segment needs two points"};
      Options o = ReadOptions(l, 5, s.scale);
      QPen pen = Pen(o, "navy", 1.5);
      QPainterPath path(QPointF(PX(Number(l[1])), PY(Number(l[2]))));
      path.lineTo(QPointF(PX(Number(l[3])), PY(Number(l[4]))));
      p.setPen(pen);
      p.drawPath(path);
      Keep(path, pen.widthF(), s.where);
    } else if (k == "vline" || k == "hline") {
      if (l.size() < 2) throw Fail{k.toStdString() + " needs a value"};
      Options o = ReadOptions(l, 2, s.scale);
      QPen pen = Pen(o, "navy", 1);
      double v = Number(l[1]);
      QPainterPath path;
      if (k == "vline") {
        path.moveTo(PX(v), 0);
        path.lineTo(PX(v), h_);
      } else {
        path.moveTo(0, PY(v));
        path.lineTo(w_, PY(v));
      }
      p.setPen(pen);
      p.drawPath(path);
      Keep(path, pen.widthF(), s.where);
    } else if (k == "fill") {
      if (l.size() < 5) throw Fail{"fill needs two corners"};
      Options o = ReadOptions(l, 5, s.scale);
      const QRectF r = QRectF(QPointF(PX(Number(l[1])), PY(Number(l[2]))),
                              QPointF(PX(Number(l[3])), PY(Number(l[4]))))
                           .normalized();
      p.fillRect(r, ColorNamed(o.Get("color", "white")));
      // What lies below is hidden: labels on the fill keep off only what comes later.
      for (Mark& m : marks_) m.covered.push_back(r);
      fills_.push_back(r);
    } else if (k == "band") {
      // A domain or a range shaded: translucent, so that the grid, the axes and what lies
      // below show through. Labels may stand on it.
      if (l.size() < 4 || (l[1] != "x" && l[1] != "y"))
        throw Fail{"band takes an axis and two values: band x -2 3"};
      Options o = ReadOptions(l, 4, s.scale);
      QColor c = ColorNamed(o.Get("color", "#0000c0"));
      c.setAlphaF(0.2);
      // Values far outside the view (an unbounded interval) end at its edge.
      auto x = [&](const QString& v) { return std::clamp(PX(Number(v)), -1.0, w_ + 1.0); };
      auto y = [&](const QString& v) { return std::clamp(PY(Number(v)), -1.0, h_ + 1.0); };
      const QRectF r = l[1] == "x" ? QRectF(QPointF(x(l[2]), 0), QPointF(x(l[3]), h_))
                                   : QRectF(QPointF(0, y(l[2])), QPointF(w_, y(l[3])));
      p.fillRect(r.normalized(), c);
    } else if (k == "text") {
      if (l.size() < 4) throw Fail{"text needs x, y and the text"};
      Options o = ReadOptions(l, 4, s.scale);
      Label label;
      label.set = Set(l[3], o.Pixels("size", 14), o.Has("italic"), o.Has("bold"));
      double x = PX(Number(l[1])) + o.Pixels("dx", 0);
      double y = PY(Number(l[2])) + o.Pixels("dy", 0);
      QString anchor = o.Get("anchor", "start");
      if (anchor == "middle") x -= label.set.advance / 2;
      if (anchor == "end") x -= label.set.advance;
      if (anchor != "start" && anchor != "middle" && anchor != "end")
        throw Fail{"anchor is start, middle or end"};
      label.origin = QPointF(x, y);
      label.text = l[3];
      label.where = s.where;
      label.mayCross = o.Has("overlap");
      if (o.Has("background")) {
        // A badge: a pill of the colour behind the text.
        label.pad = o.Pixels("size", 14) * 0.2;
        const QRectF box = label.Box();
        const double r = std::min(box.width(), box.height()) / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(ColorNamed(o.Get("background", "white")));
        p.drawRoundedRect(box, r, r);
      }
      Paint(p, label.set, label.origin, ColorNamed(o.Get("color", "black")), false);
      labels_.push_back(label);
    } else if (k != "size" && k != "view" && k != "background" && k != "grid" && k != "axes" &&
               k != "labels" && k != "ticks" && k != "steady") {
      throw Fail{"unknown statement " + k.toStdString()};
    }
  }

  // The axes' names and the numbers at their ticks, placed off the axes and off what is drawn
  // where they can be, else on a rim of the background colour.
  void AxisLabels(QPainter& p) {
    if (!axes_) return;
    // The author's labels, the title bands and the labels placed so far.
    std::vector<QRectF> taken = fills_;
    for (const Label& l : labels_) taken.push_back(l.Box());
    if (axisNames_) {
      // "x" below the axis at its right end, else above; "y" right of the axis at the top of
      // what the title bands leave of it, else left.
      SetText x = Set("x", LabelPixels(), true, false);
      SetText y = Set("y", LabelPixels(), true, false);
      const double xLeft = w_ - x.ink.right() - 3;
      if (y0_ <= 0 && 0 <= y1_) {
        Place(p, "x", x,
              {{xLeft, AxisY() + 3 - x.ink.top()}, {xLeft, AxisY() - 3 - x.ink.bottom()}},
              Qt::black, taken);
      }
      const double axisTop = VisibleTopOfYAxis();
      if (x0_ <= 0 && 0 <= x1_ && axisTop < h_) {
        // Clear of a tick mark beside it (a name below a band often meets one).
        const double yTop = axisTop + 3 - y.ink.top();
        double off = 4;
        for (double v : Multiples(tickY_, y0_, y1_)) {
          const double at = std::floor(PY(v)) + 0.5;
          if (std::abs(v) > 1e-9 && at >= yTop + y.ink.top() - 1 && at <= yTop + y.ink.bottom() + 1)
            off = std::max(off, TickFont().pixelSize() / 4.0 + 2);
        }
        Place(p, "y", y,
              {{AxisX() + off - y.ink.left(), yTop}, {AxisX() - off - y.ink.right(), yTop}},
              Qt::black, taken);
      }
    }
    // The numbers at the ticks, or with `labels` alone the unit on each axis.
    Step sx = tickX_, sy = tickY_;
    std::vector<double> xs = Multiples(sx, x0_, x1_), ys = Multiples(sy, y0_, y1_);
    double pixels = TickFont().pixelSize();
    QColor color(0x30, 0x30, 0x30);
    if (sx.value == 0 && sy.value == 0 && unitLabels_) {
      sx.value = sy.value = 1;
      xs = ys = {1};
      pixels = LabelPixels();
      color = Qt::black;
    }
    // Off the tick marks, or close to the axis where there are none.
    const double gap = sx.value > 0 && tickX_.value > 0 ? pixels / 4.0 + 2 : 2;
    if (y0_ <= 0 && 0 <= y1_) {
      for (double v : xs) {
        // None at the origin, nor at the picture's edge, where it would stand beside its tick.
        if (std::abs(v) < 1e-9 || PX(v) < 2 || PX(v) > w_ - 2) continue;
        if (Hidden(QPointF(std::floor(PX(v)) + 0.5, AxisY()))) continue;
        SetText t = Set(TickText(v, sx), pixels, false, false);
        const double x = PX(v) - t.advance / 2;
        // Beside the tick on either side, then farther off the axis, then along it.
        const double below = AxisY() + gap - t.ink.top(), above = AxisY() - gap - t.ink.bottom();
        const double aside = t.ink.width() / 2 + gap;
        const std::vector<QPointF> places = {
            {x, below},         {x, above},         {x, below + gap},   {x, above - gap},
            {x - aside, below}, {x + aside, below}, {x - aside, above}, {x + aside, above}};
        Place(p, "x " + TickText(v, sx), t, places, color, taken);
      }
    }
    if (x0_ <= 0 && 0 <= x1_) {
      for (double v : ys) {
        if (std::abs(v) < 1e-9 || PY(v) < 2 || PY(v) > h_ - 2) continue;
        if (Hidden(QPointF(AxisX(), std::floor(PY(v)) + 0.5))) continue;
        SetText t = Set(TickText(v, sy), pixels, false, false);
        const double y = PY(v) - t.ink.center().y();
        const double left = AxisX() - gap - t.ink.right(), right = AxisX() + gap - t.ink.left();
        const double aside = t.ink.height() / 2 + gap;
        const std::vector<QPointF> places = {
            {left, y},         {right, y},        {left - gap, y},    {right + gap, y},
            {left, y - aside}, {left, y + aside}, {right, y - aside}, {right, y + aside}};
        Place(p, "y " + TickText(v, sy), t, places, color, taken);
      }
    }
  }

  // Every label that crosses something drawn, one message each.
  std::vector<std::string> Crossings() const {
    std::vector<std::string> out;
    for (const Label& label : labels_) {
      if (label.mayCross) continue;
      for (const Mark& m : marks_) {
        if (m.Crosses(label.Box())) {
          out.push_back((label.where + ": the label \"" + label.text + "\" crosses what " +
                         m.where + " draws (move it, or mark it overlap)")
                            .toStdString());
          break;
        }
      }
    }
    return out;
  }

 private:
  static std::vector<double> Multiples(const Step& step, double from, double to) {
    std::vector<double> out;
    if (step.value <= 0) return out;
    for (long k = static_cast<long>(std::ceil(from / step.value - 1e-9));
         k * step.value <= to + 1e-9; ++k) {
      out.push_back(k * step.value);
    }
    return out;
  }

  void ReadSteps(const QStringList& l, Step& x, Step& y, double* size) {
    if (l.size() == 2) {
      x = y = ReadStep(l[1]);
      return;
    }
    x = y = Step{};
    int i = 1;
    // "ticks 2 size 11": one step for both axes, then the options.
    if (l.size() > 1 && l[1] != "x" && l[1] != "y" && l[1] != "size") {
      x = y = ReadStep(l[1]);
      i = 2;
    }
    for (; i < l.size(); i += 2) {
      if (i + 1 >= l.size()) throw Fail{"a value is missing after " + l[i].toStdString()};
      if (l[i] == "x") {
        x = ReadStep(l[i + 1]);
      } else if (l[i] == "y") {
        y = ReadStep(l[i + 1]);
      } else if (l[i] == "size" && size) {
        *size = Number(l[i + 1]);
      } else {
        throw Fail{"unknown option " + l[i].toStdString()};
      }
    }
  }

  // Whether a title band hides this point of an axis (a tick): its number would name nothing.
  bool Hidden(QPointF at) const {
    for (const QRectF& r : fills_) {
      if (r.contains(at)) return true;
    }
    return false;
  }

  // Where the y axis comes out from under the title bands that cover its top (bands laid one
  // on another count as one); the picture's height when they cover all of it.
  double VisibleTopOfYAxis() const {
    double top = 0;
    for (bool lower = true; lower;) {
      lower = false;
      for (const QRectF& r : fills_) {
        if (r.left() <= AxisX() && AxisX() <= r.right() && r.top() <= top + 0.5 &&
            r.bottom() > top) {
          top = r.bottom();
          lower = true;
        }
      }
    }
    return top;
  }

  double AxisY() const { return std::floor(PY(0)) + 0.5; }
  double AxisX() const { return std::floor(PX(0)) + 0.5; }
  double LabelPixels() const { return labelSize_ > 0 ? labelSize_ : std::clamp(h_ / 16, 10, 17); }
  QFont TickFont() const {
    double px = tickSize_ > 0 ? tickSize_ : std::clamp(std::min(w_, h_) / 28.0, 10.0, 14.0);
    return BookFont(px, false, false);
  }

  // Draws an automatic label at the first place where it fits and crosses nothing drawn; where
  // every place crosses something, at the first place on a rim. With places given by another
  // drawing (`steady`), where that drawing put it.
  void Place(QPainter& p, const QString& key, const SetText& t, const std::vector<QPointF>& places,
             QColor color, std::vector<QRectF>& taken) {
    if (given_) {
      auto it = given_->find(key);
      if (it != given_->end()) {
        if (it->second) {
          Paint(p, t, it->second->at, color, it->second->rim);
          taken.push_back(t.ink.translated(it->second->at));
        }
        return;
      }
    }
    placed_[key];  // left out unless placed below
    const QRectF picture(0, 0, w_, h_);
    const QPointF* fitting = nullptr;
    for (const QPointF& at : places) {
      QRectF box = t.ink.translated(at);
      bool free = picture.contains(box);
      for (const QRectF& r : taken) free = free && !r.intersects(box);
      if (!free) continue;
      if (!fitting) fitting = &at;
      bool crosses = false;
      for (const Mark& m : marks_) crosses = crosses || m.Crosses(box);
      if (!crosses) {
        Paint(p, t, at, color, false);
        taken.push_back(box);
        placed_[key] = Placed{at, false};
        return;
      }
    }
    if (!fitting) return;  // no room: the label is left out
    Paint(p, t, *fitting, color, true);
    taken.push_back(t.ink.translated(*fitting));
    placed_[key] = Placed{*fitting, true};
  }

  void Paint(QPainter& p, const SetText& t, QPointF at, QColor color, bool rim) const {
    if (rim) {
      QPainterPath path;
      for (const Piece& piece : t.pieces) path.addText(at + piece.at, piece.font, piece.text);
      p.setPen(QPen(bg_, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(path);
    }
    p.setPen(color);
    for (const Piece& piece : t.pieces) {
      p.setFont(piece.font);
      p.drawText(at + piece.at, piece.text);
    }
  }

  void Keep(const QPainterPath& path, double width, const QString& where) {
    marks_.push_back({path.toSubpathPolygons(), width / 2, {}, where, {}});
  }

  QPen Pen(const Options& o, const char* color, double width) const {
    QPen pen(ColorNamed(o.Get("color", color)), o.Pixels("width", width));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (o.Has("dashed")) pen.setDashPattern({4, 3});
    return pen;
  }

  // `seen`: whether any of the curve lies in the view.
  QPainterPath Plot(const QString& expr, const Options& o, bool& seen) const {
    TokenList list;
    if (!ParseExpression(expr.toStdString(), list))
      throw Fail{"no expression " + expr.toStdString()};
    CompiledExpression f(std::move(list));
    double a = std::max(x0_, Number(o.Get("from", QString::number(x0_, 'g', 17))));
    double b = std::min(x1_, Number(o.Get("to", QString::number(x1_, 'g', 17))));
    QPainterPath path;
    if (b <= a) return path;
    const int n = std::max(2, static_cast<int>((PX(b) - PX(a)) * 2));  // two samples a pixel
    const double far = 1000;
    SignRing ring;
    InitRing(ring);
    bool first = true, penDown = false;
    double last = 0;
    for (int i = 0; i <= n; ++i) {
      double x = a + (b - a) * i / n;
      bool defined = true, jump = false;
      double y = f.Evaluate(x, defined, jump, first, ring);
      if (defined) first = false;
      if (defined && (y > y1_ + far || y < y0_ - far)) defined = false;
      if (!defined) {
        penDown = false;
        continue;
      }
      QPointF pt(PX(x), PY(y));
      if (penDown && !jump) {
        path.lineTo(pt);
        // A steep piece may cross the view between two samples.
        seen = seen || (std::min(last, y) <= y1_ && std::max(last, y) >= y0_);
      } else {
        path.moveTo(pt);
      }
      seen = seen || (y0_ <= y && y <= y1_);
      last = y;
      penDown = true;
    }
    return path;
  }

  int w_, h_;
  double x0_ = -5, x1_ = 5, y0_ = -5, y1_ = 5;
  Step gridX_{1}, gridY_{1}, tickX_, tickY_;
  double tickSize_ = 0, labelSize_ = 0;
  bool axes_ = true, axisNames_ = false, unitLabels_ = false;
  QColor bg_ = QColor(0xE7, 0xE5, 0xE5);
  std::vector<Mark> marks_;
  std::vector<Label> labels_;
  std::vector<QRectF> fills_;  // automatic labels keep off them
  bool steady_ = false;
  Places placed_;                  // where the automatic labels were drawn, by axis and text
  const Places* given_ = nullptr;  // where to draw them instead
};

}  // namespace

bool StageSet::Has(int stage) const {
  for (const auto& [from, to] : ranges) {
    if (from <= stage && stage <= to) return true;
  }
  return false;
}

int StageSet::Last() const {
  int last = 0;
  for (const auto& [from, to] : ranges) last = std::max(last, to == INT_MAX ? from : to);
  return last;
}

bool ReadStages(const QString& text, StageSet& out) {
  out.ranges.clear();
  for (const QString& item : text.split(',')) {
    const QStringList parts = item.trimmed().split('-');
    bool ok1 = false, ok2 = true;
    const int from = parts[0].toInt(&ok1);
    const int to = parts.size() == 2 ? parts[1].toInt(&ok2) : INT_MAX;
    if (parts.size() > 2 || !ok1 || !ok2 || from < 1 || to < from) return false;
    out.ranges.emplace_back(from, to);
  }
  return true;
}

QString TickLabel(int k, const QString& step) {
  try {
    const Step s = ReadStep(step);
    return TickText(k * s.value, s);
  } catch (const Fail&) {
    return QString();
  }
}

std::vector<QRectF> LabelInk(const QString& text, double pixels) {
  std::vector<QRectF> out;
  try {
    for (const Piece& p : Set(text, pixels, false, false).pieces)
      out.push_back(QFontMetricsF(p.font).tightBoundingRect(p.text).translated(p.at));
  } catch (const Fail&) {
  }
  return out;
}

bool GraphStatedSize(const QByteArray& source, int& width, int& height) {
  for (const QString& raw : QString::fromUtf8(source).split('\n')) {
    const QStringList w = raw.simplified().split(' ');
    if (w.size() == 3 && w[0] == "size") {
      bool ok1 = false, ok2 = false;
      width = w[1].toInt(&ok1);
      height = w[2].toInt(&ok2);
      return ok1 && ok2 && width > 0 && height > 0;
    }
  }
  return false;
}

std::vector<std::string> GraphUses(const QByteArray& source) {
  std::vector<std::string> out;
  for (const QString& raw : QString::fromUtf8(source).split('\n')) {
    const QStringList w = raw.simplified().split(' ');
    PictureReference ref;
    if (w.size() >= 2 && w[0] == "use" && SplitPictureReference(w[1].toStdString(), ref))
      out.push_back(ref.file);
  }
  return out;
}

namespace {

// Draws the statements: the background, each statement, the automatic labels.
void DrawGraph(QImage& img, Graph& g, const std::vector<Statement>& statements) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  g.Background(p);
  for (const Statement& s : statements) {
    try {
      g.Draw(p, s);
    } catch (const Fail& f) {
      throw At(s.where, f);
    }
  }
  g.AxisLabels(p);
}

}  // namespace

QImage RenderGraph(const GraphInput& in, std::string& error) {
  QImage img(in.width, in.height, QImage::Format_RGB32);
  try {
    std::vector<Statement> statements;
    Read(in.source, QString(), in.stage, 1, 0, in.open, statements);
    Graph g(in.width, in.height);
    g.Setup(statements);
    // A steady source places its automatic labels once, off what any of its stages draws, so
    // that they do not move from stage to stage.
    Graph whole(in.width, in.height);
    if (in.stage > 0 && g.Steady()) {
      std::vector<Statement> every;
      Read(in.source, QString(), kEveryStage, 1, 0, in.open, every);
      whole.Setup(every);
      QImage scratch(in.width, in.height, QImage::Format_RGB32);
      DrawGraph(scratch, whole, every);
      g.PlaceLabelsAs(whole.AutomaticLabels());
    }
    DrawGraph(img, g, statements);
    std::vector<std::string> crossings = g.Crossings();
    if (!crossings.empty()) {
      error = crossings[0];
      for (size_t i = 1; i < crossings.size(); ++i) error += "; " + crossings[i];
      return QImage();
    }
  } catch (const Fail& f) {
    error = f.why;
    return QImage();
  }
  return img;
}
