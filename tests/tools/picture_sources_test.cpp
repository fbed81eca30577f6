// The picture compiler's rendering of rich text, drawings, graphs and references.
#include "tools/picture_sources.h"

#include <gtest/gtest.h>

#include <map>

#include "tools/math_text.h"

namespace {

TEST(Shorthands, ExpandIntoTheRenderedHtml) {
  const struct {
    const char* source;
    const char* contains;
  } cases[] = {
      {"\\frac{1}{x}", "border-bottom: 1px solid black"},
      {"\\frac{1}{x}",
       ">1</td></tr><tr><td align=\"center\" style=\"padding: 1px 3px 0px 3px\">x<"},
      {"\\sqrt{x + 1}", "√<span style=\"text-decoration: overline\">x + 1</span>"},
      {"\\f{y = \\frac{a}{b} + c}",
       "<td valign=\"middle\">y&nbsp;=&nbsp;</td><td valign=\"middle\"><table"},
      {"\\f{y = \\frac{a}{b} + c}", "<td valign=\"middle\">&nbsp;+&nbsp;c</td></tr></table>"},
      {"\\frac{\\sqrt{2}}{2}", "√<span style=\"text-decoration: overline\">2</span></td>"},
      {"a \\frac{1}{2 b", "a \\frac{1}{2 b"},  // unbalanced: left as written
      {"{braces} stay", "{braces} stay"},
      {"\\m{y = \\frac{1}{x} - 2}", "<i>y</i>\u00A0=\u00A0</td><td valign=\"middle\"><table"},
      {"\\m{y = \\frac{1}{x} - 2}", "<td valign=\"middle\">\u2060\u202F−\u202F2</td>"},
      {"\\m{\\sqrt{x - 1}}", "√<span style=\"text-decoration: overline\"><i>x</i>\u202F−\u202F1"},
      // a root in the text of a formula line keeps its tag whole
      {"\\f{tg \\sqrt{3} = \\frac{π}{3}}",
       "tg&nbsp;√<span style=\"text-decoration: overline\">3</span>&nbsp;=&nbsp;</td>"},
      {"\\m{x = \\sqrt{3} + \\frac{1}{2}}", "√<span style=\"text-decoration: overline\">3</span>"},
  };
  for (const auto& c : cases) {
    QString out = ExpandShorthands(QString::fromUtf8(c.source));
    EXPECT_TRUE(out.contains(QString::fromUtf8(c.contains)))
        << c.source << " -> " << out.toStdString();
  }
}

// The formulas of \\m{...}: italic variables, upright numbers and names, true minus signs and
// the spaces of the book.
TEST(MathText, SetsFormulasInTheBooksTypography) {
  const struct {
    const char *formula, *html;
  } cases[] = {
      {"f(x) = 2x - 1", "<i>f</i>(<i>x</i>)\u00A0=\u00A02<i>x</i>\u202F−\u202F1"},
      {"f(x)=2x-1", "<i>f</i>(<i>x</i>)\u00A0=\u00A02<i>x</i>\u202F−\u202F1"},
      {"-x + 1", "−<i>x</i>\u202F+\u202F1"},
      {"y = -3x", "<i>y</i>\u00A0=\u00A0−3<i>x</i>"},
      {"f(-x) = 2", "<i>f</i>(−<i>x</i>)\u00A0=\u00A02"},
      {"x ∈ ⟨-2; 2⟩", "<i>x</i>\u00A0∈\u00A0⟨−2;\u00A02⟩"},
      {"D(f) = {-3; 0}", "<i>D</i>(<i>f</i>)\u00A0=\u00A0{−3;\u00A00}"},
      {"y = 2,5x", "<i>y</i>\u00A0=\u00A02,5<i>x</i>"},
      {"x^2 - 4x + 3", "<i>x</i><sup>2</sup>\u202F−\u202F4<i>x</i>\u202F+\u202F3"},
      {"x^{-1} + a_1", "<i>x</i><sup>−1</sup>\u202F+\u202F<i>a</i><sub>1</sub>"},
      {"y = sin x", "<i>y</i>\u00A0=\u00A0sin\u202F<i>x</i>"},
      {"arcsinx", "arcsin\u202F<i>x</i>"},
      {"cotg(2x)", "cotg(2<i>x</i>)"},
      {"log_{2} x", "log<sub>2</sub>\u202F<i>x</i>"},
      {"sgn -x", "sgn\u202F−<i>x</i>"},
      {"|-x| - 1", "|−<i>x</i>|\u202F−\u202F1"},
      {"x < 2, x >= 1", "<i>x</i>\u00A0&lt;\u00A02,\u00A0<i>x</i>\u00A0≥\u00A01"},
      {"x &lt; 2", "<i>x</i>\u00A0&lt;\u00A02"},
      {"2 * 3", "2\u202F·\u202F3"},
      {"y = ±π/2", "<i>y</i>\u00A0=\u00A0±π/2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MathHtml(MathRuns(QString::fromUtf8(c.formula))), QString::fromUtf8(c.html))
        << c.formula;
  }
  EXPECT_EQ(MathHtml(MathRuns(" - 2", true)), QString::fromUtf8("\u202F−\u202F2"))
      << "after a fraction a sign is binary";
}

RenderResult Html(const char* text, int w, int h) {
  RenderRequest r;
  r.kind = SourceKind::Html;
  r.text = text;
  r.width = w;
  r.height = h;
  return RenderSource(r);
}

TEST(RenderSource, AFormulaBrokenAcrossLinesFailsAWrappedParagraphDoesNot) {
  EXPECT_NE(Html("<div style=\"font-size: 20px\">\\f{<i>g</i>(<i>x</i>) = <i>x</i>² − 4<i>x</i> + "
                 "3}</div>",
                 120, 60)
                .error.find("breaks across lines"),
            std::string::npos);
  EXPECT_NE(Html("Platí \\m{g(x) = x^2 - 4x + 3} pro všechna čísla.", 120, 60)
                .error.find("breaks across lines"),
            std::string::npos);
  EXPECT_EQ(Html("<p>Definiční obor funkce je množina všech čísel, pro která má předpis "
                 "smysl.</p>",
                 120, 120)
                .error,
            "")
      << "a paragraph wraps";
  EXPECT_EQ(Html("Víme, že pro všechna reálná čísla platí \\m{x^2 ≥ 0}.", 120, 80).error, "")
      << "the text wraps around a formula that stays on one line";
  EXPECT_EQ(Html("\\f{<i>y</i> = \\frac{1}{<i>x</i>}}", 120, 60).error, "");
}

// The rows of a picture that hold dark ink, as runs [first, last].
std::vector<std::pair<int, int>> InkRows(const QImage& image) {
  std::vector<std::pair<int, int>> rows;
  for (int y = 0; y < image.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < image.width() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 110;
    if (!ink) continue;
    if (!rows.empty() && rows.back().second == y - 1) {
      rows.back().second = y;
    } else {
      rows.emplace_back(y, y);
    }
  }
  return rows;
}

// The columns of a picture that hold dark ink, as runs [first, last].
std::vector<std::pair<int, int>> InkColumns(const QImage& image) {
  std::vector<std::pair<int, int>> columns;
  for (int x = 0; x < image.width(); ++x) {
    bool ink = false;
    for (int y = 0; y < image.height() && !ink; ++y) ink = qGray(image.pixel(x, y)) < 110;
    if (!ink) continue;
    if (!columns.empty() && columns.back().second == x - 1) {
      columns.back().second = x;
    } else {
      columns.emplace_back(x, x);
    }
  }
  return columns;
}

TEST(RenderSource, AFractionKeepsItsSpaceFromAnOperatorOrANameBesideIt) {
  // The fraction's rule is the widest run of ink; what stands beside it must not touch it. Qt's
  // text engine drops a thin space that begins or ends a table cell.
  for (const char* source :
       {"\\m{\\frac{1}{x} - 2}", "\\m{2 - \\frac{1}{x}}", "\\m{sin \\frac{π}{3}}"}) {
    SCOPED_TRACE(source);
    RenderResult r =
        Html((std::string("<div style=\"font-size: 20px\">") + source + "</div>").c_str(), 200, 80);
    ASSERT_EQ(r.error, "");
    const auto columns = InkColumns(r.image);
    size_t rule = 0;
    for (size_t i = 1; i < columns.size(); ++i) {
      if (columns[i].second - columns[i].first > columns[rule].second - columns[rule].first)
        rule = i;
    }
    ASSERT_GE(columns.size(), 3u);
    if (rule > 0) EXPECT_GE(columns[rule].first - columns[rule - 1].second, 4) << "before the rule";
    if (rule + 1 < columns.size()) {
      EXPECT_GE(columns[rule + 1].first - columns[rule].second, 4) << "after the rule";
    }
  }
}

TEST(RenderSource, AFractionsRuleHasTheColourOfItsText) {
  const struct {
    const char* source;
    QColor colour;
  } cases[] = {
      {"<div style=\"font-size: 20px; color: #c00000\">\\m{\\frac{1}{x}}</div>",
       QColor(0xc0, 0, 0)},
      {"<div style=\"color: #000080\"><p>\\f{y = \\frac{a}{b}}</p></div>", QColor(0, 0, 0x80)},
      {"<div style=\"color: #c00000\"><span>a</span></div>\\frac{1}{2}", QColor(0, 0, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    RenderResult r = Html(c.source, 200, 80);
    ASSERT_EQ(r.error, "");
    // The rule: the longest horizontal run of ink.
    int bestRow = -1, bestStart = 0, bestLength = 0;
    for (int y = 0; y < r.image.height(); ++y) {
      for (int x = 0, start = 0; x <= r.image.width(); ++x) {
        const bool ink = x < r.image.width() && qGray(r.image.pixel(x, y)) < 200;
        if (!ink) {
          if (x - start > bestLength) bestRow = y, bestStart = start, bestLength = x - start;
          start = x + 1;
        }
      }
    }
    ASSERT_GE(bestLength, 8);
    const QColor rule(r.image.pixel(bestStart + bestLength / 2, bestRow));
    EXPECT_LE(std::abs(rule.red() - c.colour.red()), 40) << rule.name().toStdString();
    EXPECT_LE(std::abs(rule.green() - c.colour.green()), 40) << rule.name().toStdString();
    EXPECT_LE(std::abs(rule.blue() - c.colour.blue()), 40) << rule.name().toStdString();
  }
}

TEST(RenderSource, TheLastLineStandsAsFarFromTheOthersAsTheyDo) {
  // The line break after the closing tag once gave the last line the height of the default
  // font.
  RenderResult r = Html("<div style=\"font-size: 11px\">xxxx<br>xxxx<br>xxxx</div>\n", 80, 60);
  ASSERT_EQ(r.error, "");
  auto rows = InkRows(r.image);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].first - rows[0].first, rows[2].first - rows[1].first);
}

TEST(RenderSource, SizesBackgroundsAndErrors) {
  RenderRequest html;
  html.kind = SourceKind::Html;
  html.text = "<p>Definiční obor funkce</p>";
  html.width = 200;
  html.height = 40;
  html.background = QColor(0xC0, 0xDC, 0xC0);
  RenderResult r = RenderSource(html);
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.image.size(), QSize(200, 40));
  EXPECT_EQ(r.image.pixelColor(199, 39), QColor(0xC0, 0xDC, 0xC0)) << "the page colour behind";

  html.height = 8;
  EXPECT_NE(RenderSource(html).error.find("needs"), std::string::npos)
      << "text taller than the box";

  RenderRequest stated = html;
  stated.width = stated.height = 0;
  stated.text = "<!-- size 320x100 --><p>x</p>";
  EXPECT_EQ(RenderSource(stated).image.size(), QSize(320, 100));
  stated.text = "<p>no size</p>";
  EXPECT_FALSE(RenderSource(stated).error.empty());

  RenderRequest svg;
  svg.kind = SourceKind::Svg;
  svg.text =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"46\" height=\"22\">"
      "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>";
  svg.transparent = true;
  r = RenderSource(svg);
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.image.size(), QSize(46, 22));
  EXPECT_EQ(r.image.pixelColor(3, 3), QColor(255, 0, 0));
  EXPECT_EQ(r.image.pixelColor(30, 15).alpha(), 0) << "transparent around the drawing";
  svg.text = "<svg this is broken";
  EXPECT_FALSE(RenderSource(svg).error.empty()) << "no size either";
  svg.width = 46;
  svg.height = 22;
  EXPECT_EQ(RenderSource(svg).error, "the SVG does not parse");
}

