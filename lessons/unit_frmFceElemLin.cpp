#include "lessons/unit_frmFceElemLin.h"

#include "lessons/live_graph.h"

TfrmFceElemLin* frmFceElemLin = nullptr;

namespace {

// The page's live state; it belongs to the open page instance and dies with it.
TRef<TLiveGraph> live;

LivePageDescription Description() {
  LivePageDescription d;
  d.params = {{"A"}, {"B"}};
  d.definition = "img";
  // The subjects "Funkce" of the two property sentences are the page's own captions.
  d.liveControls = {"y",
                    "hodnota_A",
                    "sipky_A",
                    "x",
                    "hodnota_B",
                    "sipky_B",
                    "podmet_monotonie",
                    "popis_monotonie",
                    "podmet_prosta",
                    "popis_prosta",
                    "ptext01",
                    "ptext02",
                    "par01_x",
                    "par02_y"};
  d.publishTimer = true;
  return d;
}

}  // namespace

void TfrmFceElemLin::Akce(TObject*) {
  if (opened_) return;
  opened_ = true;
  live = new TLiveGraph(*this, Description());
  live->Start(TNotifyEvent(this, &TfrmFceElemLin::zobrazeni, "zobrazeni"),
              TNotifyEvent(this, &TfrmFceElemLin::aktualizace, "aktualizace"));
  // The picture stays empty until the first drawing.
  grafImg->Show();
}

void TfrmFceElemLin::zobrazeni(TObject*) {
  if (live) live->RevealTick();
}

void TfrmFceElemLin::Proved(TObject*) {
  if (live) live->ParamEdited();
}

void TfrmFceElemLin::pomAChange(TObject*) {
  if (live) live->TenthsChanged(0);
}

void TfrmFceElemLin::pomBChange(TObject*) {
  if (live) live->TenthsChanged(1);
}

void TfrmFceElemLin::aktualizace(TObject*) {
  if (!live) return;
  live->Update([this](const std::vector<double>& v) {
    const double a = v[0], b = v[1];
    popis_monotonie->SetCaption(a > 0   ? " je rostoucí (a > 0)"
                                : a < 0 ? " je klesající (a < 0)"
                                        : " je konstantní (a = 0)");
    popis_prosta->SetCaption(a != 0 ? " je prostá" : " není prostá");
    par02_y->SetCaption(" y = " + live->Number(b));
    if (a == 0) {
      par01_x->SetCaption(b != 0 ? " nemá" : " všechna reálná čísla");
    } else {
      par01_x->SetCaption(" x = " + live->Number(-b / a));
    }
    VykresliGrafLin(TLiveGraph::Term(a), TLiveGraph::Term(b));
  });
}

void TfrmFceElemLin::VykresliGrafLin(const std::string& a, const std::string& b) {
  live->Draw(a + "*x" + TLiveGraph::FollowingTerm(b), kGraphColour);
}

const TFormClass& TfrmFceElemLin::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemLin>("TfrmFceElemLin", "frmFceElemLin", &frmFceElemLin)
          .Bind("grafImg", &TfrmFceElemLin::grafImg)
          .Bind("hodnota_A", &TfrmFceElemLin::hodnota_A)
          .Bind("hodnota_B", &TfrmFceElemLin::hodnota_B)
          .Bind("pomA", &TfrmFceElemLin::pomA)
          .Bind("pomB", &TfrmFceElemLin::pomB)
          .Bind("sipky_A", &TfrmFceElemLin::sipky_A)
          .Bind("sipky_B", &TfrmFceElemLin::sipky_B)
          .Bind("popis_monotonie", &TfrmFceElemLin::popis_monotonie)
          .Bind("popis_prosta", &TfrmFceElemLin::popis_prosta)
          .Bind("par01_x", &TfrmFceElemLin::par01_x)
          .Bind("par02_y", &TfrmFceElemLin::par02_y)
          .Handler("Akce", &TfrmFceElemLin::Akce)
          .Handler("zobrazeni", &TfrmFceElemLin::zobrazeni)
          .Handler("aktualizace", &TfrmFceElemLin::aktualizace)
          .Handler("Proved", &TfrmFceElemLin::Proved)
          .Handler("pomAChange", &TfrmFceElemLin::pomAChange)
          .Handler("pomBChange", &TfrmFceElemLin::pomBChange)
          .Requires({"obdelnik", "img", "y", "x", "podmet_monotonie", "podmet_prosta", "ptext01",
                     "ptext02"});
  return cls;
}
