// Page 4.7  oblouková míra: the 22 frames of the radian on sheet 1 and the six circles of
// sheet 2, coded in the tick; the sheet buttons, step mode with the pause button kept, the end.
#include <QTest>

#include "lessons/unit_frmFceElemGonOblouk.h"
#include "platform/buttons.h"
#include "platform/extctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

constexpr int kRow = 20;

std::vector<std::string> Names(const std::string& stem, int from, int to, int digits) {
  std::vector<std::string> out;
  for (int k = from; k <= to; ++k) {
    std::string n = std::to_string(k);
    out.push_back(stem + std::string(digits - std::min<int>(digits, n.size()), '0') + n);
  }
  return out;
}

const std::vector<std::string> kFrames = Names("graf", 1, 22, 2);
const std::vector<std::string> kCircles = Names("oruhel_kr", 1, 6, 1);
const std::vector<std::string> kLeft = {"text1",     "text2",     "text3",    "text4",
                                        "text5",     "oruhel01",  "oruhel02", "oruhel03a",
                                        "oruhel03b", "oruhel03c", "oruhel03"};

class GonObloukTest : public SteppedPageTest {
 protected:
  void OpenPage() { SteppedPageTest::OpenPage(kRow); }
  // The visible pictures of the left column, in layout order.
  std::string Left() {
    std::string out;
    for (const std::string& n : kLeft) {
      if (Shown(n)) out += (out.empty() ? "" : " ") + n;
    }
    return out;
  }
  // The right-hand picture that the student sees: the topmost visible one of the shared place.
  std::string Right() {
    TForm* page = Page();
    for (int i = page->ControlCount() - 1; i >= 0; --i) {
      TControl* c = page->Controls(i);
      if (c->Visible() && c->Left() == 355 && c->Top() == 113) return std::string(c->Name());
    }
    return "";
  }
  // The visible right-hand pictures, in layout order.
  std::string RightShown() {
    std::string out;
    for (const auto* names : {&kFrames, &kCircles}) {
      for (const std::string& n : *names) {
        if (Shown(n)) out += (out.empty() ? "" : " ") + n;
      }
    }
    return out;
  }
  // btnListZpet and btnListDalsi: enabled (1) or not (0).
  std::string SheetButtons() {
    return std::string(Get<TSpeedButton>("btnListZpet")->Enabled() ? "1" : "0") +
           (Get<TSpeedButton>("btnListDalsi")->Enabled() ? "1" : "0");
  }
};

TEST_F(GonObloukTest, PlaysTheAnimationAndTurnsToTheCirclesByItself) {
  const struct Row {
    std::int64_t t;
    const char* right;  // the picture on top
    const char* shown;  // every visible right-hand picture
    const char* left;
    const char* sheetButtons;
    int interval;  // the pause after the step shown
  } rows[] = {
      {0, "", "", "", "01", 1500},
      {1499, "", "", "", "01", 1500},
      {1500, "graf01", "graf01", "text1", "01", 1500},
      {3000, "graf02", "graf01 graf02", "text1", "01", 1500},
      {4500, "graf03", "graf02 graf03", "text1", "01", 1500},
      {16500, "graf11", "graf10 graf11", "text1", "01", 1500},
      // the first radian: graf11 stays shown under graf12, the text comes, the page rests
      {18000, "graf12", "graf11 graf12", "text1 text2", "01", 6000},
      {23999, "graf12", "graf11 graf12", "text1 text2", "01", 6000},
      {24000, "graf13", "graf12 graf13", "text1 text2", "01", 2000},
      {26000, "graf14", "graf13 graf14", "text1 text2", "01", 2000},
      {28000, "graf15", "graf14 graf15", "text1 text2", "01", 1500},
      {31000, "graf17", "graf16 graf17", "text1 text2", "01", 1500},
      {32500, "graf17", "graf16 graf17", "text1 text2 text3", "01", 6000},
      {38500, "graf18", "graf17 graf18", "text1 text2 text3", "01", 1500},
      {40000, "graf18", "graf17 graf18", "text1 text2 text3 text4", "01", 3000},
      {43000, "graf19", "graf18 graf19", "text1 text2 text3 text4", "01", 2000},
      {45000, "graf20", "graf19 graf20", "text1 text2 text3 text4", "01", 1500},
      {48000, "graf22", "graf21 graf22", "text1 text2 text3 text4", "01", 1500},
      {49500, "graf22", "graf21 graf22", "text1 text2 text3 text4 text5", "01", 1500},
      // sheet 2 by itself; graf21 and graf22 stay beneath the circles
      {51000, "oruhel_kr1", "graf21 graf22 oruhel_kr1", "oruhel01", "10", 4000},
      {55000, "oruhel_kr2", "graf21 graf22 oruhel_kr1 oruhel_kr2", "oruhel01 oruhel02", "10", 4000},
      {59000, "oruhel_kr3", "graf21 graf22 oruhel_kr1 oruhel_kr2 oruhel_kr3",
       "oruhel01 oruhel02 oruhel03a", "10", 4000},
      {71000, "oruhel_kr6",
       "graf21 graf22 oruhel_kr1 oruhel_kr2 oruhel_kr3 oruhel_kr4 oruhel_kr5 oruhel_kr6",
       "oruhel01 oruhel02 oruhel03a oruhel03b oruhel03c oruhel03", "10", 4000},
  };
  OpenPage();
  for (const Row& r : rows) {
    At(r.t);
    SCOPED_TRACE(r.t);
    EXPECT_EQ(Right(), r.right);
    EXPECT_EQ(RightShown(), r.shown);
    EXPECT_EQ(Left(), r.left);
    EXPECT_EQ(SheetButtons(), r.sheetButtons);
    EXPECT_TRUE(Running());
    EXPECT_EQ(StepTimer->Interval(), r.interval);
    EXPECT_EQ(Toolbar(), "110");
  }
  // The tick after step 30 stops; a restart by the pause button shows nothing and stops again.
  At(74999);
  EXPECT_TRUE(Running());
  At(75000);
  EXPECT_FALSE(Running());
  const std::string right = RightShown(), left = Left();
  for (int restart = 0; restart < 3; ++restart) {
    PressTool(&TfrmMain::Pauza);
    At(75000 + 1000 * (restart + 1));
    EXPECT_FALSE(Running());
    EXPECT_EQ(RightShown(), right);
    EXPECT_EQ(Left(), left);
    EXPECT_EQ(Right(), "oruhel_kr6");
  }
}