bool Reddish(QColor c) {
  return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}

TEST(GraphSource, DrawsByTheEngineAndBreaksAtAsymptotes) {
  RenderRequest g;
  g.kind = SourceKind::Graph;
  g.width = g.height = 40;
  g.text = "view -2 2 -2 2\nplot x color red width 1\n";
  RenderResult r = RenderSource(g);
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_TRUE(Reddish(r.image.pixelColor(30, 9))) << "y = x at (1; 1)";
  EXPECT_EQ(r.image.pixelColor(5, 2), QColor(0xE7, 0xE5, 0xE5)) << "the graph background";

  g.text = "view -2 2 -2 2\naxes off\ngrid off\nplot 1/x color red width 1\n";
  r = RenderSource(g);
  ASSERT_TRUE(r.error.empty()) << r.error;
  for (int row : {5, 10, 30, 35}) {
    EXPECT_FALSE(Reddish(r.image.pixelColor(20, row))) << "no line across x = 0, row " << row;
  }
  EXPECT_TRUE(Reddish(r.image.pixelColor(30, 10))) << "the branch through (1; 1)";

  g.text = "size 50 30\nview 0 5 0 3\n";
  int w = 0, h = 0;
  EXPECT_TRUE(StatedSize(SourceKind::Graph, g.text, w, h));
  EXPECT_EQ(QSize(w, h), QSize(50, 30));

  const struct {
    const char* text;
    const char* error;
  } faults[] = {
      {"plot sin(x\n", "line 1: no expression sin(x"},
      {"view 0 1 0 1\nplot x color violett\n", "line 2: no colour violett"},
      {"circle 0 0 1\n", "line 1: unknown statement circle"},
      {"text 0 0 \"open\n", "line 1: a text is not closed"},
      {"point 1 2 shiny\n", "line 1: unknown option shiny"},
  };
  for (const auto& f : faults) {
    g.text = f.text;
    EXPECT_EQ(RenderSource(g).error, f.error) << f.text;
  }
}

