// The live-graph pattern: the edit chain as a user types and clicks the arrows on every
// parameter of both pages, the reveal on the virtual clock, a second activation, a page of
// several pictures with half-typed texts, typed terms, and the exact comparisons of typed values.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "lessons/unit_frmFceElemKvadr.h"
#include "lessons/unit_frmFceElemLin.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

// A term that follows another in an expression.
std::string Following(const std::string& term) {
  return term[0] == '-' ? term : "+" + term;
}

// A live page with its parameters, and the expression it draws from their terms.
struct LivePage {
  int row;
  std::vector<std::string> params;
  std::string (*expression)(const std::vector<std::string>& terms);
};

const LivePage kPages[] = {
    {14,
     {"A", "B"},
     [](const std::vector<std::string>& t) { return t[0] + "*x" + Following(t[1]); }},
    {15,
     {"A", "B", "C"},
     [](const std::vector<std::string>& t) {
       return t[0] + "*x^2" + Following(t[1]) + "*x" + Following(t[2]);
     }},
};

class LiveGraphTest : public LivePageTest {
 protected:
  template <class T>
  T* Control(const std::string& name) {
    auto* c = dynamic_cast<T*>(frmMain->OpenPage()->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  TMaskEdit* Edit(const std::string& param) { return Control<TMaskEdit>("hodnota_" + param); }
  TMaskEdit* Tenths(const std::string& param) { return Control<TMaskEdit>("pom" + param); }
  // Every parameter of the page back at "1" (tenths "10") after an update.
  void Baseline(const LivePage& page) {
    for (const std::string& p : page.params) Type(Edit(p), "1");
    Tick();
    for (const std::string& p : page.params) ASSERT_EQ(Tenths(p)->Text(), "10") << p;
  }
  // The expression of the baseline with `term` for parameter `index`.
  static std::string Expression(const LivePage& page, size_t index, const std::string& term) {
    std::vector<std::string> terms(page.params.size(), "1");
    terms[index] = term;
    return page.expression(terms);
  }
};

struct TypingCase {
  const char* before;   // typed over the whole text first; "" leaves it selected for the keys
  const char* keys;     // then typed at the end, or over the selection
  const char* text;     // the edit after the keys
  const char* tenths;   // the hidden edit after the keys
  bool changed;         // ParamsChanged after the keys
  const char* settled;  // the edit after the next update
  const char* term;     // the parameter's term drawn by then; null: the empty grid
  bool paste = false;   // the keys are pasted over the whole text instead
};

const TypingCase kTyping[] = {
    {"1,4", "5", "1,45", "14", true, "1,45", "1,45"},  // same tenths: the typed text stays
    {"1,5", "5", "1,6", "16", true, "1,6", "1,6"},     // new tenths: the tenths value
    {"", "-", "-", "10", false, "-", "1"},             // no number yet: nothing changes
    {"", "-0", "-0", "0", true, "-0", "0"},            // keeps its sign, draws zero
    {"", "-0,", "-0,", "0", true, "-0,", "0"},
    {"", "-0,5", "-0,5", "-5", true, "-0,5", "-0,5"},
    {"", "25", "25", "250", true, "20", "20"},  // clamped at the update
    {"", "-31", "-31", "-310", true, "-20", "-20"},
    {"", "1e300", "1e300", "1E301", true, "20", "20"},  // tenths beyond any integer
    {"", "x", "x", "10", false, "x", "1"},
    {"", "\b", "", "10", false, "", "1"},  // an empty edit
    // Texts the converter reads and the engine would not: drawn from the value's own text.
    {"", "+2", "+2", "20", true, "+2", "2"},
    {"", " 3", " 3", "30", true, " 3", "3"},
    {"0", "1e-2", "1e-2", "0", true, "1e-2", "0,01", true},
    {"0", "1e-7", "1e-7", "0", true, "1e-7", nullptr, true},  // its text needs an exponent
};

TEST_F(LiveGraphTest, TypingKeepsTenthsTypedTextsAndMinusSignsAndClamps) {
  for (const LivePage& page : kPages) {
    OpenLive(page.row);
    for (size_t i = 0; i < page.params.size(); ++i) {
      TMaskEdit* edit = Edit(page.params[i]);
      for (const TypingCase& c : kTyping) {
        SCOPED_TRACE(std::to_string(page.row) + " " + page.params[i] + ": " + c.before + " then " +
                     c.keys);
        Baseline(page);
        if (c.paste) {
          Type(edit, c.before);
          QGuiApplication::clipboard()->setText(c.keys);
          edit->LineEdit()->selectAll();
          edit->LineEdit()->paste();
        } else if (*c.before) {
          Type(edit, c.before);
          Append(edit, c.keys);
        } else {
          Type(edit, c.keys);
        }
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(Tenths(page.params[i])->Text(), c.tenths);
        EXPECT_EQ(Live()->ParamsChanged(), c.changed);
        Tick();
        EXPECT_EQ(edit->Text(), c.settled);
        EXPECT_EQ(edit->LineEdit()->text().toStdString(), c.settled);
        EXPECT_FALSE(Live()->ParamsChanged());
        EXPECT_EQ(Live()->DrawnExpression(), c.term ? Expression(page, i, c.term) : "");
      }
    }
  }
}

struct ArrowCase {
  const char* typed;
  TUDBtnType button;
  const char* text;
  const char* tenths;
};

const ArrowCase kArrows[] = {
    {"1,45", TUDBtnType::btNext, "1,5", "15"},  // from the tenths in the hidden edit
    {"1,45", TUDBtnType::btPrev, "1,3", "13"},
    {"1,55", TUDBtnType::btNext, "1,7", "17"},  // typing it gave 1,6 already
    {"-0,5", TUDBtnType::btNext, "-0,4", "-4"},
    {"0,1", TUDBtnType::btPrev, "0", "0"},
    {"-", TUDBtnType::btNext, "1,1", "11"},   // over a lone minus from the last tenths
    {"10", TUDBtnType::btNext, "10", "100"},  // the arrows stop at 10
    {"-10", TUDBtnType::btPrev, "-10", "-100"},
};

// Each parameter's arrows step its own hidden edit, which writes its own visible edit.
TEST_F(LiveGraphTest, ArrowsStepTheTenthsAndWriteThemBack) {
  for (const LivePage& page : kPages) {
    OpenLive(page.row);
    for (size_t i = 0; i < page.params.size(); ++i) {
      const std::string& p = page.params[i];
      for (const ArrowCase& c : kArrows) {
        SCOPED_TRACE(std::to_string(page.row) + " " + p + ": " + c.typed);
        Baseline(page);
        Type(Edit(p), c.typed);
        Click(Control<TUpDown>("sipky_" + p), c.button);
        EXPECT_EQ(Edit(p)->Text(), c.text);
        EXPECT_EQ(Tenths(p)->Text(), c.tenths);
        Tick();
        EXPECT_EQ(Live()->DrawnExpression(), Expression(page, i, c.text));
      }
    }
  }
}

TEST_F(LiveGraphTest, ChangesBetweenTwoTicksCostOneUpdate) {
  OpenLive(14);
  Type(frmFceElemLin->hodnota_A, "2");
  Type(frmFceElemLin->hodnota_B, "-3");
  EXPECT_EQ(Live()->DrawnExpression(), "1*x+1");
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "2*x-3");
  EXPECT_EQ(frmFceElemLin->par02_y->Caption(), " y = -3");
}

// The controls of a page form that are visible, by name.
std::vector<std::string> VisibleControls(TForm* page) {
  std::vector<std::string> names;
  for (int i = 0; i < page->ControlCount(); ++i) {
    if (page->Controls(i)->Visible()) names.push_back(page->Controls(i)->Name());
  }
  return names;
}

struct RevealCase {
  int row;
  const char* definition;
  std::vector<std::string> atOpening;  // visible before the first tick
};

const RevealCase kReveals[] = {
    {14, "img", {"GroupBox1", "grafImg"}},  // 4.1 shows its empty picture at once
    {15, "img01", {"GroupBox1"}},
    {16, "img01", {"GroupBox1"}},
};

TEST_F(LiveGraphTest, RevealsFrameThenDefinitionThenTheLivePartThenDraws) {
  for (const RevealCase& c : kReveals) {
    SCOPED_TRACE(c.row);
    Open(c.row);
    TForm* page = frmMain->OpenPage();
    auto shown = [&](const char* name) {
      return static_cast<TControl*>(page->FindComponent(name))->Visible();
    };
    auto* frame = static_cast<TShape*>(page->FindComponent("obdelnik"));
    EXPECT_EQ(frame->Brush().Color(), 0xE7E4E0);
    EXPECT_EQ(VisibleControls(page), c.atOpening);
    clock.Advance(999);
    EXPECT_EQ(VisibleControls(page), c.atOpening);
    clock.Advance(1);
    EXPECT_TRUE(shown("obdelnik"));
    EXPECT_FALSE(shown(c.definition));
    clock.Advance(999);
    EXPECT_FALSE(shown(c.definition));
    clock.Advance(1);
    EXPECT_TRUE(shown(c.definition));
    EXPECT_FALSE(shown("hodnota_A"));
    clock.Advance(999);
    EXPECT_FALSE(shown("hodnota_A"));
    clock.Advance(1);
    EXPECT_TRUE(shown("hodnota_A"));
    EXPECT_TRUE(shown("sipky_A"));
    EXPECT_TRUE(shown("grafImg"));
    EXPECT_FALSE(shown("pomA"));
    EXPECT_EQ(Live()->Timer()->Interval(), 10);
    EXPECT_EQ(Live()->DrawnExpression(), "");
    clock.Advance(10);
    EXPECT_NE(Live()->DrawnExpression(), "");
    EXPECT_FALSE(Live()->ParamsChanged());
  }
}

// The timers that a page owns.
int Timers(TForm* page) {
  int n = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    n += dynamic_cast<TTimer*>(page->Components(i)) != nullptr;
  }
  return n;
}

