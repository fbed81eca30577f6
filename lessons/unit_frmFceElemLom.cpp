#include "lessons/unit_frmFceElemLom.h"

#include <initializer_list>

#include "lessons/live_graph.h"

TfrmFceElemLom* frmFceElemLom = nullptr;

namespace {

using Page = TfrmFceElemLom;

// Draws y = (ax + b)/(cx + d) from the values' texts.
void VykresliGrafLom(TLiveGraph& live, const std::string& a, const std::string& b,
                     const std::string& c, const std::string& d, TColor colour) {
  const std::string numerator = "(" + a + ")*x" + TLiveGraph::FollowingTerm(b);
  const std::string denominator = "(" + c + ")*x" + TLiveGraph::FollowingTerm(d);
  live.Draw("(" + numerator + ")/(" + denominator + ")", colour);
}

// The captions of the property rows.
std::vector<TControl*> Captions(Page& f) {
  return {f.ptext01, f.ptext02, f.ptext03};
}

// The asymptotes, intersections and parity of a proper linear fractional function.
void Vlastnosti(Page& f, TLiveGraph& live, double a, double b, double c, double d) {
  for (TControl* t : Captions(f)) t->Show();
  f.upozorneni->Hide();
  f.par01_x->SetCaption(" x = " + live.Number(-d / c));
  f.par02_y->SetCaption(" y = " + live.Number(a / c));
  f.par03_x->SetCaption(a != 0 ? " x = " + live.Number(-b / a) : "nemá");
  f.par04_y->SetCaption(d != 0 ? " y = " + live.Number(b / d) : "nemá");
  // With d ≠ 0 the domain is not symmetric; with d = 0, y = a/c + b/(cx) is odd just for a = 0.
  f.par05_licha->SetCaption(a == 0 && d == 0 ? " funkce je lichá" : " funkce není sudá ani lichá");
}

// The warning instead of the properties.
void Upozorneni(Page& f, double c, double d) {
  for (TControl* t : Captions(f)) t->Hide();
  for (TStaticText* t : {f.par01_x, f.par02_y, f.par03_x, f.par04_y, f.par05_licha}) {
    t->SetCaption("");
  }
  if (c == 0 && d == 0) {
    f.upozorneni->SetCaption("Pro jmenovatel rovný nule nemá předpis funkce smysl.");
  } else if (c == 0) {
    f.upozorneni->SetCaption(
        "Pro c = 0 není lineární lomená funkce definována.          (Funkce je lineární.)");
  } else {
    f.upozorneni->SetCaption(
        "Pro ad = bc není lineární lomená funkce definována.      (Funkce je lineární.)");
  }
  f.upozorneni->Show();
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& v) {
  const double a = v[0], b = v[1], c = v[2], d = v[3];
  // One exact test on the values as typed decides ad = bc for the colours, the texts and the
  // graph alike; in binary floating point 0,7 · 0,3 and 2,1 · 0,1 differ, and so do 0,7/0,1
  // and 2,1/0,3.
  const bool proportional = Compare(Product(a, d), Product(b, c)) == 0;
  bool marked[4] = {};
  auto mark = [&](std::initializer_list<int> edits) {
    for (int i : edits) marked[i] = true;
  };
  if (c == 0 && d == 0) mark({2, 3});
  if (c == 0 && d != 0) mark({2});
  if (b == 0 && d == 0) mark({1, 3});
  if (a == 0 && b == 0) mark({0, 1});
  if (a != 0 && b != 0 && c != 0 && d != 0 && proportional) mark({0, 1, 2, 3});
  for (int i = 0; i < 4; ++i) live.MarkDegenerate(i, marked[i]);

  // a = b = 0 and b = d = 0 are cases of ad = bc.
  const bool degenerate = c == 0 || proportional;
  if (degenerate) {
    Upozorneni(f, c, d);
  } else {
    Vlastnosti(f, live, a, b, c, d);
  }
  VykresliGrafLom(live, TLiveGraph::Term(a), TLiveGraph::Term(b), TLiveGraph::Term(c),
                  TLiveGraph::Term(d), degenerate ? kDegenerateGraph : kGraphColour);
}

const LivePage<Page> page(
    {
        .params = {{"A"}, {"B"}, {"C"}, {"D"}},
        .definition = "img01",
        .liveControls = {"img01",   "hodnota_A", "sipky_A", "hodnota_B",  "sipky_B", "hodnota_C",
                         "sipky_C", "hodnota_D", "sipky_D", "cara",       "text_y",  "text_x1",
                         "text_x2", "grafImg",   "ptext01", "ptext02",    "ptext03", "par01_x",
                         "par02_y", "par03_x",   "par04_y", "par05_licha"},
        .warning = true,
        .decimals = 2,
    },
    {
        .open =
            [](Page& f, TLiveGraph&) {
              f.hodnota_A->SetText("0");
              f.hodnota_B->SetText("1");
              f.hodnota_C->SetText("1");
              f.hodnota_D->SetText("0");
            },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemLom::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemLom", &frmFceElemLom);
  return cls;
}
