// The free-expression graph page: the view timer with its buttons, drawing and the message for
// a text that does not parse, the insertion buttons around the edit's kept selection.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/unit_graf.h"
#include "lessons/unit_frmFceSlozene.h"
#include "tests/shell/program_fixture.h"

namespace {

constexpr TColor kRed = 255, kGrey = 0xB0B0B0, kBlack = 0x000000, kBackground = 0xE5E5E7;
constexpr int kSize = 337;

struct View {
  int scale, xMin, xMax, yMin, yMax;
};
constexpr View kStart{20, -8, 8, -8, 8};

// Counts the focus losses of a widget.
class FocusOutCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::FocusOut) ++count;
    return false;
  }
  int count = 0;
};

class SlozeneTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Open(31);
    ASSERT_EQ(OpenClass(), "frmFceSlozene");
    page = frmFceSlozene;
    ASSERT_NE(page, nullptr);
    // The focus moves only inside the active window.
    QWidget* window = frmMain->Widget()->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  TControl* Control(const std::string& name) {
    auto* c = dynamic_cast<TControl*>(page->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  // A click of the user; a disabled button ignores it.
  void Click(const std::string& button) {
    QTest::mouseClick(Control(button)->Widget(), Qt::LeftButton);
  }
  void Tick() { clock.Advance(200); }
  // "zobraz" with `text` in the edit, and the tick that draws it.
  void Show(const std::string& text) {
    page->funkce->SetText(text);
    Click("btnZobraz");
    Tick();
  }
  TTimer* Timer() {
    TTimer* found = nullptr;
    for (int i = 0; i < page->ComponentCount(); ++i) {
      if (auto* t = dynamic_cast<TTimer*>(page->Components(i))) {
        EXPECT_EQ(found, nullptr) << "one timer only";
        found = t;
      }
    }
    return found;
  }
  std::vector<bool> ViewButtonsEnabled() {
    std::vector<bool> e;
    for (TControl* b : {page->btnUp, page->btnDown, page->btnLeft, page->btnRight, page->btnPlus,
                        page->btnMinus}) {
      e.push_back(b->Enabled());
    }
    return e;
  }

  TColor At(int column, int row) { return page->grafImg->Canvas().Pixel(column, row); }
  int RedCount() {
    int n = 0;
    for (int c = 0; c < kSize; ++c) {
      for (int r = 0; r < kSize; ++r) n += At(c, r) == kRed;
    }
    return n;
  }
  bool RedNear(int column, int row, int within = 1) {
    for (int c = column - within; c <= column + within; ++c) {
      for (int r = row - within; r <= row + within; ++r) {
        if (At(c, r) == kRed) return true;
      }
    }
    return false;
  }

  // The graph object holds `v`, and the picture shows its grid: along row 7 and column 7 (which
  // cross no grid line at any scale of the page) grey lines one unit apart and the black axis
  // where 0 is in view. Red pixels of a graph are not compared.
  void ExpectView(const View& v) {
    const Tgraf* g = SlozeneGraf();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Scale, v.scale);
    EXPECT_EQ(g->XMin, v.xMin);
    EXPECT_EQ(g->XMax, v.xMax);
    EXPECT_EQ(g->YMin, v.yMin);
    EXPECT_EQ(g->YMax, v.yMax);
    auto lines = [&](int units, int axis) {
      std::vector<TColor> colours(kSize, kBackground);
      for (int k = 0; k <= units && k * v.scale < kSize; ++k) colours[k * v.scale] = kGrey;
      if (axis >= 0 && axis <= units) colours[axis * v.scale] = kBlack;
      return colours;
    };
    const int units = kSize / v.scale;
    std::vector<TColor> row = lines(units, -v.xMin), column = lines(units, v.yMax);
    int mismatches = 0;
    for (int p = 0; p < kSize; ++p) {
      if (At(p, 7) != kRed && At(p, 7) != row[p]) ++mismatches;
      if (At(7, p) != kRed && At(7, p) != column[p]) ++mismatches;
    }
    EXPECT_EQ(mismatches, 0);
  }

  TfrmFceSlozene* page = nullptr;
};

