#include "tools/graph_source.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>
#include <map>
#include <vector>

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"

namespace {

struct Fail {
  std::string why;
};

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

double Number(const QString& s) {
  QString t = s;
  t.replace(',', '.');
  bool ok = false;
  double v = t.toDouble(&ok);
  if (!ok) throw Fail{"no number " + s.toStdString()};
  return v;
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
  bool Has(const char* flag) const { return values.count(flag) != 0; }
  QString Get(const char* key, const QString& fallback) const {
    auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
  }
};

Options ReadOptions(const QStringList& w, int from) {
  static const QStringList flags = {"dashed", "full", "open", "italic", "bold"};
  static const QStringList keys = {"color", "width",  "from", "to", "radius",
                                   "size",  "anchor", "dx",   "dy"};
  Options o;
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

class Graph {
 public:
  Graph(int w, int h) : w_(w), h_(h) {}

  void Setup(const std::vector<QStringList>& lines) {
    for (const QStringList& l : lines) {
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
        grid_ = l.value(1) == "off" ? 0 : Number(l.value(1));
      } else if (l[0] == "axes") {
        axes_ = l.value(1) != "off";
      } else if (l[0] == "labels") {
        labels_ = l.value(1) != "off";
      }
    }
  }

  double PX(double x) const { return (x - x0_) / (x1_ - x0_) * w_; }
  double PY(double y) const { return (y1_ - y) / (y1_ - y0_) * h_; }

  void Background(QPainter& p) const {
    p.fillRect(QRect(0, 0, w_, h_), bg_);
    if (grid_ > 0) {
      p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
      for (double x = std::ceil(x0_ / grid_) * grid_; x <= x1_ + 1e-9; x += grid_) {
        double px = std::floor(PX(x)) + 0.5;
        p.drawLine(QPointF(px, 0), QPointF(px, h_));
      }
      for (double y = std::ceil(y0_ / grid_) * grid_; y <= y1_ + 1e-9; y += grid_) {
        double py = std::floor(PY(y)) + 0.5;
        p.drawLine(QPointF(0, py), QPointF(w_, py));
      }
    }
    if (axes_) {
      p.setPen(QPen(Qt::black, 1));
      if (y0_ <= 0 && 0 <= y1_) {
        double py = std::floor(PY(0)) + 0.5;
        p.drawLine(QPointF(0, py), QPointF(w_, py));
      }
      if (x0_ <= 0 && 0 <= x1_) {
        double px = std::floor(PX(0)) + 0.5;
        p.drawLine(QPointF(px, 0), QPointF(px, h_));
      }
    }
    if (labels_) {
      QFont f(QStringLiteral("Liberation Serif"));
      f.setPixelSize(std::max(10, std::min(15, h_ / 16)));
      f.setItalic(true);
      p.setFont(f);
      p.setPen(Qt::black);
      QFontMetrics fm(f);
      p.drawText(QPointF(w_ - fm.horizontalAdvance('x') - 3, PY(0) + fm.ascent() + 1), "x");
      p.drawText(QPointF(PX(0) + 4, fm.ascent() + 1), "y");
      f.setItalic(false);
      p.setFont(f);
      p.drawText(QPointF(PX(1) - fm.horizontalAdvance('1') / 2.0, PY(0) + fm.ascent() + 1), "1");
      p.drawText(QPointF(PX(0) - fm.horizontalAdvance('1') - 3, PY(1) + fm.ascent() / 2.0), "1");
    }
  }

  QPen Pen(const Options& o, const char* color, double width) const {
    QPen pen(ColorNamed(o.Get("color", color)), Number(o.Get("width", QString::number(width))));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (o.Has("dashed")) pen.setDashPattern({4, 3});
    return pen;
  }

  void Plot(QPainter& p, const QString& expr, const Options& o) const {
    TokenList list;
    if (!ParseExpression(expr.toStdString(), list))
      throw Fail{"no expression " + expr.toStdString()};
    CompiledExpression f(std::move(list));
    double a = std::max(x0_, Number(o.Get("from", QString::number(x0_, 'g', 17))));
    double b = std::min(x1_, Number(o.Get("to", QString::number(x1_, 'g', 17))));
    if (b <= a) return;
    const int n = std::max(2, static_cast<int>((PX(b) - PX(a)) * 2));  // two samples a pixel
    const double far = 1000;
    SignRing ring;
    InitRing(ring);
    bool first = true, penDown = false;
    QPainterPath path;
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
      } else {
        path.moveTo(pt);
      }
      penDown = true;
    }
    p.setPen(Pen(o, "red", 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }

  void Draw(QPainter& p, const QStringList& l) const {
    const QString& k = l[0];
    if (k == "plot") {
      if (l.size() < 2) throw Fail{"plot needs an expression"};
      Plot(p, l[1], ReadOptions(l, 2));
    } else if (k == "point") {
      if (l.size() < 3) throw Fail{"point needs x and y"};
      Options o = ReadOptions(l, 3);
      double r = Number(o.Get("radius", "3"));
      QColor c = ColorNamed(o.Get("color", "red"));
      p.setPen(QPen(c, 1.5));
      p.setBrush(o.Has("open") ? bg_ : c);
      p.drawEllipse(QPointF(PX(Number(l[1])), PY(Number(l[2]))), r, r);
    } else if (k == "segment") {
      if (l.size() < 5) throw Fail{"segment needs two points"};
      Options o = ReadOptions(l, 5);
      p.setPen(Pen(o, "navy", 1.5));
      p.drawLine(QPointF(PX(Number(l[1])), PY(Number(l[2]))),
                 QPointF(PX(Number(l[3])), PY(Number(l[4]))));
    } else if (k == "vline" || k == "hline") {
      if (l.size() < 2) throw Fail{k.toStdString() + " needs a value"};
      Options o = ReadOptions(l, 2);
      p.setPen(Pen(o, "navy", 1));
      double v = Number(l[1]);
      if (k == "vline") {
        p.drawLine(QPointF(PX(v), 0), QPointF(PX(v), h_));
      } else {
        p.drawLine(QPointF(0, PY(v)), QPointF(w_, PY(v)));
      }
    } else if (k == "text") {
      if (l.size() < 4) throw Fail{"text needs x, y and the text"};
      Options o = ReadOptions(l, 4);
      QFont f(QStringLiteral("Liberation Serif"));
      f.setPixelSize(static_cast<int>(Number(o.Get("size", "14"))));
      f.setItalic(o.Has("italic"));
      f.setBold(o.Has("bold"));
      p.setFont(f);
      p.setPen(ColorNamed(o.Get("color", "black")));
      QFontMetrics fm(f);
      double x = PX(Number(l[1])) + Number(o.Get("dx", "0"));
      double y = PY(Number(l[2])) + Number(o.Get("dy", "0"));
      double tw = fm.horizontalAdvance(l[3]);
      QString anchor = o.Get("anchor", "start");
      if (anchor == "middle") x -= tw / 2;
      if (anchor == "end") x -= tw;
      p.drawText(QPointF(x, y), l[3]);
    } else if (k != "size" && k != "view" && k != "background" && k != "grid" && k != "axes" &&
               k != "labels") {
      throw Fail{"unknown statement " + k.toStdString()};
    }
  }

 private:
  int w_, h_;
  double x0_ = -5, x1_ = 5, y0_ = -5, y1_ = 5, grid_ = 1;
  bool axes_ = true, labels_ = false;
  QColor bg_ = QColor(0xE7, 0xE5, 0xE5);
};

std::vector<std::pair<int, QStringList>> Statements(const QByteArray& source) {
  std::vector<std::pair<int, QStringList>> out;
  int n = 0;
  for (const QString& raw : QString::fromUtf8(source).split('\n')) {
    ++n;
    QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    try {
      out.emplace_back(n, Words(line));
    } catch (const Fail& f) {
      throw Fail{"line " + std::to_string(n) + ": " + f.why};
    }
  }
  return out;
}

}  // namespace

bool GraphStatedSize(const QByteArray& source, int& width, int& height) {
  try {
    for (const auto& [n, w] : Statements(source)) {
      if (w[0] == "size" && w.size() == 3) {
        width = static_cast<int>(Number(w[1]));
        height = static_cast<int>(Number(w[2]));
        return width > 0 && height > 0;
      }
    }
  } catch (const Fail&) {
  }
  return false;
}

QImage RenderGraph(const QByteArray& source, int width, int height, std::string& error) {
  QImage img(width, height, QImage::Format_RGB32);
  int line = 0;
  try {
    auto statements = Statements(source);
    Graph g(width, height);
    std::vector<QStringList> words;
    for (const auto& [n, w] : statements) words.push_back(w);
    g.Setup(words);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    g.Background(p);
    for (const auto& [n, w] : statements) {
      line = n;
      g.Draw(p, w);
    }
  } catch (const Fail& f) {
    error = (line ? "line " + std::to_string(line) + ": " : std::string()) + f.why;
    return QImage();
  }
  return img;
}
