// The picture compiler's rendering of rich text and drawings.
#include "tools/picture_sources.h"

#include <gtest/gtest.h>

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
  };
  for (const auto& c : cases) {
    QString out = ExpandShorthands(QString::fromUtf8(c.source));
    EXPECT_TRUE(out.contains(QString::fromUtf8(c.contains)))
        << c.source << " -> " << out.toStdString();
  }
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

}  // namespace