TEST_F(GonObloukTest, SheetButtonsShowTheOtherSheetAtOnce) {
  OpenPage();
  At(20000);
  ASSERT_EQ(Right(), "graf12");
  Press("btnListDalsi");
  EXPECT_EQ(Right(), "oruhel_kr1") << "at once";
  EXPECT_EQ(Left(), "oruhel01");
  EXPECT_EQ(SheetButtons(), "10");
  EXPECT_EQ(RightShown(), "oruhel_kr1") << "the frames of sheet 1 are hidden";
  At(24000);  // the running presentation goes on with sheet 2 on the interval set at its turn
  EXPECT_EQ(Right(), "oruhel_kr2");
  Press("btnListZpet");
  EXPECT_EQ(Right(), "graf01");
  EXPECT_EQ(Left(), "text1");
  EXPECT_EQ(RightShown(), "graf01") << "the circles are hidden";
  EXPECT_EQ(SheetButtons(), "01");
  At(25500);
  EXPECT_EQ(Right(), "graf02");

  // After the end the buttons show a sheet's first step only; the tool bar goes on from there.
  At(200000);
  ASSERT_FALSE(Running());
  Press("btnListZpet");
  EXPECT_EQ(Right(), "graf01");
  At(220000);
  EXPECT_EQ(Right(), "graf01");
  EXPECT_FALSE(Running());
  PressTool(&TfrmMain::Pauza);
  At(220100);
  EXPECT_EQ(Right(), "graf02");
  EXPECT_TRUE(Running());
}

// State E: the pause button stays enabled in step mode, and each step, those of sheet 2 too,
// waits for a press.
TEST_F(GonObloukTest, StepModeWaitsForEveryStepAndKeepsThePauseButton) {
  PressTool(&TfrmMain::btnKrokujClick);
  OpenPage();
  EXPECT_EQ(Toolbar(), "111");
  At(1500);
  EXPECT_EQ(Right(), "graf01");
  EXPECT_FALSE(Running());
  At(30000);
  EXPECT_EQ(Right(), "graf01");
  PressTool(&TfrmMain::btnKrokClick);
  At(30099);
  EXPECT_EQ(Right(), "graf01");
  At(30100);
  EXPECT_EQ(Right(), "graf02");
  EXPECT_FALSE(Running());
  // The pause button runs the next step after 100 ms, and the page waits again.
  PressTool(&TfrmMain::Pauza);
  At(30200);
  EXPECT_EQ(Right(), "graf03");
  EXPECT_FALSE(Running());
  EXPECT_EQ(Toolbar(), "111");
  // Sheet 2 waits in the same way.
  Press("btnListDalsi");
  EXPECT_EQ(Right(), "oruhel_kr1");
  EXPECT_FALSE(Running());
  At(40000);
  EXPECT_EQ(Left(), "oruhel01");
  PressTool(&TfrmMain::btnKrokClick);
  At(40100);
  EXPECT_EQ(Right(), "oruhel_kr2");
  EXPECT_EQ(Left(), "oruhel01 oruhel02");
  EXPECT_FALSE(Running());
  EXPECT_EQ(Toolbar(), "111");
  // Leaving step mode goes on with the pause of sheet 2.
  PressTool(&TfrmMain::btnKrokujClick);
  At(44099);
  EXPECT_EQ(Right(), "oruhel_kr2");
  At(44100);
  EXPECT_EQ(Right(), "oruhel_kr3");
  EXPECT_TRUE(Running());
}

TEST_F(GonObloukTest, EveryRightHandPictureIsOpaqueAtOnePlace) {
  OpenPage();
  for (const auto* names : {&kFrames, &kCircles}) {
    for (const std::string& n : *names) {
      auto* img = Get<TImage>(n);
      ASSERT_TRUE(img);
      EXPECT_EQ(std::vector<int>({img->Left(), img->Top(), img->Width(), img->Height()}),
                std::vector<int>({355, 113, 441, 423}))
          << n;
      EXPECT_EQ(img->Picture().Width(), 441) << n;
      EXPECT_EQ(img->Picture().Height(), 423) << n;
      EXPECT_FALSE(img->Picture().Image().hasAlphaChannel()) << n;
    }
  }
  for (const std::string& n : kLeft) {
    TControl* c = C(n);
    EXPECT_EQ(c->Left(), 8) << n;
    EXPECT_LE(c->Left() + c->Width(), 355) << n << " keeps off the right-hand pictures";
    EXPECT_LE(c->Top() + c->Height(), 515) << n << " keeps off the sheet buttons";
  }
}

}  // namespace
