// The two-variable page "N-ární kvantování": offered by its menu item after chapter 5, the free-
// expression page's controls with its own captions, a colour map painted over the previous one,
// a black area for "vymaž" and errors, and a map that the view buttons move.
#include <string>
#include <vector>

#include "engine/unit_graf_view.h"
#include "lessons/unit_frmFceSlozene2.h"
#include "tests/shell/program_fixture.h"

namespace {

constexpr TColor kBlue = 0xFF0000, kMagenta = 0xFF00FF, kBlack = 0x000000;
constexpr int kSize = 337;

class KvantovaniTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Dispatch([] { static_cast<TMenuItem*>(frmMain->FindComponent("M51Kvantovani"))->Click(); });
    ASSERT_EQ(OpenClass(), "frmFceKvantovani");
    page = frmFceKvantovani;
    Tick();
  }
  void Tick() { clock.Advance(200); }
  void Press(TControl* button) {
    Dispatch([&] { button->Click(); });
    Tick();
  }
  void Show(const std::string& text) {
    page->funkce->SetText(text);
    Press(page->btnZobraz);
  }
  TColor At(int column, int row) const { return page->grafImg->Canvas().Pixel(column, row); }
  std::vector<TColor> Columns(int from, int to) const {
    std::vector<TColor> p;
    for (int c = from; c <= to; ++c) {
      for (int r = 0; r < kSize; ++r) p.push_back(At(c, r));
    }
    return p;
  }
  bool AllBlack() const {
    for (TColor c : Columns(0, kSize - 1)) {
      if (c != kBlack) return false;
    }
    return true;
  }
  TfrmFceKvantovani* page = nullptr;
};

TEST_F(KvantovaniTest, IsTheFreeExpressionPageWithItsOwnCaptionsAndChapter5sToolbar) {
  EXPECT_EQ(page->Caption(), "N-ární kvantování");
  EXPECT_EQ(Get<TLabel>("Label3")->Caption(), "Funkce dvou proměnných");
  EXPECT_EQ(page->funkce->Color(), 0xFEFEFE);
  for (const char* name : {"btnZobraz", "btnVymaz", "btnUp", "btnAbs", "btnOdmocnina", "postfix"}) {
    EXPECT_NE(page->FindComponent(name), nullptr) << name;
  }
  EXPECT_EQ(static_cast<TMenuItem*>(frmMain->FindComponent("M51Kvantovani"))->Caption(),
            "Funkce dvou proměnných");
  EXPECT_TRUE(frmMain->btnZpet->Enabled());
  EXPECT_FALSE(frmMain->btnZopak->Enabled());
  EXPECT_FALSE(frmMain->btnDalsi->Enabled());
  EXPECT_FALSE(frmMain->btnSbirka->Enabled());
  EXPECT_TRUE(AllBlack()) << "an empty text leaves a black area";
  Dispatch([] { frmMain->btnZpet->Click(); });
  EXPECT_EQ(OpenClass(), "frmFceElemPrehled") << "back as from chapter 5";
}

TEST_F(KvantovaniTest, CornersOfXTimesYFollowTheSignsOfTheQuadrants) {
  Show("x*y");
  EXPECT_TRUE(boxes.empty());
  // y grows upwards: x·y > 15 at the top right and the bottom left
  EXPECT_EQ(At(2, 2), kBlue);
  EXPECT_EQ(At(kSize - 3, 2), kMagenta);
  EXPECT_EQ(At(2, kSize - 3), kMagenta);
  EXPECT_EQ(At(kSize - 3, kSize - 3), kBlue);
}

TEST_F(KvantovaniTest, WhereTheNewFunctionIsUndefinedThePreviousMapStays) {
  Show("x+y");
  const std::vector<TColor> left = Columns(0, 159), right = Columns(161, kSize - 1);
  Show("odm(2;x)");
  EXPECT_EQ(Columns(0, 159), left) << "x < 0: no square root";
  EXPECT_NE(Columns(161, kSize - 1), right);
}

TEST_F(KvantovaniTest, TheViewButtonsMoveTheMapByOneUnit) {
  Show("x+2*y");
  const std::vector<TColor> before = Columns(0, kSize - 1);
  Press(page->btnUp);
  // a unit is 20 pixels: what row r showed, row r + 20 shows now
  for (int c : {0, 100, 250}) {
    for (int r : {0, 75, 300}) {
      EXPECT_EQ(At(c, r + 20), before[c * kSize + r]) << c << ", " << r;
    }
  }
  Press(page->btnDown);
  Press(page->btnLeft);
  for (int c : {0, 100, 250}) {
    for (int r : {0, 75, 300}) {
      EXPECT_EQ(At(c + 20, r), before[c * kSize + r]) << c << ", " << r;
    }
  }
}

TEST_F(KvantovaniTest, VymazAndErrorsLeaveABlackArea) {
  Show("x*y");
  ASSERT_FALSE(AllBlack());
  Press(page->btnVymaz);
  EXPECT_TRUE(AllBlack());
  EXPECT_EQ(page->funkce->Text(), "");

  Show("x*y");
  ASSERT_FALSE(AllBlack());
  Show("2y");  // no implicit product before y
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Funkce byla chybně zadána.");
  EXPECT_EQ(boxes[0].caption, "chyba");
  EXPECT_TRUE(AllBlack());
  EXPECT_EQ(FreeExpressionView()->Scale, 20) << "the start view";
}

}  // namespace