RenderResult Graph(const char* text, int stage = 0,
                   const std::map<std::string, QByteArray>& files = {}) {
  RenderRequest g;
  g.kind = SourceKind::Graph;
  g.width = g.height = 40;
  g.text = text;
  g.stage = stage;
  g.open = [files](const std::string& path, QByteArray& out) {
    auto it = files.find(path);
    if (it == files.end()) return false;
    out = it->second;
    return true;
  };
  return RenderSource(g);
}

int RedPixelsInColumn(const QImage& image, int x) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) n += Reddish(image.pixelColor(x, y));
  return n;
}

TEST(GraphSource, StagesShowTheirStatements) {
  const char* staged =
      "view -2 2 -2 2\naxes off\ngrid off\n"
      "plot 1 color red width 3\n"              // every stage: y = 1 at row 10
      "stage 2-2\nplot -1 color red width 3\n"  // stage 2 only: row 30
      "stage 3\nplot 0 color red width 3\n";    // from stage 3: row 20
  const struct {
    int stage;
    bool rows[3];  // rows 10, 20, 30
  } cases[] = {{1, {true, false, false}}, {2, {true, false, true}}, {3, {true, true, false}}};
  for (const auto& c : cases) {
    RenderResult r = Graph(staged, c.stage);
    ASSERT_EQ(r.error, "") << c.stage;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Reddish(r.image.pixelColor(5, 10 + 10 * i)), c.rows[i])
          << "stage " << c.stage << ", row " << 10 + 10 * i;
    }
  }
  EXPECT_EQ(Graph(staged).error, "the source has stages 1 to 3; name one with #");
  EXPECT_EQ(Graph(staged, 4).error, "the source has no stage 4 (1 to 3)");
  EXPECT_EQ(Graph("plot x\n", 1).error, "the source has no stages");
  EXPECT_EQ(Graph("stage 3-2\n", 1).error,
            "line 1: stage takes stages from 1: stage 2, stage 2-3, stage 1-3,6");

  RenderRequest svg;
  svg.kind = SourceKind::Svg;
  svg.text =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"30\" height=\"10\">"
      "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\" fill=\"#ff0000\"/>"
      "<rect x=\"10\" y=\"0\" width=\"10\" height=\"10\" fill=\"#ff0000\" data-stage=\"1-1,3\"/>"
      "<g data-stage=\"2\"><rect x=\"20\" y=\"0\" width=\"10\" height=\"10\" "
      "fill=\"#ff0000\"/></g></svg>";
  const struct {
    int stage;
    bool boxes[3];
  } svgCases[] = {{1, {true, true, false}}, {2, {true, false, true}}, {3, {true, true, true}}};
  for (const auto& c : svgCases) {
    svg.stage = c.stage;
    RenderResult r = RenderSource(svg);
    ASSERT_EQ(r.error, "") << c.stage;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Reddish(r.image.pixelColor(5 + 10 * i, 5)), c.boxes[i])
          << "stage " << c.stage << ", box " << i;
    }
  }
  svg.stage = 0;
  EXPECT_EQ(RenderSource(svg).error, "the drawing has stages 1 to 3; name one with #");
  svg.stage = 5;
  EXPECT_EQ(RenderSource(svg).error, "the drawing has no stage 5 (1 to 3)");
}

