#include "lessons/unit_frmFceElemLin.h"

#include "lessons/live_graph.h"

TfrmFceElemLin* frmFceElemLin = nullptr;

namespace {

// Draws y = ax + b from the values' texts.
void VykresliGrafLin(TLiveGraph& live, const std::string& a, const std::string& b) {
  live.Draw(a + "*x" + TLiveGraph::FollowingTerm(b), kGraphColour);
}

void Update(TfrmFceElemLin& f, TLiveGraph& live, const std::vector<double>& v) {
  const double a = v[0], b = v[1];
  f.popis_monotonie->SetCaption(a > 0   ? " je rostoucí (a > 0)"
                                : a < 0 ? " je klesající (a < 0)"
                                        : " je konstantní (a = 0)");
  f.popis_prosta->SetCaption(a != 0 ? " je prostá" : " není prostá");
  f.par02_y->SetCaption(" y = " + live.Number(b));
  if (a == 0) {
    f.par01_x->SetCaption(b != 0 ? " nemá" : " všechna reálná čísla");
  } else {
    f.par01_x->SetCaption(" x = " + live.Number(-b / a));
  }
  VykresliGrafLin(live, TLiveGraph::Term(a), TLiveGraph::Term(b));
}

const LivePage<TfrmFceElemLin> page(
    {
        .params = {{"A"}, {"B"}},
        .definition = "img",
        // The subjects "Funkce" of the two property sentences are the page's own captions.
        .liveControls = {"y", "hodnota_A", "sipky_A", "x", "hodnota_B", "sipky_B",
                         "podmet_monotonie", "popis_monotonie", "podmet_prosta", "popis_prosta",
                         "ptext01", "ptext02", "par01_x", "par02_y"},
        .publishTimer = true,
    },
    {
        .edited = "Proved",
        // The picture stays empty until the first drawing.
        .open = [](TfrmFceElemLin& f, TLiveGraph&) { f.grafImg->Show(); },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemLin::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemLin", &frmFceElemLin);
  return cls;
}