TEST_F(LiveGraphTest, ASecondActivationStartsNoSecondTimerAndNoSecondReveal) {
  for (int row : {14, 15, 16}) {
    SCOPED_TRACE(row);
    Open(row);
    TForm* page = frmMain->OpenPage();
    TLiveGraph* live = Live();
    clock.Advance(1500);
    Dispatch([&] { page->Activate(); });
    EXPECT_EQ(Live(), live);
    EXPECT_EQ(Timers(page), 1);
    EXPECT_EQ(live->RevealStep(), 0);
    clock.Advance(500);  // the definition on time
    EXPECT_EQ(live->RevealStep(), 1);
    clock.Advance(1010);
    const std::string drawn = live->DrawnExpression();
    Dispatch([&] { page->Activate(); });
    clock.Advance(1000);
    EXPECT_EQ(Timers(page), 1);
    EXPECT_EQ(live->Timer()->Interval(), 10);
    EXPECT_TRUE(static_cast<TControl*>(page->FindComponent("hodnota_A"))->Visible());
    EXPECT_EQ(live->DrawnExpression(), drawn);
  }
}

// 4.1 publishes its timer, so hiding the program stops the polling and showing it resumes;
// 4.2 keeps its own.
TEST_F(LiveGraphTest, HidingTheProgramStopsThePublishedTimerAndShowingItResumes) {
  OpenLive(14);
  EXPECT_EQ(StepTimer.get(), Live()->Timer());
  frmMain->Schovat1Click(nullptr);
  Type(frmFceElemLin->hodnota_A, "3");
  clock.Advance(100);
  EXPECT_EQ(Live()->DrawnExpression(), "1*x+1");
  Dispatch([] { frmMain->WindowStateChangedBySystem(false); });
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "3*x+1");

  OpenLive(15);
  EXPECT_EQ(StepTimer.get(), nullptr);
  EXPECT_TRUE(Live()->Timer()->Running());
}

