// The page "Úmluva": four sheets turned by the two small buttons, the wait on sheet 2 before
// both buttons are enabled, its timer over activations and step mode, and its layout.
#include <QTest>

#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "shell/unit_frmFceUpozorneni.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

const std::vector<std::vector<const char*>> kSheets = {
    {"text11", "text12", "text13", "text14", "text15", "text16", "obr11", "obr12", "obr13", "obr14",
     "obr15", "obr16", "obr17"},
    {"text21", "text22a", "text22b", "text22c", "text22d", "text24", "text25", "text26", "obr21",
     "obr22"},
    {"text31", "text32", "text33", "text34", "text35", "obr31", "obr32", "obr33", "obr34", "obr35",
     "obr36", "obr37", "obr38", "obr39", "obr310", "obr311", "obr312"},
    {"text41", "text42", "text43", "text44", "obr41", "obr42", "obr43", "obr44"},
};

class UmluvaTest : public SteppedPageTest {
 protected:
  void OpenPage() {
    SteppedPageTest::OpenPage(1);
    page = static_cast<TfrmFceUmluva*>(frmMain->OpenPage());
    ASSERT_NE(page, nullptr);
  }
  // The sheets on show, "1" to "4": a sheet counts when any of its controls is visible, and a
  // sheet that is only partly visible is marked with "?".
  std::string Sheets() {
    std::string out;
    for (size_t s = 0; s < kSheets.size(); ++s) {
      int shown = 0;
      for (const char* n : kSheets[s]) shown += C(n)->Visible() ? 1 : 0;
      if (shown) out += std::to_string(s + 1);
      if (shown && shown != static_cast<int>(kSheets[s].size())) out += "?";
    }
    return out;
  }
  // btnListZpet, btnListDalsi: enabled (1) or not (0).
  std::string Buttons() {
    return std::string(1, page->btnListZpet->Enabled() ? '1' : '0') +
           (page->btnListDalsi->Enabled() ? '1' : '0');
  }
  void Back() { QTest::mouseClick(page->btnListZpet->Widget(), Qt::LeftButton); }
  void Next() { QTest::mouseClick(page->btnListDalsi->Widget(), Qt::LeftButton); }
  int Timers() {
    int timers = 0;
    for (int i = 0; i < page->ComponentCount(); ++i) {
      if (dynamic_cast<TTimer*>(page->Components(i))) ++timers;
    }
    return timers;
  }

  TfrmFceUmluva* page = nullptr;
};

TEST_F(UmluvaTest, OpensOnSheetOneWithItsTimerStopped) {
  OpenPage();
  EXPECT_EQ(Sheets(), "1");
  EXPECT_EQ(Buttons(), "01");
  ASSERT_TRUE(StepTimer);
  EXPECT_EQ(StepTimer->Owner(), page);
  EXPECT_FALSE(Running());
  At(5000);
  EXPECT_EQ(Sheets(), "1");
}

TEST_F(UmluvaTest, TheButtonsTurnTheSheets) {
  // Each press, then the sheets shown and the buttons at once and 520 ms later (the wait after
  // arriving on sheet 2 enables both buttons).
  const struct Row {
    char press;
    const char* sheets;
    const char* buttonsAtOnce;
    const char* buttonsLater;
    bool runningAtOnce;
  } rows[] = {
      {'>', "2", "01", "11", true},  // back stays off for the wait
      {'>', "3", "11", "11", false}, {'>', "4", "10", "10", false}, {'<', "3", "11", "11", false},
      {'<', "2", "11", "11", true},  {'<', "1", "01", "01", false}, {'>', "2", "01", "11", true},
  };
  OpenPage();
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(1, r.press) + " to " + r.sheets);
    r.press == '>' ? Next() : Back();
    EXPECT_EQ(Sheets(), r.sheets);
    EXPECT_EQ(Buttons(), r.buttonsAtOnce);
    EXPECT_EQ(Running(), r.runningAtOnce);
    clock.Advance(520);
    EXPECT_EQ(Sheets(), r.sheets);
    EXPECT_EQ(Buttons(), r.buttonsLater);
    EXPECT_FALSE(Running());
    EXPECT_EQ(CurrentSheet, r.sheets[0] - '0');
  }
}

TEST_F(UmluvaTest, SheetTwoEnablesBackAfterTwoTicks) {
  OpenPage();
  Next();
  Play({{0, {"text21"}, {"text11"}, true, 20},
        {19, {}, {}, true, 20},
        {20, {}, {}, true, 500},  // the first tick waits longer
        {519, {}, {}, true, 500},
        {520, {"text21"}, {"text11", "text31"}, false, 20}},
       "sheet 2");
  EXPECT_EQ(Buttons(), "11");
  EXPECT_EQ(SheetPhase, 1);
}

TEST_F(UmluvaTest, NextDuringTheWaitStopsTheTimer) {
  OpenPage();
  Next();
  At(300);
  EXPECT_EQ(Buttons(), "01");
  Next();
  EXPECT_EQ(Sheets(), "3");
  EXPECT_EQ(Buttons(), "11");
  EXPECT_FALSE(Running());
  At(5000);
  EXPECT_EQ(Sheets(), "3");
  EXPECT_EQ(CurrentSheet, 3) << "no late tick turns the count back to 2";
}