TEST(GraphSource, AReferenceDrawsTheUsedSourceLargerAndAddsItsOwnStatements) {
  const std::map<std::string, QByteArray> files = {
      {"layouts/X/small.graph",
       "size 20 20\nview -2 2 -2 2\naxes off\ngrid off\nplot 0 color red width 2\n"
       "stage 2\nvline 1 color red width 2\n"},
  };
  RenderResult plain = Graph("use layouts/X/small.graph#1\n", 0, files);
  ASSERT_EQ(plain.error, "");
  RenderResult larger = Graph("use layouts/X/small.graph#1 scale 2\n", 0, files);
  ASSERT_EQ(larger.error, "");
  EXPECT_EQ(RedPixelsInColumn(larger.image, 5), 2 * RedPixelsInColumn(plain.image, 5))
      << "twice the line's width";
  EXPECT_EQ(plain.image.size(), QSize(40, 40)) << "the reference's size, not the used one's";
  EXPECT_FALSE(Reddish(plain.image.pixelColor(30, 5))) << "stage 1 has no vertical line";
  RenderResult staged = Graph("use layouts/X/small.graph#2\nhline 1 color red\n", 0, files);
  ASSERT_EQ(staged.error, "");
  EXPECT_TRUE(Reddish(staged.image.pixelColor(30, 5))) << "stage 2's vertical line";
  EXPECT_TRUE(Reddish(staged.image.pixelColor(5, 10))) << "the reference's own line";

  EXPECT_EQ(Graph("use layouts/X/none.graph\n", 0, files).error,
            "line 1: no source layouts/X/none.graph");
  EXPECT_EQ(Graph("use layouts/X/small.graph\n", 0, files).error,
            "line 1: layouts/X/small.graph has stages 1 to 2; name one with #");
  EXPECT_EQ(Graph("use layouts/X/bad.graph\n", 0, {{"layouts/X/bad.graph", "plot (\n"}}).error,
            "layouts/X/bad.graph line 1: no expression (");

  RenderRequest ref;
  ref.kind = SourceKind::Ref;
  ref.text = "use layouts/X/a.svg#2\nsize 60 20\n";
  ref.open = [](const std::string& path, QByteArray& out) {
    out =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"30\" height=\"10\">"
        "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\" fill=\"#ff0000\" "
        "data-stage=\"2\"/><rect x=\"10\" y=\"0\" width=\"1\" height=\"1\" "
        "data-stage=\"1\"/></svg>";
    return path == "layouts/X/a.svg";
  };
  RenderResult r = RenderSource(ref);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.image.size(), QSize(60, 20));
  EXPECT_TRUE(Reddish(r.image.pixelColor(15, 15))) << "the drawing at twice its size";
  ref.text = "use layouts/X/a.svg#2\nsize 60 20\nplot x\n";
  EXPECT_EQ(RenderSource(ref).error,
            "line 3: a reference holds `use PATH [scale F]` and `size W H` only");
  // A text laid out at the reference's size divided by the scale, then drawn larger.
  ref.open = [](const std::string&, QByteArray& out) {
    out = "<p>Definiční obor</p>";
    return true;
  };
  ref.text = "use layouts/X/t.html scale 2\nsize 300 60\n";
  EXPECT_EQ(RenderSource(ref).error, "");
  ref.text = "use layouts/X/t.html scale 3\nsize 300 60\n";
  EXPECT_NE(RenderSource(ref).error.find("the picture has 20"), std::string::npos)
      << RenderSource(ref).error;
}

