// What the exercise pages share: the frame with its banner, chapter and section
// rows and legend, the tab control below it, and pieces that stay on the page without covering
// one another.
#include <QRect>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/buttons.h"
#include "platform/comctrls.h"
#include "platform/stdctrls.h"
#include "tests/shell/program_fixture.h"

namespace {

struct FramedPage {
  int row;
  const char *form, *caption;
  const char *chapter, *chapterTitle, *section, *sectionTitle;
  const char* titleLabel = "Label6";
  const char* pencil = "SpeedButton3";
};
const FramedPage kPages[] = {
    {32, "frmFceCGraf", "Graf funkce", "1", "Úvod", "1.3", "Graf funkce"},
    {33, "frmFceCVDf", "Definiční obor", "1", "Úvod", "1.4", "Definiční obor"},
    {34, "frmFceCVHf", "Obor hodnot", "1", "Úvod", "1.5", "Obor hodnot"},
    {35, "frmFceCVmonotonie", "Monotónnost", "2", "Vlastnosti funkcí", "2.1", "Monotónnost"},
    {36, "frmFceCVextremy", "Extrémy", "2", "Vlastnosti funkcí", "2.2", "Extrémy"},
    {37, "frmFceCVomezenost", "Omezenost", "2", "Vlastnosti funkcí", "2.3", "Omezenost"},
    {38, "frmFceCVsudost", "Sudost a lichost", "2", "Vlastnosti funkcí", "2.4", "Sudost a lichost"},
    {39, "frmFceCVperioda", "Perioda", "2", "Vlastnosti funkcí", "2.5", "Perioda", "Perioda"},
    {40, "frmFceCVprosta", "Prostá funkce", "2", "Vlastnosti funkcí", "2.6", "Prostá funkce",
     "prosta"},
    {42, "frmFceCElemLin", "Lineární funkce", "4", "Elementární funkce", "4.1", "Lineární funkce"},
    {43, "frmFceCElemKvadr", "Kvadratická funkce", "4", "Elementární funkce", "4.2",
     "Kvadratická funkce"},
    // The caption and the banner differ in one word; the legend's pencil has its own name.
    {44, "frmFceCElemLom", "Lineárně lomená funkce", "4", "Elementární funkce", "4.3",
     "Lineární lomená funkce", "Label6", "xxx"},
    {45, "frmFceCElemMocninna", "Mocninná funkce", "4", "Elementární funkce", "4.4",
     "Mocninná funkce"},
    {48, "frmFceCElemGonOblouk", "Goniometrické funkce — oblouková míra", "4", "Elementární funkce",
     "4.7", "Goniometrické funkce — oblouková míra"},
    {49, "frmFceCElemGonKruznice", "Goniometrické funkce — jednotková kružnice", "4",
     "Elementární funkce", "4.7", "Goniometrické funkce — jednotková kružnice"},
    {54, "frmFceCElemGonOpak", "Opakování goniometrie", "4", "Elementární funkce", "4.7",
     "Goniometrické funkce — opakování"},
    {55, "frmFceCElemCyklom", "Cyklometrické funkce", "4", "Elementární funkce", "4.8",
     "Cyklometrické funkce"},
    {58, "frmFceCElemPrehled", "Přehled elementárních funkcí", "4", "Elementární funkce", "4.11",
     "Přehled elementárních funkcí"},
};

// The page is 800 × 545; nothing on a tab comes closer to its right or bottom edge than this.
constexpr int kPageWidth = 800, kPageHeight = 545, kMargin = 8;

class ExerciseFramesTest : public ProgramTest {
 protected:
  // The controls of a tab with their rectangles in the coordinates of the page.
  std::vector<std::pair<TControl*, QRect>> Pieces(TPageControl* tabs, int index) {
    TTabSheet* sheet = tabs->Pages(index);
    std::vector<std::pair<TControl*, QRect>> out;
    for (int i = 0; i < sheet->ControlCount(); ++i) {
      TControl* c = sheet->Controls(i);
      out.push_back({c, QRect(tabs->Left() + sheet->Left() + c->Left(),
                              tabs->Top() + sheet->Top() + c->Top(), c->Width(), c->Height())});
    }
    return out;
  }
};

TEST_F(ExerciseFramesTest, EveryPageHasTheFrameOfTheCollection) {
  for (const FramedPage& p : kPages) {
    SCOPED_TRACE(p.form);
    Open(p.row);
    ASSERT_EQ(OpenClass(), p.form);
    EXPECT_EQ(Page()->Caption(), p.caption);
    EXPECT_EQ(Page()->Color(), clMoneyGreen);

    auto* frame = Get<TGroupBox>("GroupBox1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Caption(), "Zalmira - sbírka úloh");
    EXPECT_EQ(QRect(frame->Left(), frame->Top(), frame->Width(), frame->Height()),
              QRect(8, 0, 785, 105));
    EXPECT_EQ(frame->Font().Name(), "Verdana");
    EXPECT_EQ(frame->Font().Height(), -29);
    EXPECT_TRUE(frame->Font().Style() & fsBold);

    struct Text {
      const char *name, *caption;
      int top;
      const char* font;
      int height;
    };
    const Text texts[] = {
        {"Label1", p.chapter, 40, "Verdana", -21},
        {"Label3", p.chapterTitle, 40, "Verdana", -21},
        {"Label4", p.section, 72, "Verdana", -21},
        {p.titleLabel, p.sectionTitle, 72, "Verdana", -21},
        {"Label19", "= poraď", 48, "Arial", -11},
        {"Label20", "= zobraz výsledek", 72, "Arial", -11},
    };
    for (const Text& t : texts) {
      auto* label = Get<TLabel>(t.name);
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->Parent(), frame) << t.name;
      EXPECT_EQ(label->Caption(), t.caption) << t.name;
      EXPECT_EQ(label->Top(), t.top) << t.name;
      EXPECT_EQ(label->Font().Name(), t.font) << t.name;
      EXPECT_EQ(label->Font().Height(), t.height) << t.name;
      EXPECT_FALSE(label->Font().Style() & fsBold) << t.name;
    }

    // The legend: the two buttons explain the buttons of the tabs and do nothing themselves.
    auto* hint = Get<TSpeedButton>("SpeedButton2");
    auto* pencil = Get<TSpeedButton>(p.pencil);
    ASSERT_TRUE(hint && pencil);
    for (TSpeedButton* b : {hint, pencil}) {
      EXPECT_EQ(b->Parent(), frame) << b->Name();
      EXPECT_EQ(b->Left(), 616) << b->Name();
      EXPECT_EQ(b->Width(), 17) << b->Name();
      EXPECT_EQ(b->Height(), 17) << b->Name();
      EXPECT_FALSE(b->OnClick()) << b->Name();
    }
    EXPECT_EQ(hint->Caption(), "?");
    EXPECT_EQ(hint->Font().Name(), "ZapfEllipt BT");
    EXPECT_EQ(hint->Font().Height(), -15);
    EXPECT_EQ(hint->Font().Color(), clNavy);
    EXPECT_TRUE(hint->Font().Style() & fsBold);
    EXPECT_TRUE(hint->Glyph().Empty());
    EXPECT_EQ(pencil->Caption(), "");
    EXPECT_FALSE(pencil->Glyph().Empty());
    EXPECT_LT(hint->Top(), pencil->Top());
    EXPECT_GT(Get("Label19")->Left(), hint->Left() + hint->Width());
    EXPECT_GT(Get("Label20")->Left(), pencil->Left() + pencil->Width());

    auto* tabs = Get<TPageControl>("priklady");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->Left(), 8);
    EXPECT_EQ(tabs->Top(), 111);
    EXPECT_EQ(tabs->Width(), 793);
    EXPECT_EQ(tabs->Height(), 425);
    EXPECT_EQ(tabs->Style(), TTabStyle::tsFlatButtons);
    EXPECT_EQ(tabs->Images(), frmMain->ikony_sbirka);
    EXPECT_EQ(tabs->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(tabs->Font().Height(), -11);
    EXPECT_EQ(tabs->Font().Color(), clNavy);
    EXPECT_TRUE(tabs->Font().Style() & fsBold);
  }
}

TEST_F(ExerciseFramesTest, EveryPieceOfEveryTabStaysOnThePageWithAMargin) {
  const QRect allowed(0, 0, kPageWidth - kMargin, kPageHeight - kMargin);
  for (const FramedPage& p : kPages) {
    Open(p.row);
    auto* tabs = Get<TPageControl>("priklady");
    ASSERT_NE(tabs, nullptr);
    for (int t = 0; t < tabs->PageCount(); ++t) {
      for (const auto& [c, r] : Pieces(tabs, t)) {
        EXPECT_TRUE(allowed.contains(r)) << p.form << " tab " << t << ": " << c->Name()
                                         << " reaches " << r.right() + 1 << ", " << r.bottom() + 1;
      }
    }
  }
}

// Pieces laid exactly over one another by design, per chapter row: on 2.5 the cut-outs and the
// marked cut-outs that its hints and pencils lay over them; on 4.7 (radian measure) the pictures
// of the steps of task 1's hints, and the item, hint and result of task 2.
const std::map<int, std::vector<std::set<std::string>>>& OverlayGroups() {
  static const std::map<int, std::vector<std::set<std::string>>> groups = {
      {39,
       {{"Image12", "Image14", "nap1a2"},
        {"Image37", "nap1b2", "nap1b4"},
        {"Image1", "resu1a1"},
        {"Image3", "resu1c1"},
        {"Image4", "resu1e1"},
        {"Image6", "resu1f1"},
        {"Image7", "resu1g1"},
        {"Image8", "resu1h1"},
        {"Image10", "resu1j1"}}},
      {48,
       [] {
         std::vector<std::set<std::string>> g = {{"nap1a1", "nap1a2a", "nap1a3a"},
                                                 {"nap1b1", "nap1b2a", "nap1b3a"},
                                                 {"Image5", "nap2a", "res2a"},
                                                 {"Image6", "nap2b", "res2b"}};
         for (int k = 0; k < 10; ++k)
           g.push_back({"Image" + std::to_string(30 + k), "resu2" + std::string(1, 'a' + k)});
         return g;
       }()},
      {49,
       [] {
         // 4.7 (unit circle): the circles of a hint's steps, and the formula of an item with
         // the result (and on b) the basic size) laid over it.
         std::vector<std::set<std::string>> g = {{"nap3a", "nap3a2", "nap3a4", "nap3a7"},
                                                 {"nap3b", "nap3b3", "nap3b5", "nap3b8"},
                                                 {"nap3c", "nap3c2", "nap3c4", "nap3c7"},
                                                 {"nap3d", "nap3d2", "nap3d4", "nap3d7"},
                                                 {"Image1", "res3d1"},
                                                 {"Image2", "nap3b1", "res3b2"},
                                                 {"Image3", "res3c1"},
                                                 {"Image4", "res3a1"}};
         for (int k = 0; k < 10; ++k)
           g.push_back({"Image" + std::to_string(10 + k), "resu3" + std::string(1, 'a' + k) + "2"});
         return g;
       }()},
      {54,
       [] {
         // 4.7 (revision): the circles of a hint's two steps, an item's formula with the values
         // laid over it.
         std::vector<std::set<std::string>> g = {{"nap4a1b", "nap4a2b"}, {"nap4b1b", "nap4b2b"}};
         for (int k = 0; k < 10; ++k)
           g.push_back({"Image" + std::to_string(10 + k), "resu3" + std::string(1, 'a' + k) + "2"});
         return g;
       }()},
      {55,
       [] {
         // 4.8: an item's formula of task 3 with its value laid over it.
         std::vector<std::set<std::string>> g;
         for (int k = 0; k < 10; ++k)
           g.push_back({"Image" + std::to_string(30 + k), "resu3" + std::string(1, 'a' + k) + "1"});
         return g;
       }()},
  };
  return groups;
}

bool Overlays(int row, const std::string& a, const std::string& b) {
  const auto it = OverlayGroups().find(row);
  if (it == OverlayGroups().end()) return false;
  for (const auto& g : it->second) {
    if (g.count(a) && g.count(b)) return true;
  }
  return false;
}

TEST_F(ExerciseFramesTest, NoPieceCoversAnotherButWhereTheyShareAPlace) {
  // On 4.11 the cross stands where the tick would, and the correct number on its rectangle; on
  // 2.3 and 2.4 the remark's leading blanks run under the statement; on 4.2 an axis's name or a
  // formula stands in the statement's text; on 4.3 the third step of a hint of task 3 covers the
  // upper part of the fourth.
  const std::set<std::pair<std::string, std::string>> inText = {
      {"Label79", "Label38"},
      {"Label7", "Label38"},
      {"Label21", "Image6"},
      {"Label24", "Image7"},
      {"Label27", "Image8"},
      {"Label52", "Image9"},
      {"Label55", "Image10"},
      {"Label66", "Image11"},
      {"Label66", "Image14"},
      {"Label69", "Image39"},
      {"Label69", "Image43"},
      {"Label72", "Image44"},
      {"Label72", "Image45"},
      // 4.8: the x in the gap of task 1's statement.
      {"Label2", "Label9"},
      {"Label7", "Label35"},
  };
  auto sharesPlace = [&](const std::string& a, const std::string& b) {
    if (inText.count({a, b}) || inText.count({b, a})) return true;
    auto stacked = [](const std::string& x, const std::string& y) {
      return x.size() == 7 && x.rfind("nap3", 0) == 0 && x.substr(5) == "3b" &&
             y == x.substr(0, 5) + "4";
    };
    auto pair = [&](const std::string& x, const std::string& y) {
      return (a.rfind(x, 0) == 0 && b.rfind(y, 0) == 0 && a.substr(x.size()) == b.substr(y.size()));
    };
    return pair("faja_", "ne_") || pair("ne_", "faja_") || pair("obd_", "resu") ||
           pair("resu", "obd_") || stacked(a, b) || stacked(b, a);
  };
  for (const FramedPage& p : kPages) {
    Open(p.row);
    auto* tabs = Get<TPageControl>("priklady");
    ASSERT_NE(tabs, nullptr);
    for (int t = 0; t < tabs->PageCount(); ++t) {
      const auto pieces = Pieces(tabs, t);
      for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t j = i + 1; j < pieces.size(); ++j) {
          const std::string a(pieces[i].first->Name()), b(pieces[j].first->Name());
          if (sharesPlace(a, b)) continue;
          // A marked cut-out lies exactly over the cut-out it marks, a step over the step before.
          if (Overlays(p.row, a, b)) {
            EXPECT_EQ(pieces[i].second, pieces[j].second) << a << " lies exactly on " << b;
            continue;
          }
          EXPECT_FALSE(pieces[i].second.intersects(pieces[j].second))
              << p.form << " tab " << t << ": " << a << " and " << b;
        }
      }
    }
  }
}

}  // namespace
