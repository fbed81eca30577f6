// Page 1.1  Co je to funkce?: its timeline on two sheets, the sheet buttons, step mode and
// its layout.
#include <QTest>

#include "lessons/unit_frmFceUvod.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

const std::vector<const char*> kSheet1 = {"text01",   "text02",   "text03",  "text07",
                                          "text08",   "text09",   "text10",  "text11",
                                          "zprava01", "zprava02", "zprava03"};
const std::vector<const char*> kSheet2 = {"text2_1", "text2_2", "text2_3", "text2_4", "text2_5",
                                          "obr2_1",  "obr2_2",  "obr2_3",  "obr2_4"};

class UvodTest : public SteppedPageTest {
 protected:
  void OpenPage() {
    SteppedPageTest::OpenPage(2);
    page = static_cast<TfrmFceUvod*>(frmMain->OpenPage());
  }
  // The content controls now visible, in sheet order, separated by blanks.
  std::string Visible() {
    std::string out;
    for (const auto& sheet : {kSheet1, kSheet2}) {
      for (const char* n : sheet) {
        if (C(n)->Visible()) out += std::string(out.empty() ? "" : " ") + n;
      }
    }
    return out;
  }
  // btnPozast, btnKrokuj, btnKrok, btnListZpet, btnListDalsi: enabled (1) or not (0).
  std::string Buttons() {
    return Toolbar() + (page->btnListZpet->Enabled() ? '1' : '0') +
           (page->btnListDalsi->Enabled() ? '1' : '0');
  }

  TfrmFceUvod* page = nullptr;
};

const std::string kAll1 =
    "text01 text02 text03 text07 text08 text09 text10 text11 zprava01 zprava02 zprava03";

TEST_F(UvodTest, PlaysBothSheetsOnItsDelays) {
  const struct Row {
    std::int64_t t;
    std::string visible;
    bool running;
    const char* buttons;
  } rows[] = {
      {0, "text01", true, "11001"},  // at once on activation
      {2999, "text01", true, "11001"},
      {3000, "text01 text02", true, "11001"},
      {6000, "text01 text02 text03", true, "11001"},
      {9000, "text01 text02 text03 text07", true, "11001"},
      {12000, "text01 text02 text03 text07 text08", true, "11001"},
      {15000, "text01 text02 text03 text07 text08 zprava01", true, "11001"},
      {18000, "text01 text02 text03 text07 text08 text09 zprava01", true, "11001"},
      {21000, "text01 text02 text03 text07 text08 text09 zprava01 zprava02", true, "11001"},
      {24000, "text01 text02 text03 text07 text08 text09 text10 zprava01 zprava02", true, "11001"},
      {27000, "text01 text02 text03 text07 text08 text09 text10 zprava01 zprava02 zprava03", true,
       "11001"},
      {30000, kAll1, true, "11001"},
      {32999, kAll1, true, "11001"},
      {33000, "text2_1", true, "11010"},  // sheet 2 turns by itself
      {36000, "text2_1 text2_2 obr2_1", true, "11010"},
      {39999, "text2_1 text2_2 obr2_1", true, "11010"},  // the graphs stay 4 s
      {40000, "text2_1 text2_2 text2_4 obr2_1 obr2_3", true, "11010"},
      {43999, "text2_1 text2_2 text2_4 obr2_1 obr2_3", true, "11010"},
      {44000, "text2_1 text2_2 text2_3 text2_4 obr2_1 obr2_2 obr2_3", true, "11010"},
      {48000, "text2_1 text2_2 text2_3 text2_4 text2_5 obr2_1 obr2_2 obr2_3 obr2_4", true, "11010"},
      // the silent steps 16 to 35 tick every 3 s, step 35 at 109 s; the tick after it stops
      {111999, "text2_1 text2_2 text2_3 text2_4 text2_5 obr2_1 obr2_2 obr2_3 obr2_4", true,
       "11010"},
      {112000, "text2_1 text2_2 text2_3 text2_4 text2_5 obr2_1 obr2_2 obr2_3 obr2_4", false,
       "11010"},
      {200000, "text2_1 text2_2 text2_3 text2_4 text2_5 obr2_1 obr2_2 obr2_3 obr2_4", false,
       "11010"},
  };
  OpenPage();
  for (const Row& r : rows) {
    At(r.t);
    SCOPED_TRACE(r.t);
    EXPECT_EQ(Visible(), r.visible);
    EXPECT_EQ(Running(), r.running);
    EXPECT_EQ(Buttons(), r.buttons);
  }
  // A restart of the ended page by the pause button shows nothing and stops again.
  frmMain->Pauza(nullptr);
  At(200100);
  EXPECT_FALSE(Running());
  EXPECT_EQ(Visible(), "text2_1 text2_2 text2_3 text2_4 text2_5 obr2_1 obr2_2 obr2_3 obr2_4");
}