TEST_F(SlozeneTest, OpeningDrawsTheEmptyGridAtTheFirstTickWithTheViewButtonsDisabled) {
  EXPECT_EQ(page->funkce->Color(), 0xF2F2F2);
  EXPECT_EQ(page->funkce->CharCase(), TEditCharCase::ecLowerCase);
  EXPECT_EQ(page->grafImg->Width(), kSize);
  EXPECT_EQ(page->grafImg->Height(), kSize);
  EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, false));
  EXPECT_TRUE(page->btnZobraz->Enabled());
  EXPECT_TRUE(page->btnVymaz->Enabled());
  ASSERT_NE(Timer(), nullptr);
  EXPECT_EQ(Timer()->Interval(), 200);
  EXPECT_TRUE(Timer()->Running());
  clock.Advance(199);
  EXPECT_FALSE(page->grafImg->Picture().HasCanvas()) << "nothing drawn before the first tick";
  clock.Advance(1);
  ExpectView(kStart);
  EXPECT_EQ(RedCount(), 0);
  EXPECT_EQ(page->postfix->Caption(), "");
  EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, false));
  EXPECT_TRUE(boxes.empty());
}

// Each step's clicks come within one period of the timer, then one tick passes.
TEST_F(SlozeneTest, ViewButtonsPanByOneUnitAndZoomBetweenScales5And160) {
  using Steps = std::vector<std::vector<std::string>>;
  struct Case {
    const char* name;
    Steps steps;
    View view;
    bool plus, minus;
  };
  const std::string up = "btnUp", down = "btnDown", left = "btnLeft", right = "btnRight",
                    plus = "btnPlus", minus = "btnMinus", zobraz = "btnZobraz";
  const Case cases[] = {
      {"start", {}, kStart, true, true},
      {"up", {{up}}, {20, -8, 8, -7, 9}, true, true},
      {"down", {{down}}, {20, -8, 8, -9, 7}, true, true},
      {"left", {{left}}, {20, -9, 7, -8, 8}, true, true},
      {"right", {{right}}, {20, -7, 9, -8, 8}, true, true},
      {"two clicks in one period count once", {{up, up}}, {20, -8, 8, -7, 9}, true, true},
      {"the last click of a period counts", {{left, up}}, {20, -8, 8, -7, 9}, true, true},
      {"plus", {{plus}}, {40, -4, 4, -4, 4}, true, true},
      {"plus twice", {{plus}, {plus}}, {80, -2, 2, -2, 2}, true, true},
      {"plus three times reaches 160", {{plus}, {plus}, {plus}}, {160, -1, 1, -1, 1}, false, true},
      {"a fourth plus is refused",
       {{plus}, {plus}, {plus}, {plus}},
       {160, -1, 1, -1, 1},
       false,
       true},
      {"minus back from 160", {{plus}, {plus}, {plus}, {minus}}, {80, -2, 2, -2, 2}, true, true},
      {"minus", {{minus}}, {10, -16, 17, -17, 16}, true, true},
      {"minus twice reaches 5", {{minus}, {minus}}, {5, -32, 35, -35, 32}, true, false},
      {"plus back from 5", {{minus}, {minus}, {plus}}, {10, -16, 17, -17, 16}, true, true},
      {"minus then plus", {{minus}, {plus}}, kStart, true, true},
      {"plus then minus", {{plus}, {minus}}, kStart, true, true},
      {"right twice, then plus", {{right}, {right}, {plus}}, {40, -3, 5, -4, 4}, true, true},
      {"left, then plus halves toward zero", {{left}, {plus}}, {40, -4, 4, -4, 4}, true, true},
      {"up three times, then minus",
       {{up}, {up}, {up}, {minus}},
       {10, -16, 17, -11, 22},
       true,
       true},
      {"zobraz returns to the start", {{right}, {plus}, {zobraz}}, kStart, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Show("x");
    for (const auto& period : c.steps) {
      for (const std::string& b : period) Click(b);
      Tick();
    }
    ExpectView(c.view);
    EXPECT_EQ(page->btnPlus->Enabled(), c.plus);
    EXPECT_EQ(page->btnMinus->Enabled(), c.minus);
    EXPECT_TRUE(page->btnUp->Enabled() && page->btnDown->Enabled() && page->btnLeft->Enabled() &&
                page->btnRight->Enabled());
    EXPECT_GT(RedCount(), 0) << "the graph is drawn in the new view";
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SlozeneTest, ZobrazWithAnEmptyEditRedrawsTheGridInTheCurrentView) {
  Tick();
  Click("btnZobraz");
  Tick();
  ExpectView(kStart);
  EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, false)) << "enables nothing";

  Show("x");
  Click("btnRight");
  Tick();
  page->funkce->SetText("");
  Click("btnZobraz");
  Tick();
  ExpectView({20, -7, 9, -8, 8});
  EXPECT_EQ(RedCount(), 0);
  EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, true));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SlozeneTest, AViewButtonDrawsTheTextAsItIsNow) {
  Show("x");
  page->funkce->SetText("-x");
  Click("btnUp");
  Tick();
  // y = -x through the view -8..8 x -7..9: at x = 2 the row of y = -2 is (9 + 2) * 20.
  EXPECT_TRUE(RedNear(200, 220));
  EXPECT_FALSE(RedNear(200, 140, 3)) << "the old graph y = x is gone";
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SlozeneTest, ATextThatDoesNotParseIsAnsweredWithTheMessageAndResetsTheView) {
  struct Case {
    const char* text;
    const char* button;
  };
  const Case cases[] = {
      {"sin(x", "btnZobraz"},  // unbalanced
      {"2x(3)", "btnUp"},      // a group after an operand
      {"x)", "btnPlus"},       // a parenthesis that closes nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    boxes.clear();
    Show("x");
    Click("btnRight");
    Tick();
    Click("btnPlus");
    Tick();
    page->funkce->SetText(c.text);
    Click(c.button);
    Tick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Funkce byla chybně zadána.");
    EXPECT_EQ(boxes[0].caption, "chyba");
    EXPECT_EQ(boxes[0].flags, MB_OK);
    EXPECT_FALSE(Timer()->Running());
    EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, false));
    ExpectView(kStart);
    EXPECT_EQ(RedCount(), 0);
    EXPECT_EQ(page->funkce->Text(), c.text) << "kept for correction";
    clock.Advance(2000);
    EXPECT_EQ(boxes.size(), 1u) << "nothing waits after the message";
  }
  // Corrected, the text is drawn again: "zobraz" starts the timer.
  Show("sin(x)");
  EXPECT_TRUE(Timer()->Running());
  EXPECT_GT(RedCount(), 0);
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(SlozeneTest, TwoXPlusThreeXIsARedLineOfSlopeFive) {
  Show("2x+3x");
  EXPECT_TRUE(boxes.empty());
  // y = 5x: column c shows x = c / 20 - 8, whose y = 5x lies at row (8 - y) * 20.
  for (int c : {130, 140, 150, 160, 170, 180, 190}) {
    double x = c / 20.0 - 8;
    EXPECT_TRUE(RedNear(c, static_cast<int>(std::lround((8 - 5 * x) * 20)))) << c;
  }
  int off = 0;
  for (int c = 0; c < kSize; ++c) {
    for (int r = 0; r < kSize; ++r) {
      if (At(c, r) == kRed && std::abs(r - (160 - 5 * (c - 160))) > 5) ++off;
    }
  }
  EXPECT_EQ(off, 0) << "every red pixel lies on the line";
  EXPECT_GE(RedCount(), kSize) << "unbroken from the top row to the bottom row";
}

