// The text form of layouts, and which of their properties are pictures.
#include "platform/layout_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/layout_pictures.h"

namespace {

// The tree as text without the places where it was written: two layouts that read the same.
std::string Tree(const LayoutObject& o, int depth = 0) {
  std::string out = std::string(2 * depth, ' ') + o.name + ": " + o.className + "\n";
  for (const LayoutProperty& p : o.properties) {
    std::string value = DescribeValue(p.value);
    if (p.value.kind == LayoutValue::Kind::List) {
      value = "(";
      for (const std::string& line : p.value.items) value += "'" + line + "' ";
      value += ")";
    }
    out += std::string(2 * depth + 2, ' ') + p.name + " = " + value + " [" +
           std::to_string(static_cast<int>(p.value.kind)) + "]\n";
  }
  for (const LayoutObject& c : o.children) out += Tree(c, depth + 1);
  return out;
}

// A layouts folder in memory.
LayoutFileReader Files(std::map<std::string, std::string> files) {
  return [files](const std::string& path) -> std::optional<std::string> {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  };
}

const std::map<std::string, std::string> kFrames = {
    {"frames/page.lay", R"(// a page's frame
param Title
param Caption = {Title}
param Section = ''
param Heading = Label6
Caption = '{Caption}'
Color = clMoneyGreen
object Banner: TGroupBox
  Caption = 'Zalmira'
  object Chapter: TLabel
    Caption = 'Úvod'
  end
  if Section
    object Number: TLabel
      Caption = '1.{Section}'
    end
    object {Heading}: TLabel
      Caption = {Title}
    end
  end
end
)"},
    {"frames/exercise.lay", R"(param Title
param Caption = {Title}
param Section = ''
include 'frames/page.lay'
  Title = {Title}
  Caption = {Caption}
  Section = {Section}
end
inherited Banner: TGroupBox
  Caption = 'Zalmira - sbírka úloh'
  object Pencil: TSpeedButton
    Glyph = 'Common/tuzka.svg'
  end
end
)"},
};

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

TEST(LayoutExpansion, AnIncludedFrameReadsAsTheLayoutWrittenOut) {
  const struct {
    const char* page;
    const char* written;
  } cases[] = {
      // The frame with a section row; the page gives the form a caption of its own.
      {R"(object frmX: TfrmX
  include 'frames/exercise.lay'
    Title = 'Perioda'
    Section = 5
    Caption = 'Periodické funkce'
  end
  OnActivate = Akce
  object Body: TImage
  end
end
)",
       R"(object frmX: TfrmX
  Caption = 'Periodické funkce'
  Color = clMoneyGreen
  OnActivate = Akce
  object Banner: TGroupBox
    Caption = 'Zalmira - sbírka úloh'
    object Chapter: TLabel
      Caption = 'Úvod'
    end
    object Number: TLabel
      Caption = '1.5'
    end
    object Label6: TLabel
      Caption = 'Perioda'
    end
    object Pencil: TSpeedButton
      Glyph = 'Common/tuzka.svg'
    end
  end
  object Body: TImage
  end
end
)"},
      // Without a section the banner has no section row; the caption is the title.
      {R"(object frmY: TfrmY
  include 'frames/page.lay'
    Title = 'Inverzní funkce'
  end
end
)",
       R"(object frmY: TfrmY
  Caption = 'Inverzní funkce'
  Color = clMoneyGreen
  object Banner: TGroupBox
    Caption = 'Zalmira'
    object Chapter: TLabel
      Caption = 'Úvod'
    end
  end
end
)"},
      // A label of the frame under another name.
      {R"(object frmZ: TfrmZ
  include 'frames/page.lay'
    Title = 'Prostá funkce'
    Section = 6
    Heading = prosta
  end
end
)",
       R"(object frmZ: TfrmZ
  Caption = 'Prostá funkce'
  Color = clMoneyGreen
  object Banner: TGroupBox
    Caption = 'Zalmira'
    object Chapter: TLabel
      Caption = 'Úvod'
    end
    object Number: TLabel
      Caption = '1.6'
    end
    object prosta: TLabel
      Caption = 'Prostá funkce'
    end
  end
end
)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    EXPECT_EQ(Tree(ParseLayout(c.page, "x.lay", Files(kFrames))),
              Tree(ParseLayout(c.written, "w")));
  }
}

