#include "lessons/unit_frmFceSlozene.h"

#include <QString>
#include <algorithm>
#include <memory>
#include <string_view>

#include "engine/unit_graf.h"
#include "platform/timers.h"

TfrmFceSlozene* frmFceSlozene = nullptr;

namespace {

constexpr int kStartScale = 20;  // -8 to 8 on the 337-pixel picture
constexpr TColor kGraphColour = 255;

// What an insertion button puts around the selection, and where the caret goes: after
// `caretOffset` characters counted from the 1-based insertion place, plus the selection's
// length where `caretAfterSelection` holds.
struct Sablona {
  std::string_view button, before, after;
  int caretOffset;
  bool caretAfterSelection;
};

constexpr Sablona kSablony[] = {
    {"btnMocnina", "", "^", 0, false},        {"btnAbs", "abs(", ")", 3, true},
    {"btnOdmocnina", "odm(;", ")", 3, false}, {"btnLog", "log(;", ")", 3, false},
    {"btnLn", "ln(", ")", 2, true},           {"btnLog10", "log(", ")", 3, true},
    {"btnSin", "sin(", ")", 3, true},         {"btnCos", "cos(", ")", 3, true},
    {"btnTg", "tg(", ")", 2, true},           {"btnCotg", "cotg(", ")", 4, true},
    {"btnArcsin", "arcsin(", ")", 6, true},   {"btnArccos", "arccos(", ")", 6, true},
    {"btnArctg", "arctg(", ")", 5, true},     {"btnArccotg", "arccotg(", ")", 7, true},
};

// The page's state. The timer and the remembered button die with the page; the references
// empty themselves then.
std::unique_ptr<Tgraf> graf;
Toblast oblast;
TRef<TTimer> ViewTimer;
bool ViewPending = false;
TRef<TControl> LastViewButton;

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

const Tgraf* SlozeneGraf() {
  return graf.get();
}

const TFormClass& TfrmFceSlozene::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c =
        TFormClass::Of<TfrmFceSlozene>("TfrmFceSlozene", "frmFceSlozene", &frmFceSlozene);
    c.Bind("funkce", &TfrmFceSlozene::funkce)
        .Bind("grafImg", &TfrmFceSlozene::grafImg)
        .Bind("postfix", &TfrmFceSlozene::postfix)
        .Bind("btnZobraz", &TfrmFceSlozene::btnZobraz)
        .Bind("btnVymaz", &TfrmFceSlozene::btnVymaz)
        .Bind("btnUp", &TfrmFceSlozene::btnUp)
        .Bind("btnDown", &TfrmFceSlozene::btnDown)
        .Bind("btnLeft", &TfrmFceSlozene::btnLeft)
        .Bind("btnRight", &TfrmFceSlozene::btnRight)
        .Bind("btnPlus", &TfrmFceSlozene::btnPlus)
        .Bind("btnMinus", &TfrmFceSlozene::btnMinus)
        .Handler("Akce", &TfrmFceSlozene::Akce)
        .Handler("Proved", &TfrmFceSlozene::Proved)
        .Handler("Aktualizace", &TfrmFceSlozene::Aktualizace)
        .Handler("Vloz", &TfrmFceSlozene::Vloz)
        .Handler("Vymaz", &TfrmFceSlozene::Vymaz);
    for (const Sablona& s : kSablony) c.Requires({std::string(s.button)});
    return c;
  }();
  return cls;
}

namespace {

void EnableViewButtons(TfrmFceSlozene& f, bool enabled) {
  for (TControl* b : {f.btnUp, f.btnDown, f.btnRight, f.btnLeft, f.btnPlus, f.btnMinus}) {
    b->SetEnabled(enabled);
  }
}

// A fresh graph object in the start view.
void NewGraf(TfrmFceSlozene& f) {
  oblast = Toblast{0, f.grafImg->Width(), 0, f.grafImg->Height()};
  graf = std::make_unique<Tgraf>(oblast, kStartScale);
}

}  // namespace

