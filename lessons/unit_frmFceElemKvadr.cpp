#include "lessons/unit_frmFceElemKvadr.h"

#include <algorithm>
#include <cmath>

#include "lessons/live_graph.h"

TfrmFceElemKvadr* frmFceElemKvadr = nullptr;

namespace {

// The page's live state; it belongs to the open page instance and dies with it.
TRef<TLiveGraph> live;

LivePageDescription Description() {
  LivePageDescription d;
  d.params = {{"A"}, {"B"}, {"C"}};
  d.definition = "img01";
  d.liveControls = {
      "text_y",    "hodnota_A",    "sipky_A", "text_x2",  "text_na2", "hodnota_B", "sipky_B",
      "text_x",    "hodnota_C",    "sipky_C", "grafImg",  "zavorky",  "ptext01",   "ptext02",
      "ptext03",   "ptext04",      "ptext05", "par01_x1", "par02_x2", "par03_y",   "par04_vrchol",
      "par05_min", "par06_sudost", "par05a",  "par05b",   "par05_a",  "par05_m",   "par05_n"};
  d.warning = true;
  return d;
}

// A factor of the factored form for the rounded root r: "(x – r)", "x" or "(x + |r|)".
std::string Factor(double r) {
  if (r > 0) return "(x – " + live->Number(r) + ")";
  if (r < 0) return "(x + " + live->Number(-r) + ")";
  return "x";
}

// The coefficient in front of a bracket: nothing for 1, a dash alone for -1.
std::string Coefficient(double a) {
  if (a == 1) return "";
  if (a == -1) return "–";
  return live->Number(a);
}

}  // namespace

void TfrmFceElemKvadr::Akce(TObject*) {
  if (opened_) return;
  opened_ = true;
  live = new TLiveGraph(*this, Description());
  hodnota_A->SetText("1");
  hodnota_B->SetText("0");
  hodnota_C->SetText("0");
  live->Start(TNotifyEvent(this, &TfrmFceElemKvadr::zobrazeni, "zobrazeni"),
              TNotifyEvent(this, &TfrmFceElemKvadr::aktualizace, "aktualizace"));
}

void TfrmFceElemKvadr::zobrazeni(TObject*) {
  if (live) live->RevealTick();
}

void TfrmFceElemKvadr::Proved2(TObject*) {
  if (live) live->ParamEdited();
}

void TfrmFceElemKvadr::pomAChange(TObject*) {
  if (live) live->TenthsChanged(0);
}

void TfrmFceElemKvadr::pomBChange(TObject*) {
  if (live) live->TenthsChanged(1);
}

void TfrmFceElemKvadr::pomCChange(TObject*) {
  if (live) live->TenthsChanged(2);
}

void TfrmFceElemKvadr::aktualizace(TObject*) {
  if (!live) return;
  live->Update([this](const std::vector<double>& v) {
    const double a = v[0], b = v[1], c = v[2];
    live->MarkDegenerate(0, a == 0);
    if (a != 0) {
      Vlastnosti(a, b, c);
    } else {
      Upozorneni();
    }
    VykresliGrafKvadr(TLiveGraph::Term(a), TLiveGraph::Term(b), TLiveGraph::Term(c));
  });
}

void TfrmFceElemKvadr::Vlastnosti(double a, double b, double c) {
  for (TControl* t : {ptext01, ptext02, ptext03, ptext04, ptext05}) t->Show();
  for (TControl* t : {par05a, par05b, par05_a, par05_m, par05_n}) t->Show();
  upozorneni->Hide();

  // Decided on the parameters as typed: in binary floating point 0,6² − 4·0,1·0,9 comes out
  // just below zero and would hide the double root -3.
  const int discriminant = Compare(Product(b, b), Product(a, c, 4));
  if (discriminant >= 0) {
    const double root = discriminant == 0 ? 0.0 : std::sqrt(std::max(0.0, b * b - 4 * a * c));
    const double x1 = RoundToDecimals((root - b) / (2 * a), 1);
    const double x2 = RoundToDecimals((-root - b) / (2 * a), 1);
    par01_x1->SetCaption(" x  =  " + live->Number(x1));
    par02_x2->SetCaption(" x  =  " + live->Number(x2));
    for (TControl* t : {static_cast<TControl*>(par02_x2), static_cast<TControl*>(ptext02),
                        static_cast<TControl*>(ptext03)}) {
      t->Show();
    }
    zavorky->SetCaption(" y = " + Coefficient(a) + Factor(x1) + Factor(x2));
  } else {
    zavorky->SetCaption("");
    par01_x1->SetCaption("nemá");
    for (TControl* t : {static_cast<TControl*>(par02_x2), static_cast<TControl*>(ptext02),
                        static_cast<TControl*>(ptext03)}) {
      t->Hide();
    }
  }
  par03_y->SetCaption(" y = " + live->Number(c));

  // The vertex's y comes from the rounded x, as the label shows it.
  const double x0 = RoundToDecimals(-b / (2 * a), 1);
  const double y0 = RoundToDecimals(a * x0 * x0 + b * x0 + c, 1);
  par04_vrchol->SetCaption("[" + live->Number(x0) + "; " + live->Number(y0) + "]");
  par05_a->SetCaption(Coefficient(a));
  par05_m->SetCaption(x0 == 0 ? "" : live->Signed(-x0));
  par05_n->SetCaption(y0 == 0 ? "" : live->Signed(y0));
  par05_min->SetCaption("v bodě x = " + live->Number(x0) + (a > 0 ? " má minimum" : " má maximum"));
  par06_sudost->SetCaption(b == 0 ? " funkce je sudá" : " funkce není sudá ani lichá");
}