TEST_F(UmluvaTest, EveryArrivalOnSheetTwoWaitsAFreshHalfSecond) {
  // A wait cut short after its first tick leaves the timer at its long interval; the next
  // arrival on sheet 2 still waits 520 ms, not 1000.
  OpenPage();
  Next();
  At(100);
  Next();
  Back();
  Back();
  ASSERT_EQ(Sheets(), "1");
  Next();
  clock.Advance(519);
  EXPECT_EQ(Buttons(), "01");
  clock.Advance(1);
  EXPECT_EQ(Buttons(), "11");
}

TEST_F(UmluvaTest, ActivatingAgainReplacesTheTimerAndStartsOnSheetOne) {
  OpenPage();
  Next();
  Next();
  Next();
  Back();
  Back();  // on sheet 2, waiting
  ASSERT_TRUE(Running());
  TRef<TTimer> first = StepTimer.get();
  Dispatch([&] { page->Activate(); });
  EXPECT_FALSE(first) << "the earlier timer is freed";
  EXPECT_EQ(Timers(), 1);
  ASSERT_TRUE(StepTimer);
  EXPECT_EQ(StepTimer->Owner(), page);
  EXPECT_FALSE(Running());
  EXPECT_EQ(Sheets(), "1");
  EXPECT_EQ(Buttons(), "01");
  EXPECT_EQ(SheetPhase, 1);
  clock.Advance(2000);
  EXPECT_EQ(Buttons(), "01") << "no tick of the old wait arrives";
  Next();
  clock.Advance(519);
  EXPECT_EQ(Buttons(), "01") << "a fresh wait of two ticks";
  clock.Advance(1);
  EXPECT_EQ(Buttons(), "11");
}

TEST_F(UmluvaTest, OneStepFromTheToolBarNeverLeavesTwoSheetsShown) {
  // Step mode, switched on before the page opens, leaves the one-step button enabled here: its
  // two ticks run on whatever sheet is shown, enable both buttons and count sheet 2.
  const struct Row {
    int sheet;         // the sheet shown when the one-step button is pressed
    const char* back;  // the sheets shown after a press on back, then on next
    const char* next;
  } rows[] = {{1, "1", "3"}, {3, "1", "3"}, {4, "1", "3"}};
  for (const Row& r : rows) {
    SCOPED_TRACE("sheet " + std::to_string(r.sheet));
    for (int press : {0, 1}) {
      if (!StepMode) PressTool(&TfrmMain::btnKrokujClick);
      OpenPage();
      for (int s = 1; s < r.sheet; ++s) {
        Next();
        clock.Advance(520);
      }
      ASSERT_EQ(Sheets(), std::to_string(r.sheet));
      ASSERT_TRUE(frmMain->btnKrok->Enabled());
      PressTool(&TfrmMain::btnKrokClick);
      clock.Advance(100 + 500);
      EXPECT_EQ(Buttons(), "11");
      EXPECT_FALSE(Running());
      EXPECT_EQ(CurrentSheet, 2);
      EXPECT_EQ(Sheets(), std::to_string(r.sheet)) << "sheet 2 is not shown";
      press == 0 ? Back() : Next();
      EXPECT_EQ(Sheets(), press == 0 ? r.back : r.next);
      clock.Advance(520);
      EXPECT_EQ(Sheets(), press == 0 ? r.back : r.next);
    }
  }
}

TEST_F(UmluvaTest, EverySheetFitsThePageWithoutOverlapsOrClippedTexts) {
  OpenPage();
  int pictures = 0, memos = 0;
  for (const auto& sheet : kSheets) {
    for (size_t i = 0; i < sheet.size(); ++i) {
      TControl* c = C(sheet[i]);
      const QRect box(c->Left(), c->Top(), c->Width(), c->Height());
      EXPECT_GE(box.top(), 105) << sheet[i] << " below the banner";
      EXPECT_LE(box.bottom(), 512) << sheet[i] << " above the sheet buttons";
      EXPECT_LE(box.right(), 792) << sheet[i];
      for (size_t j = 0; j < i; ++j) {
        TControl* d = C(sheet[j]);
        EXPECT_FALSE(box.intersects(QRect(d->Left(), d->Top(), d->Width(), d->Height())))
            << sheet[i] << " covers " << sheet[j];
      }
      if (auto* img = dynamic_cast<TImage*>(c)) {
        ++pictures;
        EXPECT_EQ(img->Picture().Width(), c->Width()) << sheet[i];
        EXPECT_EQ(img->Picture().Height(), c->Height()) << sheet[i];
      } else if (auto* memo = dynamic_cast<TMemo*>(c)) {
        ++memos;
        EXPECT_FALSE(memo->Lines().Text().empty()) << sheet[i];
        // Its whole text within its box: a taller box shows nothing below the real height.
        const int height = memo->Height();
        memo->SetVisible(true);
        memo->SetHeight(height + 60);
        const QImage taller = Grab(memo);
        memo->SetHeight(height);
        int ink = 0;
        for (int y = height; y < taller.height(); ++y) {
          for (int x = 0; x < taller.width(); ++x) {
            ink += taller.pixelColor(x, y) != taller.pixelColor(0, taller.height() - 1) ? 1 : 0;
          }
        }
        EXPECT_EQ(ink, 0) << sheet[i] << " has more text than its box shows";
      }
    }
  }
  EXPECT_EQ(pictures, 27);
  EXPECT_EQ(memos, 21);
}

}  // namespace