TEST_F(UvodTest, SheetButtonsHideTheOtherSheetAndReplayFromItsStart) {
  OpenPage();
  At(10000);
  ASSERT_EQ(Visible(), "text01 text02 text03 text07");
  QTest::mouseClick(page->btnListDalsi->Widget(), Qt::LeftButton);
  EXPECT_EQ(Visible(), "text2_1") << "at once";
  EXPECT_EQ(Buttons(), "11010");
  At(12000);  // the period of the 3 s pause goes on
  EXPECT_EQ(Visible(), "text2_1 text2_2 obr2_1");
  At(15999);
  EXPECT_EQ(Visible(), "text2_1 text2_2 obr2_1");
  At(16000);
  EXPECT_EQ(Visible(), "text2_1 text2_2 text2_4 obr2_1 obr2_3");
  At(17000);
  QTest::mouseClick(page->btnListZpet->Widget(), Qt::LeftButton);
  EXPECT_EQ(Visible(), "text01") << "sheet 1 again from its start";
  EXPECT_EQ(Buttons(), "11001");
  At(19999);  // 3 s instead of 4: a new period
  EXPECT_EQ(Visible(), "text01");
  At(20000);
  EXPECT_EQ(Visible(), "text01 text02");
  At(20000 + 10 * 3000);
  EXPECT_EQ(Visible(), "text2_1") << "and turns to sheet 2 by itself once more";
}

TEST_F(UvodTest, StepModeShowsOneStepPerPressAndKeepsTheToolbarInStepState) {
  frmMain->btnKrokujClick(nullptr);
  OpenPage();
  EXPECT_EQ(Visible(), "text01") << "the activation shows the first step";
  EXPECT_FALSE(Running());
  EXPECT_EQ(Buttons(), "01101");
  At(20000);
  EXPECT_EQ(Visible(), "text01");
  std::string expected = "text01";
  for (const char* n : {"text02", "text03", "text07"}) {
    frmMain->btnKrokClick(nullptr);
    clock.Advance(99);
    EXPECT_EQ(Visible(), expected);
    clock.Advance(1);
    expected += std::string(" ") + n;
    EXPECT_EQ(Visible(), expected);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Buttons(), "01101");
  }
  // A sheet button in step mode shows the other sheet's first step and waits.
  page->btnListDalsi->Click();
  EXPECT_EQ(Visible(), "text2_1");
  EXPECT_FALSE(Running());
  EXPECT_EQ(Buttons(), "01110");
  // Leaving step mode restarts the timer; the next tick gives the tool bar back its pause.
  frmMain->btnKrokujClick(nullptr);
  clock.Advance(3000);
  EXPECT_EQ(Visible(), "text2_1 text2_2 obr2_1");
  EXPECT_EQ(Buttons(), "11010");
  EXPECT_TRUE(Running());
}

TEST_F(UvodTest, ActivatingAgainCreatesNoSecondTimer) {
  OpenPage();
  TTimer* timer = StepTimer.get();
  At(1000);
  page->Activate();  // the tick is bound to the activation: the next step at once
  EXPECT_EQ(Visible(), "text01 text02");
  EXPECT_EQ(StepTimer.get(), timer);
  int timers = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    if (dynamic_cast<TTimer*>(page->Components(i))) ++timers;
  }
  EXPECT_EQ(timers, 1);
  At(3000);
  EXPECT_EQ(Visible(), "text01 text02 text03") << "one presentation goes on";
}

TEST_F(UvodTest, LayoutStacksPlacesAndPictures) {
  OpenPage();
  const std::vector<std::vector<const char*>> places = {
      {"text01", "text02", "text03"},
      {"text07", "text08", "text09", "text10", "text11"},
      {"zprava01", "zprava02", "zprava03"}};
  auto bounds = [](TControl* c) {
    return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
  };
  auto order = [this](TControl* c) {
    for (int i = 0; i < page->ControlCount(); ++i) {
      if (page->Controls(i) == c) return i;
    }
    return -1;
  };
  // Each later control at a place covers the one before: the same box, above it.
  for (const auto& place : places) {
    for (size_t i = 1; i < place.size(); ++i) {
      EXPECT_EQ(bounds(C(place[i])), bounds(C(place[0]))) << place[i];
      EXPECT_GT(order(C(place[i])), order(C(place[i - 1]))) << place[i];
    }
  }
  for (const auto& sheet : {kSheet1, kSheet2}) {
    for (const char* n : sheet) {
      TControl* c = C(n);
      EXPECT_LE(c->Left() + c->Width(), 800) << n;
      EXPECT_LE(c->Top() + c->Height(), 545) << n;
      if (auto* img = dynamic_cast<TImage*>(c)) {
        EXPECT_EQ(img->Picture().Width(), c->Width()) << n;
        EXPECT_EQ(img->Picture().Height(), c->Height()) << n;
        EXPECT_FALSE(img->Picture().Image().hasAlphaChannel()) << n;
      }
    }
  }
  EXPECT_EQ(page->btnListDalsi->NumGlyphs(), 3);
  EXPECT_EQ(C("text2_2")->Caption(), "Do grafu lze zaznamenat hlasitost písně,");
  EXPECT_EQ(C("text2_4")->Caption(), " vývoj kurzu měny během roku,");
  EXPECT_EQ(C("text2_3")->Caption(), "vývoj teplot během dne.");
}

}  // namespace