void TfrmFceSlozene::Akce(TObject*) {
  EnableViewButtons(*this, false);
  ViewPending = true;
  LastViewButton = nullptr;
  NewGraf(*this);
  if (ViewTimer) Free(ViewTimer.get());  // never a second timer
  auto* timer = new TTimer(this);
  timer->SetInterval(200);
  timer->SetOnTimer(TNotifyEvent(this, &TfrmFceSlozene::Aktualizace, "Aktualizace"));
  timer->SetEnabled(true);
  ViewTimer = timer;
  funkce->SetColor(0xF2F2F2);
  // The selection stays while an insertion button has the focus, so that it can wrap it.
  funkce->SetHideSelection(false);
}

void TfrmFceSlozene::Proved(TObject* Sender) {
  ViewTimer->SetEnabled(true);
  ViewPending = true;
  LastViewButton = dynamic_cast<TControl*>(Sender);
}

void TfrmFceSlozene::Aktualizace(TObject*) {
  if (!ViewPending) return;
  TControl* b = LastViewButton.get();
  if (b == btnZobraz) {
    if (!funkce->Text().empty()) {
      NewGraf(*this);
      EnableViewButtons(*this, true);
    }
  } else if (b == btnUp) {
    graf->YMax += 1;
    graf->YMin += 1;
  } else if (b == btnDown) {
    graf->YMax -= 1;
    graf->YMin -= 1;
  } else if (b == btnLeft) {
    graf->XMin -= 1;
    graf->XMax -= 1;
  } else if (b == btnRight) {
    graf->XMin += 1;
    graf->XMax += 1;
  } else if (b == btnPlus) {
    if (graf->Scale < 320) {
      // Halving the top-left corner keeps a centred view centred (up to one unit).
      graf->XMin /= 2;
      graf->YMax /= 2;
      graf->SetScale(2 * graf->Scale);
      btnMinus->SetEnabled(true);
      if (2 * graf->Scale > 160) btnPlus->SetEnabled(false);
    }
  } else if (b == btnMinus) {
    if (graf->Scale > 5) {
      graf->XMin *= 2;
      graf->YMax *= 2;
      graf->SetScale(graf->Scale / 2);
      btnPlus->SetEnabled(true);
      if (graf->Scale / 2 < 5) btnMinus->SetEnabled(false);
    }
  }
  VykresliGraf(funkce->Text());
  ViewPending = false;
}

void TfrmFceSlozene::VykresliGraf(const std::string& text) {
  postfix->SetCaption("");
  if (text.empty()) {
    graf->DrawGrid(*grafImg);
    return;
  }
  TokenList list;
  if (ParseExpression(text, list)) {
    graf->DrawGraph(*grafImg, std::move(list), kGraphColour, true);
    return;
  }
  // Stop before the modal message, so that no tick runs under it.
  ViewTimer->SetEnabled(false);
  ViewPending = true;
  EnableViewButtons(*this, false);
  NewGraf(*this);
  graf->DrawGrid(*grafImg);
  Application->MessageBox("Funkce byla chybně zadána.", "chyba", MB_OK);
}

void TfrmFceSlozene::Vloz(TObject* Sender) {
  auto* button = dynamic_cast<TComponent*>(Sender);
  const Sablona* s = nullptr;
  for (const Sablona& t : kSablony) {
    if (button && button->Name() == t.button) s = &t;
  }
  if (!s) return;
  // SelStart is the start of the selection whichever way it was made.
  const int p = funkce->SelStart() + 1;
  const QString sel = QString::fromStdString(funkce->SelText());
  funkce->CutToClipboard();
  QString text = QString::fromStdString(funkce->Text());
  text.insert(std::min<qsizetype>(p - 1, text.size()), Q(s->before) + sel + Q(s->after));
  int caret = p + s->caretOffset;
  if (s->caretAfterSelection) caret += static_cast<int>(sel.size());
  funkce->SetText(text.toStdString());
  funkce->SetAutoSelect(false);
  funkce->SetFocus();
  funkce->SetSelStart(caret);
}

void TfrmFceSlozene::Vymaz(TObject*) {
  ViewTimer->SetEnabled(false);
  ViewPending = true;
  funkce->SetText("");
  EnableViewButtons(*this, false);
  NewGraf(*this);
  graf->DrawGrid(*grafImg);
}
