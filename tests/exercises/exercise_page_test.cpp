// The exercise page tables: hints one step or stepped, results, enlarged pictures, the
// remembered tab, on a small fixture page opened through the shell.
#include <QFile>
#include <QTemporaryDir>

#include "exercises/exercise_page.h"
#include "exercises/unit_frmFceCElemKvadr.h"
#include "platform/jpeg.h"
#include "tests/shell/program_fixture.h"

namespace {

class TfrmFixtureExercise : public TForm {
 public:
  explicit TfrmFixtureExercise(TComponent* owner) : TForm(owner) {}
};

// The folder of the enlarged pictures, for the whole test program.
const std::string& Folder() {
  static QTemporaryDir dir;
  static const std::string folder = dir.path().toStdString() + "/";
  return folder;
}

ExerciseTables& Tables() {
  static ExerciseTables tables(
      {Folder(), 5}, {Hint("btn10Click", {"nap10"}),
                      Stepped("btn1aClick", {{{"nap1a1"}}, {{"nap1a2", "nap1a2b"}}}),
                      Result("btn1arClick", {"res1a1", "res1a2"}), Enlarge("res1a1Click", "p1ar")});
  return tables;
}

// The fixture takes the place of the quadratic function's exercises (page 42, slot 5).
const char* kLayout = R"(
object frmFceCElemKvadr: TfrmFceCElemKvadr
  Color = clMoneyGreen
  FormStyle = fsMDIChild
  BorderStyle = bsNone
  WindowState = wsMaximized
  Visible = True
  OnActivate = Akce
  object priklady: TPageControl
    Left = 8
    Top = 111
    Width = 793
    Height = 425
    Style = tsFlatButtons
    Images = frmMain.ikony_sbirka
    OnChange = prikladyChange
    object TabSheet1: TTabSheet
      Caption = '1'
      ImageIndex = 0
      object btn10: TSpeedButton
        OnClick = btn10Click
      end
      object nap10: TLabel
        Visible = False
      end
      object btn1a: TSpeedButton
        OnClick = btn1aClick
      end
      object nap1a1: TLabel
        Visible = False
      end
      object nap1a2: TLabel
        Visible = False
      end
      object nap1a2b: TLabel
        Visible = False
      end
      object btn1ar: TSpeedButton
        OnClick = btn1arClick
      end
      object res1a1: TImage
        Visible = False
        OnClick = res1a1Click
      end
      object res1a2: TLabel
        Visible = False
      end
    end
    object TabSheet2: TTabSheet
      Caption = '1'
      ImageIndex = 1
    end
  end
end
)";

class ExercisePageTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    TFormClass cls = TFormClass::Of<TfrmFixtureExercise>("TfrmFceCElemKvadr", "frmFceCElemKvadr");
    Tables().AddTo(cls);
    RegisterFormClass(cls);
    SetLayoutText("frmFceCElemKvadr", kLayout);
    QImage img(60, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QFile f(QString::fromStdString(Folder() + "p1ar_big.jpg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(EncodeJpeg(img, 80));
  }
  void TearDown() override {
    ProgramTest::TearDown();
    RegisterFormClass(TfrmFceCElemKvadr::FormClass());
    SetLayoutText("frmFceCElemKvadr", "");
  }
  TForm* Page() { return frmMain->OpenPage(); }
  TControl* C(const char* n) { return static_cast<TControl*>(Page()->FindComponent(n)); }
  TPageControl* Tabs() { return static_cast<TPageControl*>(Page()->FindComponent("priklady")); }
  void Click(const char* n) {
    Dispatch([&] { C(n)->Click(); });
  }
  QTemporaryDir dir;
};

TEST_F(ExercisePageTest, HintsResultsAndPictures) {
  Open(43);
  Click("btn10");
  EXPECT_TRUE(C("nap10")->Visible());
  EXPECT_FALSE(C("btn10")->Enabled()) << "a hint of one step disables its button";
  Click("btn1a");
  EXPECT_TRUE(C("nap1a1")->Visible());
  EXPECT_FALSE(C("nap1a2")->Visible()) << "one step a click";
  EXPECT_TRUE(C("btn1a")->Enabled());
  Click("btn1a");
  EXPECT_TRUE(C("nap1a2")->Visible());
  EXPECT_TRUE(C("nap1a2b")->Visible());
  EXPECT_FALSE(C("btn1a")->Enabled()) << "disabled after the last step";
  Click("btn1ar");
  Click("btn1ar");  // a second click changes nothing
  EXPECT_TRUE(C("res1a1")->Visible());
  EXPECT_TRUE(C("btn1ar")->Enabled());
  Click("res1a1");
  EXPECT_TRUE(frm_lupa->Visible());
  EXPECT_EQ(frm_lupa->Width(), 60);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ExercisePageTest, ActivationAgainStartsTheStepsOverButHidesNothing) {
  Open(43);
  Click("btn1a");
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 1);
  Page()->Activate();  // back from the magnifier
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 0);
  EXPECT_TRUE(C("nap1a1")->Visible());
  Click("btn1a");  // step 1 again: nothing new on the screen
  EXPECT_FALSE(C("nap1a2")->Visible());
  Click("btn1a");
  EXPECT_TRUE(C("nap1a2")->Visible());
  Open(43);  // a fresh instance: all hidden, all enabled, steps from 1
  EXPECT_FALSE(C("nap1a1")->Visible());
  EXPECT_TRUE(C("btn1a")->Enabled());
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 0);
}

TEST_F(ExercisePageTest, TheChosenTabIsRememberedAndPickingOneHidesTheMagnifier) {
  Open(43);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn1ar");
  Click("res1a1");
  Dispatch([&] { Tabs()->SelectTabByUser(1); });
  EXPECT_EQ(ExerciseTabIndex[5], 1);
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
  Open(42);
  Open(43);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 1) << "reopened on the remembered tab";
  ExerciseTabIndex[5] = 7;  // a slot shared with a page of more tabs
  Open(43);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  EXPECT_EQ(ExerciseTabIndex[5], 7) << "selecting from code writes nothing";
}

}  // namespace
