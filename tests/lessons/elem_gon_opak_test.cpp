// Page 4.7  opakování: six sets of six pictures; each press of the button brings another set
// to the front, back and forth between sets 2 and 6. No timer, no part in the presentation.
#include "lessons/unit_frmFceElemGonOpak.h"
#include "platform/extctrls.h"
#include "tests/shell/program_fixture.h"

namespace {

constexpr int kRow = 26;
const std::vector<std::string> kKinds = {"tab", "ksin", "kcos", "gsin", "ktg", "gtg"};

std::string Name(const std::string& kind, int set) {
  return kind + "0" + std::to_string(set);
}

class GonOpakTest : public ProgramTest {
 protected:
  void OpenPage() { Open(kRow); }
  // The set that the student sees of each kind: the topmost visible picture at its place;
  // all six kinds must agree.
  int SetSeen() {
    TForm* page = Page();
    int seen = 0;
    for (const std::string& kind : kKinds) {
      TControl* place = C(Name(kind, 1));
      int top = 0;
      for (int i = page->ControlCount() - 1; i >= 0 && !top; --i) {
        TControl* c = page->Controls(i);
        if (c->Visible() && c->Left() == place->Left() && c->Top() == place->Top()) {
          top = std::string(c->Name()).back() - '0';
        }
      }
      if (seen && top != seen) ADD_FAILURE() << kind << " shows set " << top << ", not " << seen;
      seen = top;
    }
    return seen;
  }
  // The sets of which some picture is visible, as digits.
  std::string SetsShown() {
    std::string out;
    for (int set = 1; set <= 6; ++set) {
      for (const std::string& kind : kKinds) {
        if (C(Name(kind, set))->Visible()) {
          out += std::to_string(set) + (kind == "tab" && set == 1 ? "t" : "");
          break;
        }
      }
    }
    return out;
  }
  void PressButton() {
    TControl* b = C("btnu2h");
    ASSERT_TRUE(b->Visible() && b->Enabled());
    Dispatch([&] { b->Click(); });
  }
};

TEST_F(GonOpakTest, TheButtonRunsBackAndForthBetweenSetsTwoAndSix) {
  OpenPage();
  EXPECT_EQ(SetSeen(), 1);
  EXPECT_EQ(SetsShown(), "1t") << "the whole of set 1, nothing else";
  for (const std::string& kind : kKinds) EXPECT_TRUE(C(Name(kind, 1))->Visible()) << kind;
  // Set 1 never comes back; its table stays beneath the others.
  const int expected[] = {2, 3, 4, 5, 6, 5, 4, 3, 2, 3, 4, 5, 6, 5, 4, 3, 2};
  int press = 0;
  for (int set : expected) {
    ++press;
    PressButton();
    SCOPED_TRACE("press " + std::to_string(press));
    EXPECT_EQ(SetSeen(), set);
    EXPECT_EQ(SetsShown(), "1t" + std::to_string(set));
    EXPECT_TRUE(C("tab01")->Visible());
    for (const std::string& kind : kKinds) {
      if (kind != "tab") {
        EXPECT_FALSE(C(Name(kind, 1))->Visible()) << kind;
      }
    }
  }
  // Opening the page again starts with set 1 and the cycle from its beginning.
  OpenPage();
  EXPECT_EQ(SetSeen(), 1);
  PressButton();
  EXPECT_EQ(SetSeen(), 2);
  PressButton();
  EXPECT_EQ(SetSeen(), 3);
}

TEST_F(GonOpakTest, TakesNoPartInThePresentation) {
  OpenPage();
  EXPECT_FALSE(StepTimer) << "no published timer";
  for (TControl* b :
       {static_cast<TControl*>(frmMain->btnPozast), static_cast<TControl*>(frmMain->btnKrokuj),
        static_cast<TControl*>(frmMain->btnKrok)}) {
    EXPECT_FALSE(b->Enabled()) << b->Name();
  }
  clock.Advance(60000);
  EXPECT_EQ(SetSeen(), 1) << "nothing changes by itself";
  EXPECT_EQ(std::string(Page()->Caption()), "Opakování goniometrie");
}

TEST_F(GonOpakTest, EachKindLiesAtOnePlaceInEverySetAndIsOpaque) {
  OpenPage();
  for (const std::string& kind : kKinds) {
    TControl* first = C(Name(kind, 1));
    for (int set = 1; set <= 6; ++set) {
      auto* img = Get<TImage>(Name(kind, set));
      ASSERT_TRUE(img);
      EXPECT_EQ(std::vector<int>({img->Left(), img->Top(), img->Width(), img->Height()}),
                std::vector<int>({first->Left(), first->Top(), first->Width(), first->Height()}))
          << img->Name();
      EXPECT_EQ(img->Picture().Width(), img->Width()) << img->Name();
      EXPECT_FALSE(img->Picture().Image().hasAlphaChannel()) << img->Name();
      EXPECT_LE(img->Left() + img->Width(), 792) << img->Name();
      EXPECT_LE(img->Top() + img->Height(), 545) << img->Name();
    }
  }
  TControl* table = C("tab01");
  EXPECT_EQ(std::vector<int>({table->Left(), table->Top(), table->Width(), table->Height()}),
            std::vector<int>({8, 111, 593, 162}));
  EXPECT_EQ(C("btnu2h")->Left(), 607);
  EXPECT_EQ(C("btnu2h")->Top(), 246);
}

}  // namespace
