// The text form of layouts, and which of their properties are pictures.
#include "platform/layout_text.h"

#include <gtest/gtest.h>

#include "platform/layout_pictures.h"

namespace {

TEST(LayoutText, ValuesOfEveryKind) {
  LayoutObject o = ParseLayout(R"(
object frmX: TfrmX
  Caption = 'Lineární funkce'
  Quote = 'it''s'
  Joined = 'a' +
    'b'#13#10'c'
  Color = $C0DCC0
  Height = -29
  Ratio = 1.5
  Style = [fsBold, fsItalic]
  Empty = []
  Align = alTop
  Lines.Strings = (
    '   blanks kept   '
    '')
  // a comment
  object Child: TLabel
    Caption = 'x'
  end
end
)",
                               "x.lay");
  EXPECT_EQ(o.name, "frmX");
  EXPECT_EQ(o.className, "TfrmX");
  EXPECT_EQ(o.Find("Caption")->value.text, "Lineární funkce");
  EXPECT_EQ(o.Find("Quote")->value.text, "it's");
  EXPECT_EQ(o.Find("Joined")->value.text, "ab\r\nc");
  EXPECT_EQ(o.Find("Color")->value.integer, 0xC0DCC0);
  EXPECT_EQ(o.Find("Height")->value.integer, -29);
  EXPECT_DOUBLE_EQ(o.Find("Ratio")->value.number, 1.5);
  EXPECT_EQ(o.Find("Style")->value.items, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(o.Find("Empty")->value.items.empty());
  EXPECT_EQ(o.Find("Align")->value.kind, LayoutValue::Kind::Ident);
  EXPECT_EQ(o.Find("lines.strings")->value.items,
            (std::vector<std::string>{"   blanks kept   ", ""}));
  ASSERT_EQ(o.children.size(), 1u);
  EXPECT_EQ(o.children[0].line, 17);
}

TEST(LayoutText, ErrorsNameFileAndLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"object a: TA\n  Caption = 'open\nend\n", "x.lay:2: unterminated string"},
      {"object a: TA\n  Caption = 'x'\n", "x.lay:3: 'end' of object a is missing"},
      {"thing a: TA\nend\n", "x.lay:1: 'object' was expected"},
      {"object a TA\nend\n", "x.lay:1: ':' was expected"},
      {"object a: TA\n  Style = [fsBold\nend\n", "x.lay:3: ']' was expected"},
      {"object a: TA\nend\nobject b: TB\nend\n", "x.lay:3: text after the last 'end'"},
  };
  for (const auto& c : cases) {
    try {
      ParseLayout(c.text, "x.lay");
      ADD_FAILURE() << "parsed: " << c.text;
    } catch (const ELayoutError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(LayoutPictures, EveryPicturePropertyWithItsSizeFormatAndBackground) {
  LayoutObject o = ParseLayout(R"(
object frmX: TfrmX
  Color = clMoneyGreen
  Icon = 'Main/zalmira.svg'
  object GroupBox1: TGroupBox
    object img: TImage
      Width = 337
      Height = 170
      Picture = 'X/img.html'
    end
  end
  object Panel: TPanel
    Color = clWhite
    object photo: TImage
      Picture = 'X/photo.jpg'
    end
  end
  object list: TImageList
    Width = 46
    Height = 22
    Pictures.Strings = ('a.svg' 'b.png.svg')
  end
end
)",
                               "x.lay");
  auto uses = PictureUses(o);
  ASSERT_EQ(uses.size(), 5u);
  EXPECT_EQ(RenderedPictureName(uses[0].source, uses[0].width, uses[0].height, uses[0].format),
            "Main/zalmira.svg.png");
  EXPECT_EQ(RenderedPictureName(uses[1].source, uses[1].width, uses[1].height, uses[1].format),
            "X/img.html@337x170.jpg");
  EXPECT_EQ(uses[1].background.text, "clMoneyGreen") << "the colour of the group box's form";
  EXPECT_EQ(RenderedPictureName(uses[2].source, uses[2].width, uses[2].height, uses[2].format),
            "X/photo.jpg");
  EXPECT_EQ(uses[2].background.text, "clWhite");
  EXPECT_EQ(RenderedPictureName(uses[3].source, uses[3].width, uses[3].height, uses[3].format),
            "a.svg@46x22.png");
  EXPECT_EQ(RenderedPictureName(uses[4].source, 0, 0, PictureFormat::Jpeg), "b.png.svg.png");
}

TEST(LayoutPictures, AStageOfASourceIsNamedAfterAHash) {
  const struct {
    const char* reference;
    bool valid;
    const char* file;
    int stage;
    const char* rendered;  // at 424 × 200
  } cases[] = {
      {"Def/priklad.svg#5", true, "Def/priklad.svg", 5, "Def/priklad.svg#5@424x200.jpg"},
      {"Graf/body.graph#12", true, "Graf/body.graph", 12, "Graf/body.graph#12@424x200.jpg"},
      {"Def/priklad.svg", true, "Def/priklad.svg", 0, "Def/priklad.svg@424x200.jpg"},
      {"a.png.svg#2", true, "a.png.svg", 2, "a.png.svg#2@424x200.png"},
      {"Def/priklad.svg#0", false, "Def/priklad.svg", 0, nullptr},
      {"Def/priklad.svg#", false, "Def/priklad.svg", 0, nullptr},
      {"Def/priklad.svg#2a", false, "Def/priklad.svg", 0, nullptr},
  };
  for (const auto& c : cases) {
    PictureReference ref;
    EXPECT_EQ(SplitPictureReference(c.reference, ref), c.valid) << c.reference;
    EXPECT_EQ(ref.file, c.file) << c.reference;
    if (!c.valid) continue;
    EXPECT_EQ(ref.stage, c.stage) << c.reference;
    EXPECT_EQ(RenderedPictureName(c.reference, 424, 200, PictureFormat::Jpeg), c.rendered);
  }
}

}  // namespace