TEST(GraphSource, TicksAreLabelledAsTheBookWritesNumbers) {
  const struct {
    int k;
    const char *step, *label;
  } cases[] = {
      {3, "1", "3"},     {-2, "1", "−2"},     {3, "0,5", "1,5"},    {1, "pi/2", "π/2"},
      {2, "pi/2", "π"},  {3, "pi/2", "3π/2"}, {4, "pi/2", "2π"},    {-1, "pi/2", "−π/2"},
      {-2, "π/2", "−π"}, {1, "pi", "π"},      {2, "2pi/3", "4π/3"}, {3, "2pi/3", "2π"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TickLabel(c.k, c.step), QString::fromUtf8(c.label)) << c.k << " × " << c.step;
  }
  EXPECT_TRUE(TickLabel(1, "pi/0").isNull());
  RenderRequest g;
  g.kind = SourceKind::Graph;
  g.width = g.height = 200;
  g.text = "view -7 7 -3 3\nticks x pi/2 y 1 size 12\nlabels on\nplot sin(x)\n";
  EXPECT_EQ(RenderSource(g).error, "");
  g.text = "ticks x 1 y\n";
  EXPECT_EQ(RenderSource(g).error, "line 1: a value is missing after y");
  // One step for both axes takes the options too.
  g.text = "view -4 4 -4 4\nticks 2 size 11\nplot x^2\n";
  RenderResult one = RenderSource(g);
  ASSERT_EQ(one.error, "");
  g.text = "view -4 4 -4 4\nticks x 2 y 2 size 11\nplot x^2\n";
  EXPECT_EQ(one.image, RenderSource(g).image);
  g.text = "ticks 2 size\n";
  EXPECT_EQ(RenderSource(g).error, "line 1: a value is missing after size");
}

