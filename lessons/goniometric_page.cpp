#include "lessons/goniometric_page.h"

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

#include "lessons/live_graph.h"
#include "lessons/stepped_page.h"

namespace {

// Where f(cπ) has no value: with b = 0 the page then shows no function at all.
enum class Poles { None, OddHalves, Integers };

struct Row {
  const char* className;
  int records;           // step records; those past the stages are silent
  int stages;            // the stage pictures graf01 to graf0N
  const char* tick;      // the tick handler of the introduction
  const char* function;  // the function's piece of the expression
  const char* pi;        // the π piece that closes the bracket
  Poles poles;           // the tangent and cotangent pages also rewrite their warning
};

const Row kRows[] = {
    {"TfrmFceElemGonSin", 8, 5, "kontrola", "*sin(", "*3,14159)", Poles::None},
    {"TfrmFceElemGonCos", 9, 7, "zobrazeni", "*cos(", "*3,1415926535897932384626433832795)",
     Poles::None},
    {"TfrmFceElemGonTg", 7, 5, "zobrazeni", "*tg(", "*3,14159)", Poles::OddHalves},
    {"TfrmFceElemGonCotg", 9, 7, "zobrazeni", "*cotg(", "*3,14159)", Poles::Integers},
};

// c is a value rounded to hundredths, so 2c is a whole number exactly when c is a multiple of ½.
bool NoValueAt(Poles poles, double c) {
  const double twice = 2 * c;
  if (poles == Poles::None || twice != std::floor(twice)) return false;
  const bool oddHalf = std::fmod(std::fabs(twice), 2) == 1;
  return poles == Poles::OddHalves ? oddHalf : !oddHalf;
}

std::string Stage(int k) {
  return "graf0" + std::to_string(k);
}

// The introduction: the frame, img01, graf01, then the label above the pictures (the third
// control of its record), then the other stages one a step.
StepScript Script(const Row& r) {
  return StepScript(r.records, "0 img01 · 1 graf01 · 2 _ _ text01 · 3-" +
                                   std::to_string(r.stages + 1) + " graf02-" + Stage(r.stages));
}

std::vector<std::string> LiveControls() {
  std::vector<std::string> names = {
      "t1",      "t2",         "t3",      "pi",        "hodnota_A1", "sipky_A", "hodnota_B1",
      "sipky_B", "hodnota_C1", "sipky_C", "hodnota_D", "sipky_D",    "grafImg", "popis"};
  for (int k = 1; k <= 11; ++k) names.push_back("cara" + std::to_string(k));
  return names;
}

LivePageDescription LiveDescription() {
  return {
      .params = {{"A", -20, 20, "hodnota_A1"},
                 {"B", -20, 20, "hodnota_B1"},
                 {"C", -20, 20, "hodnota_C1"},
                 {"D"}},
      .reveal = false,
      .liveControls = LiveControls(),
      .warning = true,
  };
}

// The end of the introduction: the page takes the tool bar out of step mode by itself, and
// btnKrok gets back its picture 9, as at every other exit from step mode.
void LeaveStepMode() {
  StepMode = false;
  if (!frmMain) return;
  frmMain->btnKrok->SetEnabled(false);
  frmMain->btnKrok->SetDown(false);
  frmMain->btnKrok->SetImageIndex(9);
  frmMain->btnKrokuj->SetEnabled(false);
  frmMain->btnKrokuj->SetDown(false);
  frmMain->btnPozast->SetEnabled(false);
}

class Family {
 public:
  explicit Family(const Row& row)
      : row_(row),
        presentation_({
            .script = Script(row),
            .tickHandler = row.tick,
            .controls = {"obdelnik", "pokracovani"},
            .open = [this](SteppedPage<>& p) { Open(p); },
            .tick = [this](SteppedPage<>& p) { Tick(p); },
        }),
        live_(LiveDescription(),
              {.update = [this](TForm& f, TLiveGraph& live, const std::vector<double>& v) {
                Update(f, live, v);
              }}) {}