// A page of four-graph kind: no reveal, two parameters within -5..5, two pictures, each with
// its own graph object, drawn from the texts as typed.
const char* kFourGraphPage = R"(
object frmLive: TForm
  Width = 600
  Height = 320
  Color = clMoneyGreen
  object pomA: TMaskEdit
    Left = 8
    Top = 8
    Width = 49
    Text = '10'
    Visible = False
  end
  object hodnota_A: TMaskEdit
    Left = 8
    Top = 8
    Width = 49
    Text = '1'
  end
  object sipky_A: TUpDown
    Left = 57
    Top = 8
    Width = 16
    Height = 21
    Associate = pomA
    Min = -50
    Max = 50
    Position = 10
    Increment = 1
  end
  object pomB: TMaskEdit
    Left = 8
    Top = 40
    Width = 49
    Text = '10'
    Visible = False
  end
  object hodnota_B: TMaskEdit
    Left = 8
    Top = 40
    Width = 49
    Text = '1'
  end
  object sipky_B: TUpDown
    Left = 57
    Top = 40
    Width = 16
    Height = 21
    Associate = pomB
    Min = -50
    Max = 50
    Position = 10
    Increment = 1
  end
  object grafImg1: TImage
    Left = 100
    Top = 8
    Width = 249
    Height = 137
  end
  object grafImg2: TImage
    Left = 100
    Top = 160
    Width = 249
    Height = 137
  end