TEST(GraphSource, CoordinatesMayBeMultiplesOfPi) {
  // The view is ⟨−π; π⟩ both ways, 40 pixels: π/2 lies at 30 pixels from the left, −π/2 at 30
  // from the top.
  RenderResult r = Graph(
      "view -pi pi -π π\naxes off\ngrid off\npoint pi/2 -pi/2 radius 2 color red\n"
      "segment -3pi/4 0,5 -π/4 0,5 color red width 2\n");
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_TRUE(Reddish(r.image.pixelColor(30, 30)));
  EXPECT_FALSE(Reddish(r.image.pixelColor(30, 10)));
  EXPECT_TRUE(Reddish(r.image.pixelColor(10, 17))) << "the segment from −3π/4 to −π/4";
  EXPECT_FALSE(Reddish(r.image.pixelColor(17, 17)));
  for (const char* bad : {"point 2pi/0 0\n", "point xpi 0\n", "point pi2 0\n", "point 2/pi 0\n"}) {
    EXPECT_EQ(Graph(bad).error.substr(0, 17), "line 1: no number") << bad;
  }
}

// Dark pixels in the rows from..to (the axes, their names and the numbers).
int DarkPixels(const QImage& image, int from, int to) {
  int n = 0;
  for (int y = from; y < to; ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).lightness() < 180;
  }
  return n;
}

TEST(GraphSource, AxisLabelsTakeTheirSizeAndKeepOffTitleBands) {
  RenderRequest g;
  g.kind = SourceKind::Graph;
  g.width = g.height = 120;
  // The names' ink grows with their size.
  g.text = "view -4 4 -4 4\ngrid off\nlabels axes\n";
  const int plain = DarkPixels(RenderSource(g).image, 0, 120);
  g.text = "view -4 4 -4 4\ngrid off\nlabels axes size 16\n";
  const int larger = DarkPixels(RenderSource(g).image, 0, 120);
  EXPECT_GT(larger, plain + 20) << "16 px names, not the 10 px of a 120 px picture";
  g.text = "labels axes 16\n";
  EXPECT_EQ(RenderSource(g).error,
            "line 1: labels takes on, axes, units or off, then optionally size N");

  // The numbers of the y axis at -3 and -4 find no place on the band below y = -2.
  g.text = "view -4 4 -4 4\ngrid off\nticks x 1 y 1 size 11\nfill -4 -4 4 -2 color white\n";
  RenderResult r = RenderSource(g);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(DarkPixels(r.image, 91, 120), 0) << "nothing on the band";
  EXPECT_GT(DarkPixels(r.image, 0, 90), 0) << "the other numbers";
}

// The first row with dark ink in the columns columnFrom to columnTo - 1, or -1.
int FirstDarkRow(const QImage& image, int columnFrom, int columnTo) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = columnFrom; x < columnTo; ++x) {
      if (image.pixelColor(x, y).lightness() < 180) return y;
    }
  }
  return -1;
}

TEST(GraphSource, TheNameOfTheYAxisStandsBelowTheBandsThatCoverItsTop) {
  // 120 × 120 pixels over −4..4: the y axis at column 60, y = 3 at row 15, y = 2 at row 30.
  const struct {
    const char* bands;
    int top;  // of the visible axis; -1: the axis is hidden, no name
  } cases[] = {
      {"", 0},
      {"fill -4 3 4 4 color white\n", 15},
      {"fill -4 3 4 4 color white\nfill -4 2 4 3 color #f0f0c0\n", 30},  // one on another
      {"fill 1 2 4 4 color white\n", 0},                                 // beside the axis
      {"fill -4 -4 4 4 color white\n", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bands);
    RenderRequest g;
    g.kind = SourceKind::Graph;
    g.width = g.height = 120;
    g.text = QByteArray("view -4 4 -4 4\ngrid off\nlabels axes size 14\n") + c.bands;
    const RenderResult r = RenderSource(g);
    ASSERT_EQ(r.error, "");
    // Right of the axis, left of the band beside it.
    const int row = FirstDarkRow(r.image, 62, 74);
    if (c.top < 0) {
      EXPECT_EQ(DarkPixels(r.image, 0, 120), 0);
      continue;
    }
    EXPECT_GE(row, c.top + 1);
    EXPECT_LE(row, c.top + 6);
  }
  // Below the band the name meets the tick mark of 2 (row 30, columns 57 to 63): two columns
  // stay free between them.
  RenderRequest g;
  g.kind = SourceKind::Graph;
  g.width = g.height = 120;
  g.text = "view -4 4 -4 4\ngrid off\nlabels axes size 14\nticks y 1 size 12\nfill -4 2,2 4 4\n";
  const RenderResult r = RenderSource(g);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(FirstDarkRow(r.image.copy(64, 0, 2, 56), 0, 2), -1);
  EXPECT_EQ(FirstDarkRow(r.image.copy(66, 0, 20, 56), 0, 20), 30) << "the name";
}