// Messages of the loader and the picture compiler name the file and line where a property was
// written: in the page or in the piece that it includes.
TEST(LayoutExpansion, EveryPropertyKeepsItsPlace) {
  const LayoutObject o = ParseLayout(
      "object frmX: TfrmX\n  include 'frames/exercise.lay'\n    Title = 'T'\n  end\n"
      "  Tag = 1\nend\n",
      "x.lay", Files(kFrames));
  EXPECT_EQ(o.Find("Caption")->file, "frames/page.lay");
  EXPECT_EQ(o.Find("Caption")->line, 6);
  EXPECT_EQ(o.Find("Tag")->file, "x.lay");
  EXPECT_EQ(o.Find("Tag")->line, 5);
  EXPECT_EQ(o.children[0].file, "frames/page.lay");
  EXPECT_EQ(o.children[0].Find("Caption")->file, "frames/exercise.lay") << "inherited, changed";
  const std::vector<PictureUse> uses = PictureUses(o);
  ASSERT_EQ(uses.size(), 1u);
  EXPECT_EQ(uses[0].file + ":" + std::to_string(uses[0].line), "frames/exercise.lay:12");
}

TEST(LayoutExpansion, RepeatBlocksReadAsTheirItemsWrittenOut) {
  const LayoutObject expanded = ParseLayout(R"(object Tab: TTabSheet
  let answers = [3, 10, 7]
  let notes = ('first' 'second')
  repeat k = 0 to 2
    let x = {letter(k)}
    object Label{28 + k}: TLabel
      Left = {4 + 390 * (k / 2)}
      Top = {27 + 75 * (k % 2)}
      Caption = '{x})'
    end
    object resu1{x}: TMemo
      Width = {16 + 2 * (answers[k] >= 10)}
      Lines.Strings = ({notes} '{answers[k]}.')
      Picture = 'CElemLin/u1{x}r.graph'
      OnClick = resu1{x}Click
      repeat n = 1 to k
        Tag = {n}
      end
    end
  end
  repeat k = 1 to 0
    object Never: TLabel
    end
  end
  inherited Label29: TLabel
    Caption = 'second'
    Visible = False
  end
  Hint = '{{ {count(notes)} }}'
  Tag = {-3 * (2 + 1) - 7 / 2}
  Name = {notes[1]}
  Kind = {notes[0]}x
end
)",
                                            "x.lay");
  const LayoutObject written = ParseLayout(R"(object Tab: TTabSheet
  Hint = '{{ 2 }}'
  Tag = -12
  Name = 'second'
  Kind = firstx
  object Label28: TLabel
    Left = 4
    Top = 27
    Caption = 'a)'
  end
  object resu1a: TMemo
    Width = 16
    Lines.Strings = ('first' 'second' '3.')
    Picture = 'CElemLin/u1ar.graph'
    OnClick = resu1aClick
  end
  object Label29: TLabel
    Left = 4
    Top = 102
    Caption = 'second'
    Visible = False
  end
  object resu1b: TMemo
    Width = 18
    Lines.Strings = ('first' 'second' '10.')
    Picture = 'CElemLin/u1br.graph'
    OnClick = resu1bClick
    Tag = 1
  end
  object Label30: TLabel
    Left = 394
    Top = 27
    Caption = 'c)'
  end
  object resu1c: TMemo
    Width = 16
    Lines.Strings = ('first' 'second' '7.')
    Picture = 'CElemLin/u1cr.graph'
    OnClick = resu1cClick
    Tag = 1
    Tag = 2
  end
end
)",
                                           "w");
  EXPECT_EQ(Tree(expanded), Tree(written));
}