end
)";

class FourGraphPageTest : public PlatformFixture {
 protected:
  void TearDown() override {
    if (form) Free(form);
    PlatformFixture::TearDown();
  }
  static LivePageDescription Description() {
    LivePageDescription d;
    d.params = {{"A", -5, 5}, {"B", -5, 5}};
    d.reveal = false;
    d.pictures = {"grafImg1", "grafImg2"};
    d.scale = 15;
    d.pauseTexts = {"-", "-0", "-0,", "0,", ",", "-,"};
    return d;
  }
  // Opens the page: the edits forward to the pattern, the update draws both pictures.
  void Open(const LivePageDescription& d) {
    static const TFormClass cls = TFormClass::Of<TForm>("TForm", "frmLive");
    form = FormFromText(cls, kFourGraphPage);
    live = new TLiveGraph(*form, d);
    for (int i = 0; i < 2; ++i) {
      const std::string p = i == 0 ? "A" : "B";
      Edit(p)->SetOnChange(TNotifyEvent([this](TObject*) { live->ParamEdited(); }));
      Find<TMaskEdit>("pom" + p)->SetOnChange(
          TNotifyEvent([this, i](TObject*) { live->TenthsChanged(i); }));
    }
    live->Start(TNotifyEvent(), TNotifyEvent([this](TObject*) {
                  live->Update([this](const std::vector<double>& v) {
                    ++updates;
                    const std::string a = TLiveGraph::TypedTerm(Edit("A")->Text(), v[0]);
                    const std::string b = TLiveGraph::TypedTerm(Edit("B")->Text(), v[1]);
                    live->Draw(a + "*sin(" + b + "*x)", 255, 0);
                    live->Draw(a + "*(" + b + "*x)^2", 255, 1);
                  });
                }));
  }
  template <class T>
  T* Find(const std::string& name) {
    auto* c = dynamic_cast<T*>(form->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  TMaskEdit* Edit(const std::string& p) { return Find<TMaskEdit>("hodnota_" + p); }
  TImage* Picture(int k) { return Find<TImage>("grafImg" + std::to_string(k + 1)); }
  bool AnyRed(int k) {
    TImage* img = Picture(k);
    for (int r = 0; r < img->Height(); ++r) {
      for (int c = 0; c < img->Width(); ++c) {
        if (img->Canvas().Pixel(c, r) == 255) return true;
      }
    }
    return false;
  }

  TForm* form = nullptr;
  TLiveGraph* live = nullptr;
  int updates = 0;
};

TEST_F(FourGraphPageTest, EachPictureHasItsOwnGraphObjectAndFallsBackAlone) {
  Open(Description());
  EXPECT_EQ(live->Timer()->Interval(), 10);
  live->Graf(1).YMax -= 3;
  live->Graf(1).YMin -= 3;
  clock.Advance(10);
  EXPECT_EQ(live->DrawnExpression(0), "1*sin(1*x)");
  EXPECT_EQ(live->DrawnExpression(1), "1*(1*x)^2");
  // 249 pixels at 15 a unit: x from -8, so x = 0 is column 120; y = 0 is row 8 · 15 in the
  // first picture and, with the view lowered by 3, row 5 · 15 in the second.
  EXPECT_EQ(live->Graf(0).YMax, 8);
  EXPECT_EQ(live->Graf(1).YMax, 5);
  EXPECT_EQ(Picture(0)->Canvas().Pixel(120, 120), 255);
  EXPECT_EQ(Picture(1)->Canvas().Pixel(120, 75), 255);

  EXPECT_FALSE(live->Draw("sin(", 255, 1));
  EXPECT_EQ(live->DrawnExpression(1), "");
  EXPECT_FALSE(AnyRed(1));
  EXPECT_EQ(live->DrawnExpression(0), "1*sin(1*x)");
  EXPECT_TRUE(AnyRed(0));
}

// A number being typed is not drawn before it is complete, not even when another edit changes
// meanwhile; the clamp leaves the caret after the bound.
TEST_F(FourGraphPageTest, HalfTypedTextsPauseTheUpdate) {
  Open(Description());
  clock.Advance(10);
  const int drawn = updates;
  QLineEdit* line = Edit("A")->LineEdit();
  line->selectAll();
  for (const char* text : {"-", "-0", "-0,"}) {
    QTest::keyClick(line, text[std::string(text).size() - 1]);
    ASSERT_EQ(Edit("A")->Text(), text);
    if (std::string(text) == "-0") {
      Edit("B")->LineEdit()->selectAll();
      QTest::keyClicks(Edit("B")->LineEdit(), "2");
    }
    clock.Advance(10);
    EXPECT_EQ(updates, drawn) << text;
    EXPECT_FALSE(live->ParamsChanged()) << text;
    EXPECT_EQ(live->DrawnExpression(0), "1*sin(1*x)");
  }
  QTest::keyClick(line, '5');
  clock.Advance(10);
  EXPECT_EQ(live->DrawnExpression(0), "-0,5*sin(2*x)");
  EXPECT_EQ(live->DrawnExpression(1), "-0,5*(2*x)^2");

  line->selectAll();
  QTest::keyClick(line, '7');
  clock.Advance(10);
  EXPECT_EQ(Edit("A")->Text(), "5");
  EXPECT_EQ(Edit("A")->SelStart(), 1);
  EXPECT_EQ(Edit("A")->SelLength(), 0);
  EXPECT_EQ(live->DrawnExpression(0), "5*sin(2*x)");
}

TEST_F(FourGraphPageTest, AHiddenEditWithoutANumberDropsTheChangeWhereTheDescriptionSaysSo) {
  for (bool clears : {false, true}) {
    SCOPED_TRACE(clears);
    LivePageDescription d = Description();
    d.tenthsErrorClears = clears;
    Open(d);
    clock.Advance(10);
    Edit("A")->SetText("2");
    ASSERT_TRUE(live->ParamsChanged());
    Find<TMaskEdit>("pomA")->SetText("x");
    EXPECT_EQ(live->ParamsChanged(), !clears);
    clock.Advance(10);
    EXPECT_EQ(live->DrawnExpression(0), clears ? "1*sin(1*x)" : "2*sin(1*x)");
    Free(form);
    form = nullptr;
  }
}

// A control that only a live page's description names reaches what its layout must hold: a
// layout without it is refused, naming the layout and the control.
class TfrmLiveChybi : public TForm {
 public:
  explicit TfrmLiveChybi(TComponent* owner) : TForm(owner) {}
};

TEST_F(FourGraphPageTest, AControlThatOnlyTheDescriptionNamesMustBeInTheLayout) {
  LivePageDescription d = Description();
  d.liveControls = {"nadpis"};
  const ::LivePage<TfrmLiveChybi> page(d, {.update = {}});
  const TFormClass cls = page.FormClass("TfrmLiveChybi", nullptr);
  std::string layout = kFourGraphPage;
  const std::string head = "object frmLive: TForm";
  layout.replace(layout.find(head), head.size(), "object frmLiveChybi: TfrmLiveChybi");
  try {
    Free(FormFromText(cls, layout));
    FAIL() << "the layout lacks nadpis";
  } catch (const ELayoutError& e) {
    EXPECT_NE(std::string(e.what()).find("fixture.lay"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("has no control nadpis"), std::string::npos) << e.what();
  }
}

struct TypedTermCase {
  const char* typed;
  double value;
  const char* term;
};

const TypedTermCase
    kTypedTerms[] =
        {
            {"1,50", 1.5, "1,50"},  {"-2", -2, "-2"},   {"2,5", 2.5, "2,5"},  // kept as typed
            {"+2", 2, "2"},         {" 3", 3, "3"},     {"3 ", 3, "3"},  // the value's own text
            {"1,", 1, "1"},         {",5", 0.5, "0,5"}, {"-,5", -0.5, "-0,5"},
            {"1e-2", 0.01, "0,01"}, {"-0", 0, "0"},     {"-0,0", 0, "0"},
            {"1e-7", 1e-7, "1E-7"},  // no text without an exponent: the engine will not draw it
};

TEST(TypedTerms, PlainDecimalsStayAsTypedAndOthersTakeTheValuesText) {
  for (const TypedTermCase& c : kTypedTerms) {
    SCOPED_TRACE(c.typed);
    const std::string term = TLiveGraph::TypedTerm(c.typed, c.value);
    EXPECT_EQ(term, c.term);
    TokenList list;
    EXPECT_EQ(ParseExpression(term + "*x", list), c.value != 1e-7);
  }
}

// A page whose own presentation runs the page timer first (the goniometric pages): the live
// state is made without a timer, takes over the presentation's timer when it goes live, and
// reads a parameter whose edit is not named after it.
TEST_F(FourGraphPageTest, APresentationsTimerIsTakenOverWhenThePageGoesLive) {
  static const TFormClass cls = TFormClass::Of<TForm>("TForm", "frmLive");
  std::string text = kFourGraphPage;
  text.replace(text.find("hodnota_A:"), 10, "hodnota_A1:");
  form = FormFromText(cls, text);
  LivePageDescription d;
  d.params = {{"A", -20, 20, "hodnota_A1"}};
  d.reveal = false;
  d.pictures = {"grafImg1"};
  live = new TLiveGraph(*form, d);
  auto* edit = Find<TMaskEdit>("hodnota_A1");
  edit->SetOnChange(TNotifyEvent([this](TObject*) { live->ParamEdited(); }));
  Find<TMaskEdit>("pomA")->SetOnChange(TNotifyEvent([this](TObject*) { live->TenthsChanged(0); }));
  live->Prepare(TNotifyEvent([this](TObject*) {
    live->Update([this](const std::vector<double>& v) {
      ++updates;
      live->Draw(TLiveGraph::Term(v[0]) + "*x", 255);
    });
  }));
  EXPECT_EQ(live->Timer(), nullptr) << "no timer of its own";
  EXPECT_TRUE(live->ParamsChanged());

  auto* presentation = new TTimer(form);  // the presentation's, at its own pace
  int steps = 0;
  presentation->SetOnTimer(TNotifyEvent([&steps](TObject*) { ++steps; }));
  clock.Advance(3000);
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(updates, 0);

  live->GoLive(presentation);
  EXPECT_EQ(live->Timer(), presentation);
  EXPECT_EQ(presentation->Interval(), 10);
  clock.Advance(10);
  EXPECT_EQ(steps, 3) << "the presentation's tick is gone";
  EXPECT_EQ(live->DrawnExpression(), "1*x");

  edit->SetText("25");
  clock.Advance(10);
  EXPECT_EQ(edit->Text(), "20");
  EXPECT_EQ(live->DrawnExpression(), "20*x");
  Find<TMaskEdit>("pomA")->SetText("15");  // an arrow click
  EXPECT_EQ(edit->Text(), "1,5");
  clock.Advance(10);
  EXPECT_EQ(live->DrawnExpression(), "1,5*x");

  live->DrawEmpty();
  EXPECT_EQ(live->DrawnExpression(), "");
  EXPECT_FALSE(AnyRed(0));
  EXPECT_EQ(Timers(form), 1);
}

struct CompareCase {
  double x1, y1;
  int factor;
  double x2, y2;
  int expected;  // sign of factor·x2·y2 against x1·y1
};

const CompareCase kCompares[] = {
    {0.6, 0.6, 4, 0.1, 0.9, 0},   // 0,36 = 4 · 0,1 · 0,9 exactly as typed
    {0.3, 0.3, 1, 0.09, 1, 0},    // 0,09 = 0,09
    {0.3, 0.3, 4, 0.1, 0.2, 1},   // 0,09 > 0,08
    {-0.3, 0.3, 1, -0.09, 1, 0},  // signs
    {1, 0, 4, 1, 1, -1},          // 0 < 4
    {1, 0, 4, -1, 1, 1},          // 0 > -4
    {20, 20, 4, 0.00001, 0.00001, 1},
    {1e-5, 1e-5, 1, 1e-10, 1, 0},  // digits far apart
    {19.9999999999999, 19.9999999999999, 4, 10, 10, -1},
    {1.23456789012345, 1.23456789012345, 1, 1.52415787532386, 1, 1},  // 15 digits each
};

TEST(ExactComparison, ComparesProductsOfTypedValuesExactly) {
  for (const CompareCase& c : kCompares) {
    SCOPED_TRACE(FloatToStr(c.x1) + " " + FloatToStr(c.y1) + " " + FloatToStr(c.x2));
    EXPECT_EQ(Compare(Product(c.x1, c.y1), Product(c.x2, c.y2, c.factor)), c.expected);
    EXPECT_EQ(Compare(Product(c.x2, c.y2, c.factor), Product(c.x1, c.y1)), -c.expected);
  }
}

}  // namespace