TEST(GraphSource, ATickHiddenByABandHasNoNumber) {
  // 120 × 120 pixels over −4..4: 1 lies at row 45 and at column 75; a band 3 pixels wide
  // hides its tick on one axis.
  const struct {
    const char* band;
    QRect empty;  // no ink here, off the tick marks: the number stands neither beside the band
                  // nor on it
    QRect other;  // the number 2 of the same axis
  } cases[] = {
      {"fill -4 0,9 4 1,1", QRect(0, 36, 57, 21), QRect(0, 24, 57, 12)},
      {"fill -4 0,9 4 1,1", QRect(64, 36, 56, 21), QRect(0, 24, 57, 12)},
      {"fill 0,9 -4 1,1 4", QRect(64, 64, 22, 56), QRect(84, 64, 12, 56)},
      {"fill 0,9 -4 1,1 4", QRect(64, 0, 22, 56), QRect(84, 64, 12, 56)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.band);
    RenderRequest g;
    g.kind = SourceKind::Graph;
    g.width = g.height = 120;
    g.text = QByteArray("view -4 4 -4 4\ngrid off\nticks 1 size 11\n") + c.band + "\n";
    const RenderResult r = RenderSource(g);
    ASSERT_EQ(r.error, "");
    auto ink = [&](const QRect& area) {
      int n = 0;
      for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
          n += r.image.pixelColor(x, y).lightness() < 180;
      }
      return n;
    };
    EXPECT_EQ(ink(c.empty), 0);
    EXPECT_GT(ink(c.other), 0);
  }
}

TEST(GraphSource, APlotThatDrawsNothingInTheViewFails) {
  const std::map<std::string, QByteArray> files = {
      {"layouts/X/a.graph", "view 1 2 1 2\nplot -x\n"},
  };
  const struct {
    const char* text;
    const char* error;  // empty: fine
  } cases[] = {
      {"view 0 4 -4 4\nplot log(1;x) color red\n",  // no logarithm to base 1
       "line 2: the plot log(1;x) draws nothing in the view (the expression is undefined there "
       "or its values lie outside)"},
      {"view -4 -1 -4 4\nplot log(x)\n",
       "line 2: the plot log(x) draws nothing in the view (the expression is undefined there or "
       "its values lie outside)"},
      {"view -4 4 -4 4\nplot x^2+5\n",
       "line 2: the plot x^2+5 draws nothing in the view (the expression is undefined there or "
       "its values lie outside)"},
      {"plot x from 6 to 8\n",
       "line 1: the plot x draws nothing in the view (the expression is undefined there or its "
       "values lie outside)"},
      {"use layouts/X/a.graph\n",
       "layouts/X/a.graph line 2: the plot -x draws nothing in the view (the expression is "
       "undefined there or its values lie outside)"},
      {"view -4 -1 -4 4\nplot log(x+5)\n", ""},            // defined on a part of the view
      {"view 0 4 -4 4\nplot log(1/2;x) color red\n", ""},  // a base written as a quotient
      {"view 0 1 0 1\nplot 1000x-501\n", ""},  // crosses the view only between two samples
      {"view -4 4 -4 4\nplot tg(x)\n", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Graph(c.text, 0, files).error, c.error) << c.text;
}

TEST(GraphSource, ASteadySourceKeepsItsAutomaticLabelsInPlaceFromStageToStage) {
  // Stage 2 draws a line where the unit of the x axis stands in stage 1.
  for (bool steady : {false, true}) {
    SCOPED_TRACE(steady ? "steady" : "not steady");
    const std::string source = std::string("view -2 2 -2 2\ngrid off\nlabels units size 12\n") +
                               (steady ? "steady\n" : "") + "stage 2\nvline 1 color red width 2\n";
    RenderResult first = Graph(source.c_str(), 1), second = Graph(source.c_str(), 2);
    ASSERT_EQ(first.error, "");
    ASSERT_EQ(second.error, "");
    int moved = 0;  // pixels that differ beside the line
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const QColor a = first.image.pixelColor(x, y), b = second.image.pixelColor(x, y);
        moved += !Reddish(b) && std::abs(a.lightness() - b.lightness()) > 40;
      }
    }
    EXPECT_EQ(moved == 0, steady) << moved;
  }
  EXPECT_EQ(Graph("steady now\n").error, "line 1: steady takes nothing");
}