TEST(LayoutExpansion, ErrorsNameFileAndLine) {
  const struct {
    const char* page;
    std::map<std::string, std::string> pieces;
    const char* message;
  } cases[] = {
      {"object a: TA\n  include 'none.lay'\n  end\nend\n",
       {},
       "x.lay:2: there is no layout piece none.lay"},
      {"object a: TA\n  include 'p.lay'\n  end\nend\n",
       {{"p.lay", "include 'q.lay'\nend\n"}, {"q.lay", "\ninclude 'p.lay'\nend\n"}},
       "q.lay:2: an include cycle: x.lay → p.lay → q.lay → p.lay (included from p.lay:1) "
       "(included from x.lay:2)"},
      {"object a: TA\n  include 'p.lay'\n  end\nend\n",
       {{"p.lay", "param Title\n"}},
       "x.lay:2: p.lay needs the parameter Title"},
      {"object a: TA\n  include 'p.lay'\n    Title = 'x'\n    Titel = 'y'\n  end\nend\n",
       {{"p.lay", "param Title\n"}},
       "x.lay:4: p.lay has no parameter Titel"},
      {"object a: TA\n  include 'p.lay'\n  end\nend\n",
       {{"p.lay", "\n\nTag = {1 / 0}\n"}},
       "p.lay:3: a division by zero in '1 / 0' (included from x.lay:2)"},
      {"object a: TA\n  repeat k = 0 tu 9\n  end\nend\n",
       {},
       "x.lay:2: 'to' was expected in 'repeat k = 0 tu 9'"},
      {"object a: TA\n  repeat k = 0 to n\n  end\nend\n",
       {},
       "x.lay:2: unknown name n in 'k = 0 to n'"},
      {"object a: TA\n  repeat k = 0 to 5000\n  end\nend\n",
       {},
       "x.lay:2: a repeat of more than 1000 rounds"},
      {"object a: TA\n  repeat k = 0 to 1\n    Tag = {k}\nend\n",
       {},
       "x.lay:5: 'end' of object a is missing"},
      {"object a: TA\n  Caption = '{titel}'\nend\n", {}, "x.lay:2: unknown name titel in 'titel'"},
      {"object a: TA\n  Caption = 'a } b'\nend\n",
       {},
       "x.lay:2: a single '}' in a string (a brace is '}}')"},
      {"object a: TA\n  Tag = {letter(30)}\nend\n",
       {},
       "x.lay:2: there is no letter number 30 in 'letter(30)'"},
      {"object a: TA\n  inherited Nope: TLabel\n  end\nend\n",
       {},
       "x.lay:2: there is no Nope to inherit in a"},
      {"object a: TA\n  param Title\nend\n",
       {},
       "x.lay:2: 'param' belongs at the top of an included piece"},
  };
  for (const auto& c : cases) {
    try {
      ParseLayout(c.page, "x.lay", Files(c.pieces));
      ADD_FAILURE() << "parsed: " << c.page;
    } catch (const ELayoutError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(LayoutExpansion, AFolderReaderReadsOnlyFilesInsideItsFolder) {
  const std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / "layout_folder_reader";
  std::filesystem::create_directories(folder / "frames");
  std::ofstream(folder / "frames" / "page.lay") << "Tag = 1\n";
  std::ofstream(folder / "secret.txt") << "x";
  const LayoutFileReader read = LayoutFolderReader((folder / "frames").string());
  EXPECT_EQ(read("page.lay"), std::optional<std::string>("Tag = 1\n"));
  for (const char* path : {"none.lay", "../secret.txt", "/etc/passwd", "", "."}) {
    EXPECT_EQ(read(path), std::nullopt) << path;
  }
  std::filesystem::remove_all(folder);
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