TEST_F(SlozeneTest, CapitalsTypedOrPastedIntoTheEditAreDrawnInSmallLetters) {
  struct Case {
    const char* name;
    bool paste;
    const char* input;
    const char* text;
    int column, row;  // a point of the graph
  };
  const Case cases[] = {
      // sin(pi/2) = 1: column (pi/2 + 8) * 20, row (8 - 1) * 20
      {"typed", false, "Sin(x)", "sin(x)", 191, 140},
      // x + 1 at x = 0: column 160, row 140
      {"pasted", true, "X+1", "x+1", 160, 140},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.clear();
    page->funkce->SetText("");
    page->funkce->SetFocus();
    if (c.paste) {
      QGuiApplication::clipboard()->setText(c.input);
      QTest::keyClick(page->funkce->LineEdit(), Qt::Key_V, Qt::ControlModifier);
    } else {
      QTest::keyClicks(page->funkce->LineEdit(), c.input);
    }
    EXPECT_EQ(page->funkce->Text(), c.text);
    Click("btnZobraz");
    Tick();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(RedNear(c.column, c.row));
  }
}

TEST_F(SlozeneTest, VymazEmptiesTheEditStopsTheTimerAndShowsTheStartGrid) {
  Show("x");
  Click("btnLeft");
  Tick();
  Click("btnMinus");
  Tick();
  Click("btnVymaz");
  // At once, without a tick.
  EXPECT_EQ(page->funkce->Text(), "");
  EXPECT_FALSE(Timer()->Running());
  EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, false));
  ExpectView(kStart);
  EXPECT_EQ(RedCount(), 0);
  Show("x");
  EXPECT_TRUE(Timer()->Running());
  EXPECT_GT(RedCount(), 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SlozeneTest, ReopeningThePageStartsAfreshWithOneTimer) {
  Show("x");
  Click("btnPlus");
  Tick();
  Open(30);
  EXPECT_EQ(SlozeneGraf(), nullptr) << "the graph object goes with the page";
  clock.Advance(1000);  // the closed page's timer is gone with it
  Open(31);
  page = frmFceSlozene;
  EXPECT_EQ(page->funkce->Text(), "");
  EXPECT_EQ(ViewButtonsEnabled(), std::vector<bool>(6, false));
  Tick();
  ExpectView(kStart);
  EXPECT_NE(Timer(), nullptr);
  EXPECT_TRUE(boxes.empty());
}