  void AddTo(TFormClass& cls) {
    presentation_.AddTo(cls);
    live_.AddLivePhase(cls);
    cls.Handler<TForm>("pokracovaniClick", [this](TForm& f, TObject*) { ToGraph(f); });
  }

 private:
  void Open(SteppedPage<>& p) {
    p.state.RevealStep = -1;
    auto& frame = Named<TShape>(p.Page(), "obdelnik");
    frame.Brush().SetColor(kDefinitionFrame);
    frame.Invalidate();
    live_.Attach(p.Page());
  }

  void Tick(SteppedPage<>& p) {
    int& step = p.state.RevealStep;
    if (step > static_cast<int>(p.records.size()) - 1) {
      p.Show({"pokracovani"});
      if (TTimer* timer = p.Timer()) timer->SetEnabled(false);
      LeaveStepMode();
      return;
    }
    if (!HaltForStepMode() && p.Timer()) p.Timer()->SetInterval(1000);
    if (step == -1) {
      p.Show({"obdelnik"});
    } else {
      RevealRecord(p.records[step]);
    }
    ++step;
  }

  // "práce s grafem": the stages give way to the live graph on the same timer; the first
  // update draws the start values, which are still marked as changed from the opening.
  void ToGraph(TForm& f) {
    TLiveGraph* live = LiveGraphOf(&f);
    if (!live) return;
    Named<TControl>(f, "text01").Hide();
    Named<TControl>(f, "pokracovani").Hide();
    for (int k = 1; k <= row_.stages; ++k) Named<TControl>(f, Stage(k)).Hide();
    Named<TControl>(f, "hodnota_D").SetHeight(25);
    live->GoLive(presentation_.Timer());
  }

  void Update(TForm& f, TLiveGraph& live, const std::vector<double>& v) const {
    auto text = [](double x) { return TLiveGraph::Term(RoundToDecimals(x, 2)); };
    VykresliGrafGon(f, live, text(v[0]), text(v[1]), text(v[2]), text(v[3]));
  }

  // y = a·f(bx + cπ) + d from the values' texts.
  void VykresliGrafGon(TForm& f, TLiveGraph& live, const std::string& ta, const std::string& tb,
                       const std::string& tc, const std::string& td) const {
    const double a = StrToFloat(ta), b = StrToFloat(tb), c = StrToFloat(tc);
    const std::string expression = ta + row_.function + tb + "*x" + TLiveGraph::FollowingTerm(tc) +
                                   row_.pi + TLiveGraph::FollowingTerm(td);
    auto& warning = Named<TStaticText>(f, "upozorneni");
    if (a != 0 && b != 0) {
      live.MarkDegenerate(0, false);
      live.MarkDegenerate(1, false);
      warning.Hide();
      live.Draw(expression, kGraphColour);
      return;
    }
    if (row_.poles != Poles::None) warning.SetCaption(kConstantWarning);
    live.MarkDegenerate(0, a == 0);
    live.MarkDegenerate(1, b == 0);
    // With b = 0 the function takes the value of f at cπ for every x; where f has none there,
    // it has no point at all, whatever a is (0·cotg 0 is no number either).
    const bool undefined = b == 0 && NoValueAt(row_.poles, c);
    if (undefined) warning.SetCaption(kUndefinedWarning);
    warning.Show();
    if (undefined) {
      live.DrawEmpty();
    } else {
      live.Draw(expression, kDegenerateGraph);
    }
  }

  const Row& row_;
  SteppedPage<> presentation_;
  LivePage<TForm> live_;
};

Family& FamilyOf(const std::string& className) {
  static const std::vector<std::unique_ptr<Family>> families = [] {
    std::vector<std::unique_ptr<Family>> out;
    for (const Row& r : kRows) out.push_back(std::make_unique<Family>(r));
    return out;
  }();
  for (size_t i = 0; i < std::size(kRows); ++i) {
    if (className == kRows[i].className) return *families[i];
  }
  throw std::out_of_range("no goniometric page " + className);
}

}  // namespace

void AddGoniometricPage(TFormClass& cls) {
  FamilyOf(cls.name).AddTo(cls);
}