void TfrmFceElemKvadr::Upozorneni() {
  for (TControl* t : {ptext01, ptext02, ptext03, ptext04, ptext05}) t->Hide();
  upozorneni->Show();
  for (TStaticText* t :
       {zavorky, par01_x1, par02_x2, par03_y, par04_vrchol, par05_min, par06_sudost}) {
    t->SetCaption("");
  }
  for (TControl* t : {par05_a, par05b, par05_n, par05_m, par05a}) t->Hide();
}

void TfrmFceElemKvadr::VykresliGrafKvadr(const std::string& a, const std::string& b,
                                         const std::string& c) {
  const bool linear = StrToFloat(a) == 0;
  live->Draw(a + "*x^2" + TLiveGraph::FollowingTerm(b) + "*x" + TLiveGraph::FollowingTerm(c),
             linear ? kDegenerateGraph : kGraphColour);
}

const TFormClass& TfrmFceElemKvadr::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemKvadr>("TfrmFceElemKvadr", "frmFceElemKvadr", &frmFceElemKvadr)
          .Bind("grafImg", &TfrmFceElemKvadr::grafImg)
          .Bind("hodnota_A", &TfrmFceElemKvadr::hodnota_A)
          .Bind("hodnota_B", &TfrmFceElemKvadr::hodnota_B)
          .Bind("hodnota_C", &TfrmFceElemKvadr::hodnota_C)
          .Bind("pomA", &TfrmFceElemKvadr::pomA)
          .Bind("pomB", &TfrmFceElemKvadr::pomB)
          .Bind("pomC", &TfrmFceElemKvadr::pomC)
          .Bind("sipky_A", &TfrmFceElemKvadr::sipky_A)
          .Bind("sipky_B", &TfrmFceElemKvadr::sipky_B)
          .Bind("sipky_C", &TfrmFceElemKvadr::sipky_C)
          .Bind("zavorky", &TfrmFceElemKvadr::zavorky)
          .Bind("ptext01", &TfrmFceElemKvadr::ptext01)
          .Bind("ptext02", &TfrmFceElemKvadr::ptext02)
          .Bind("ptext03", &TfrmFceElemKvadr::ptext03)
          .Bind("ptext04", &TfrmFceElemKvadr::ptext04)
          .Bind("ptext05", &TfrmFceElemKvadr::ptext05)
          .Bind("par01_x1", &TfrmFceElemKvadr::par01_x1)
          .Bind("par02_x2", &TfrmFceElemKvadr::par02_x2)
          .Bind("par03_y", &TfrmFceElemKvadr::par03_y)
          .Bind("par04_vrchol", &TfrmFceElemKvadr::par04_vrchol)
          .Bind("par05_min", &TfrmFceElemKvadr::par05_min)
          .Bind("par05a", &TfrmFceElemKvadr::par05a)
          .Bind("par05b", &TfrmFceElemKvadr::par05b)
          .Bind("par05_a", &TfrmFceElemKvadr::par05_a)
          .Bind("par05_m", &TfrmFceElemKvadr::par05_m)
          .Bind("par05_n", &TfrmFceElemKvadr::par05_n)
          .Bind("par06_sudost", &TfrmFceElemKvadr::par06_sudost)
          .Bind("upozorneni", &TfrmFceElemKvadr::upozorneni)
          .Handler("Akce", &TfrmFceElemKvadr::Akce)
          .Handler("zobrazeni", &TfrmFceElemKvadr::zobrazeni)
          .Handler("aktualizace", &TfrmFceElemKvadr::aktualizace)
          .Handler("Proved2", &TfrmFceElemKvadr::Proved2)
          .Handler("pomAChange", &TfrmFceElemKvadr::pomAChange)
          .Handler("pomBChange", &TfrmFceElemKvadr::pomBChange)
          .Handler("pomCChange", &TfrmFceElemKvadr::pomCChange)
          .Requires({"obdelnik", "img01", "text_y", "text_x2", "text_na2", "text_x"});
  return cls;
}