// Each insertion button wraps the selection (cut to the clipboard) in its template and puts
// the caret where the next thing is typed; the direction of the selection does not matter.
TEST_F(SlozeneTest, InsertionButtonsWrapTheSelectionAndPlaceTheCaret) {
  struct Case {
    const char* text;
    int anchor, caret;  // the selection before: caret before anchor is a backward selection
    const char* button;
    const char* after;
    int caretAfter;
    const char* clipboard;
  };
  const char* kKept = "clipboard before";
  const Case cases[] = {
      {"", 0, 0, "btnSin", "sin()", 4, kKept},
      {"x+1", 0, 3, "btnSin", "sin(x+1)", 7, "x+1"},
      {"x+1", 3, 0, "btnSin", "sin(x+1)", 7, "x+1"},
      {"2*x+1", 3, 2, "btnAbs", "2*abs(x)+1", 7, "x"},
      {"x+", 0, 0, "btnTg", "tg()x+", 3, kKept},
      {"x", 1, 1, "btnMocnina", "x^", 2, kKept},
      // One character after the insertion place, also when a selection was wrapped.
      {"x+1", 0, 3, "btnMocnina", "x+1^", 1, "x+1"},
      // Between "(" and ";", where the degree or the base is typed.
      {"2+x", 2, 2, "btnOdmocnina", "2+odm(;)x", 6, kKept},
      {"x+1", 3, 0, "btnOdmocnina", "odm(;x+1)", 4, "x+1"},
      {"x", 0, 1, "btnLog", "log(;x)", 4, "x"},
      {"x", 0, 1, "btnLn", "ln(x)", 4, "x"},
      {"x", 0, 1, "btnLog10", "log(x)", 5, "x"},
      {"x", 0, 1, "btnCos", "cos(x)", 5, "x"},
      {"x", 0, 1, "btnTg", "tg(x)", 4, "x"},
      {"x", 0, 1, "btnCotg", "cotg(x)", 6, "x"},
      {"x", 0, 1, "btnArcsin", "arcsin(x)", 8, "x"},
      {"x", 0, 1, "btnArccos", "arccos(x)", 8, "x"},
      {"x", 0, 1, "btnArctg", "arctg(x)", 7, "x"},
      {"x", 0, 1, "btnArccotg", "arccotg(x)", 9, "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " on " + c.text);
    QGuiApplication::clipboard()->setText(kKept);
    page->funkce->SetText(c.text);
    page->funkce->LineEdit()->setSelection(c.anchor, c.caret - c.anchor);
    TControl* b = Control(c.button);
    Dispatch([&] { b->Click(); });
    EXPECT_EQ(page->funkce->Text(), c.after);
    EXPECT_EQ(page->funkce->SelStart(), c.caretAfter);
    EXPECT_EQ(page->funkce->SelLength(), 0);
    EXPECT_TRUE(page->funkce->Focused());
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboard);
  }
  EXPECT_FALSE(page->grafImg->Picture().HasCanvas()) << "nothing is drawn";
  EXPECT_TRUE(boxes.empty());
}

// The layout makes the edit keep its selection while the button has the focus; the insertion
// then stops the focus from selecting the whole text.
TEST_F(SlozeneTest, AClickOnAnInsertionButtonWrapsTheSelectionThatItsFocusWouldDrop) {
  EXPECT_FALSE(page->funkce->HideSelection());
  EXPECT_TRUE(page->funkce->AutoSelect());
  QGuiApplication::clipboard()->setText("");
  page->funkce->SetFocus();
  QTest::keyClicks(page->funkce->LineEdit(), "2x+1");
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(page->funkce->LineEdit(), Qt::Key_Left, Qt::ShiftModifier);
  }
  ASSERT_EQ(page->funkce->SelText(), "x+1");
  FocusOutCounter focusOut;
  page->funkce->LineEdit()->installEventFilter(&focusOut);
  Click("btnSin");
  page->funkce->LineEdit()->removeEventFilter(&focusOut);
  EXPECT_GE(focusOut.count, 1) << "the button took the focus";
  EXPECT_EQ(page->funkce->Text(), "2sin(x+1)");
  EXPECT_EQ(page->funkce->SelStart(), 8);
  EXPECT_TRUE(page->funkce->Focused());
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "x+1");
  EXPECT_FALSE(page->funkce->AutoSelect());
}

}  // namespace