TEST(GraphSource, ALabelOnACurveFailsUnlessItMayOverlap) {
  const char* curve = "view -2 2 -2 2\nplot x color red\n";
  const struct {
    const char* label;
    const char* error;  // empty: fine
  } cases[] = {
      {"text 0 0 \"A\" size 12",
       "line 3: the label \"A\" crosses what line 2 draws (move it, or mark it overlap)"},
      {"text 0 0 \"A\" size 12 overlap", ""},
      {"text -1,8 1,5 \"A\" size 12", ""},
      {"point -1 1 color blue radius 3\ntext -1 1 \"B\" size 12 dx -3",
       "line 4: the label \"B\" crosses what line 3 draws (move it, or mark it overlap)"},
      {"vline -1,5 dashed\ntext -1,6 1,5 \"C\" size 12",
       "line 4: the label \"C\" crosses what line 3 draws (move it, or mark it overlap)"},
      {"fill -2 -1 2 1\ntext -0,5 0 \"on a band\" size 10", ""},
      {"text 2 -2 \"9.\" size 10 anchor end dy -2 background white", ""},
  };
  for (const auto& c : cases) {
    RenderRequest g;
    g.kind = SourceKind::Graph;
    g.width = g.height = 80;
    g.text = QByteArray(curve) + c.label + "\n";
    EXPECT_EQ(RenderSource(g).error, c.error) << c.label;
  }
}

TEST(GraphSource, ABandShadesADomainOrARangeAndWhatLiesBelowShowsThrough) {
  // 40 × 40 pixels over −2..2: x = −1 at column 10, x = 0 at column 20, y = 1 at row 10.
  const QColor ground(0xE7, 0xE5, 0xE5);
  const struct {
    const char* band;
    QPoint inside, outside;
  } cases[] = {
      {"band x -1 0", {15, 30}, {25, 30}},
      {"band x 0 -1", {15, 30}, {25, 30}},  // either order
      {"band y 0 1", {30, 15}, {30, 25}},
      {"band x 1 1000", {38, 5}, {25, 5}},  // an unbounded interval: up to the view's edge
      {"band y -1000 -1 color green", {5, 38}, {5, 25}},
  };
  for (const auto& c : cases) {
    RenderRequest g;
    g.kind = SourceKind::Graph;
    g.width = g.height = 40;
    g.text = QByteArray("view -2 2 -2 2\naxes off\ngrid off\n") + c.band + "\n";
    const RenderResult r = RenderSource(g);
    ASSERT_TRUE(r.error.empty()) << c.band << ": " << r.error;
    EXPECT_EQ(r.image.pixelColor(c.outside), ground) << c.band;
    const QColor in = r.image.pixelColor(c.inside);
    EXPECT_NE(in, ground) << c.band << " shades its interval";
    EXPECT_GT(in.lightness(), 150) << c.band << " lightly";
  }
  // The grid shows through the band, a curve drawn after it lies on top, and a label may
  // stand on it.
  RenderRequest g;
  g.kind = SourceKind::Graph;
  g.width = g.height = 40;
  g.text =
      "view -2 2 -2 2\naxes off\nband x -2 2\nplot 1 color red width 3\n"
      "text -1,8 -1,5 \"D\" size 10\n";
  const RenderResult r = RenderSource(g);
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_LT(r.image.pixelColor(10, 25).lightness(), r.image.pixelColor(15, 25).lightness())
      << "the grid line at x = −1";
  EXPECT_TRUE(Reddish(r.image.pixelColor(30, 10)));
  g.text = "band z 1 2\n";
  EXPECT_EQ(RenderSource(g).error, "line 1: band takes an axis and two values: band x -2 3");
}

TEST(GraphSource, TextAfterAnItalicRunKeepsItsDistance) {
  // "graf funkce f": the f does not touch the e; "1/x": the x keeps off the slash.
  for (const char* text : {"graf funkce \\m{f}", "\\m{y = 1/x}", "\\m{f(x)}"}) {
    const std::vector<QRectF> ink = LabelInk(QString::fromUtf8(text), 14);
    ASSERT_GE(ink.size(), 2u) << text;
    for (size_t i = 1; i < ink.size(); ++i) {
      EXPECT_GE(ink[i].left(), ink[i - 1].right() - 0.5) << text << ", run " << i;
    }
  }
}

}  // namespace
