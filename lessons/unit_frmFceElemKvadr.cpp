#include "lessons/unit_frmFceElemKvadr.h"

#include <algorithm>
#include <cmath>

#include "lessons/live_graph.h"

TfrmFceElemKvadr* frmFceElemKvadr = nullptr;

namespace {

using Page = TfrmFceElemKvadr;

// A factor of the factored form for the rounded root r: "(x – r)", "x" or "(x + |r|)".
std::string Factor(const TLiveGraph& live, double r) {
  if (r > 0) return "(x – " + live.Number(r) + ")";
  if (r < 0) return "(x + " + live.Number(-r) + ")";
  return "x";
}

// The coefficient in front of a bracket: nothing for 1, a dash alone for -1.
std::string Coefficient(const TLiveGraph& live, double a) {
  if (a == 1) return "";
  if (a == -1) return "–";
  return live.Number(a);
}

// The property texts for a quadratic function (a ≠ 0).
void Vlastnosti(Page& f, TLiveGraph& live, double a, double b, double c) {
  for (TControl* t : {f.ptext01, f.ptext02, f.ptext03, f.ptext04, f.ptext05}) t->Show();
  for (TControl* t : {f.par05a, f.par05b, f.par05_a, f.par05_m, f.par05_n}) t->Show();
  f.upozorneni->Hide();

  // Decided on the parameters as typed: in binary floating point 0,6² − 4·0,1·0,9 comes out
  // just below zero and would hide the double root -3.
  const int discriminant = Compare(Product(b, b), Product(a, c, 4));
  if (discriminant >= 0) {
    const double root = discriminant == 0 ? 0.0 : std::sqrt(std::max(0.0, b * b - 4 * a * c));
    const double x1 = RoundToDecimals((root - b) / (2 * a), 1);
    const double x2 = RoundToDecimals((-root - b) / (2 * a), 1);
    f.par01_x1->SetCaption(" x  =  " + live.Number(x1));
    f.par02_x2->SetCaption(" x  =  " + live.Number(x2));
    for (TControl* t : {f.par02_x2, f.ptext02, f.ptext03}) t->Show();
    f.zavorky->SetCaption(" y = " + Coefficient(live, a) + Factor(live, x1) + Factor(live, x2));
  } else {
    f.zavorky->SetCaption("");
    f.par01_x1->SetCaption("nemá");
    for (TControl* t : {f.par02_x2, f.ptext02, f.ptext03}) t->Hide();
  }
  f.par03_y->SetCaption(" y = " + live.Number(c));

  // The vertex's y comes from the rounded x, as the label shows it.
  const double x0 = RoundToDecimals(-b / (2 * a), 1);
  const double y0 = RoundToDecimals(a * x0 * x0 + b * x0 + c, 1);
  f.par04_vrchol->SetCaption("[" + live.Number(x0) + "; " + live.Number(y0) + "]");
  f.par05_a->SetCaption(Coefficient(live, a));
  f.par05_m->SetCaption(x0 == 0 ? "" : live.Signed(-x0));
  f.par05_n->SetCaption(y0 == 0 ? "" : live.Signed(y0));
  f.par05_min->SetCaption("v bodě x = " + live.Number(x0) +
                          (a > 0 ? " má minimum" : " má maximum"));
  f.par06_sudost->SetCaption(b == 0 ? " funkce je sudá" : " funkce není sudá ani lichá");
}

// For a = 0: the warning instead of the properties.
void Upozorneni(Page& f) {
  for (TControl* t : {f.ptext01, f.ptext02, f.ptext03, f.ptext04, f.ptext05}) t->Hide();
  f.upozorneni->Show();
  for (TStaticText* t : {f.zavorky, f.par01_x1, f.par02_x2, f.par03_y, f.par04_vrchol, f.par05_min,
                         f.par06_sudost}) {
    t->SetCaption("");
  }
  for (TControl* t : {f.par05_a, f.par05b, f.par05_n, f.par05_m, f.par05a}) t->Hide();
}

// Draws y = ax² + bx + c from the values' texts.
void VykresliGrafKvadr(TLiveGraph& live, const std::string& a, const std::string& b,
                       const std::string& c) {
  const bool linear = StrToFloat(a) == 0;
  live.Draw(a + "*x^2" + TLiveGraph::FollowingTerm(b) + "*x" + TLiveGraph::FollowingTerm(c),
            linear ? kDegenerateGraph : kGraphColour);
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& v) {
  const double a = v[0], b = v[1], c = v[2];
  live.MarkDegenerate(0, a == 0);
  if (a != 0) {
    Vlastnosti(f, live, a, b, c);
  } else {
    Upozorneni(f);
  }
  VykresliGrafKvadr(live, TLiveGraph::Term(a), TLiveGraph::Term(b), TLiveGraph::Term(c));
}

const LivePage<Page> page(
    {
        .params = {{"A"}, {"B"}, {"C"}},
        .definition = "img01",
        .liveControls = {"text_y",       "hodnota_A", "sipky_A",      "text_x2",   "text_na2",
                         "hodnota_B",    "sipky_B",   "text_x",       "hodnota_C", "sipky_C",
                         "grafImg",      "zavorky",   "ptext01",      "ptext02",   "ptext03",
                         "ptext04",      "ptext05",   "par01_x1",     "par02_x2",  "par03_y",
                         "par04_vrchol", "par05_min", "par06_sudost", "par05a",    "par05b",
                         "par05_a",      "par05_m",   "par05_n"},
        .warning = true,
    },
    {
        .open =
            [](Page& f, TLiveGraph&) {
              f.hodnota_A->SetText("1");
              f.hodnota_B->SetText("0");
              f.hodnota_C->SetText("0");
            },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemKvadr::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemKvadr", &frmFceElemKvadr);
  return cls;
}
