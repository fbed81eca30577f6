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

// Chapter 5: the graph of y = f(x) over a fresh grid.
const FreeExpressionEngine kOneVariable = {
    .editColour = 0xF2F2F2,
    .create = [](const Toblast& area, int scale) -> std::unique_ptr<TgrafView> {
      return std::make_unique<Tgraf>(area, scale);
    },
    .blank = [](const TgrafView& g,
                TImage& image) { static_cast<const Tgraf&>(g).DrawGrid(image); },
    .draw =
        [](const TgrafView& g, TImage& image, std::string_view text) {
          TokenList list;
          if (!ParseExpression(text, list)) return false;
          static_cast<const Tgraf&>(g).DrawGraph(image, std::move(list), kGraphColour, true);
          return true;
        },
};

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

// The page's graph object and its drawing area, owned by the page so that they go with it.
class TSlozeneGraf : public TComponent {
 public:
  explicit TSlozeneGraf(TComponent* owner) : TComponent(owner) {}
  Toblast oblast;
  std::unique_ptr<TgrafView> graf;
};

// The page's state. The graph object, the timer and the remembered button die with the page;
// the references empty themselves then.
TRef<TSlozeneGraf> PageGraf;
TRef<TTimer> ViewTimer;
bool ViewPending = false;
TRef<TControl> LastViewButton;

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

const TgrafView* FreeExpressionView() {
  return PageGraf ? PageGraf->graf.get() : nullptr;
}

const Tgraf* SlozeneGraf() {
  return dynamic_cast<const Tgraf*>(FreeExpressionView());
}

void TFreeExpressionPage::AddHandlers(TFormClass& c) {
  c.Handler("Akce", &TFreeExpressionPage::Akce)
      .Handler("Proved", &TFreeExpressionPage::Proved)
      .Handler("Aktualizace", &TFreeExpressionPage::Aktualizace)
      .Handler("Vloz", &TFreeExpressionPage::Vloz)
      .Handler("Vymaz", &TFreeExpressionPage::Vymaz);
  for (const Sablona& s : kSablony) c.Requires({std::string(s.button)});
}

TfrmFceSlozene::TfrmFceSlozene(TComponent* owner) : TFreeExpressionPage(owner, kOneVariable) {}

const TFormClass& TfrmFceSlozene::FormClass() {
  static const TFormClass cls = FormClassOf("TfrmFceSlozene", &frmFceSlozene);
  return cls;
}

namespace {

void EnableViewButtons(TFreeExpressionPage& f, bool enabled) {
  for (TControl* b : {f.btnUp, f.btnDown, f.btnRight, f.btnLeft, f.btnPlus, f.btnMinus}) {
    b->SetEnabled(enabled);
  }
}

// A fresh graph object in the start view.
void NewGraf(TFreeExpressionPage& f, const FreeExpressionEngine& engine) {
  if (!PageGraf || PageGraf->Owner() != &f) PageGraf = new TSlozeneGraf(&f);
  PageGraf->oblast = Toblast{0, f.grafImg->Width(), 0, f.grafImg->Height()};
  PageGraf->graf = engine.create(PageGraf->oblast, kStartScale);
}

TgrafView& Graf() {
  return *PageGraf->graf;
}

// The action of a view button on the current view.
void MoveView(TFreeExpressionPage& f, TControl* b) {
  TgrafView& g = Graf();
  if (b == f.btnUp) {
    g.YMax += 1;
    g.YMin += 1;
  } else if (b == f.btnDown) {
    g.YMax -= 1;
    g.YMin -= 1;
  } else if (b == f.btnLeft) {
    g.XMin -= 1;
    g.XMax -= 1;
  } else if (b == f.btnRight) {
    g.XMin += 1;
    g.XMax += 1;
  } else if (b == f.btnPlus) {
    if (g.Scale < 320) {
      // Halving the top-left corner keeps a centred view centred (up to one unit).
      g.XMin /= 2;
      g.YMax /= 2;
      g.SetScale(2 * g.Scale);
      f.btnMinus->SetEnabled(true);
      if (2 * g.Scale > 160) f.btnPlus->SetEnabled(false);
    }
  } else if (b == f.btnMinus) {
    if (g.Scale > 5) {
      g.XMin *= 2;
      g.YMax *= 2;
      g.SetScale(g.Scale / 2);
      f.btnPlus->SetEnabled(true);
      if (g.Scale / 2 < 5) f.btnMinus->SetEnabled(false);
    }
  }
}

}  // namespace

void TFreeExpressionPage::Akce(TObject*) {
  EnableViewButtons(*this, false);
  ViewPending = true;
  LastViewButton = nullptr;
  NewGraf(*this, engine_);
  if (ViewTimer) Free(ViewTimer.get());  // never a second timer
  auto* timer = new TTimer(this);
  timer->SetInterval(200);
  timer->SetOnTimer(TNotifyEvent(this, &TFreeExpressionPage::Aktualizace, "Aktualizace"));
  timer->SetEnabled(true);
  ViewTimer = timer;
  funkce->SetColor(engine_.editColour);
}

void TFreeExpressionPage::Proved(TObject* Sender) {
  ViewTimer->SetEnabled(true);
  ViewPending = true;
  LastViewButton = dynamic_cast<TControl*>(Sender);
}

void TFreeExpressionPage::Aktualizace(TObject*) {
  if (!ViewPending) return;
  TControl* b = LastViewButton.get();
  if (b == btnZobraz) {
    if (!funkce->Text().empty()) {
      NewGraf(*this, engine_);
      EnableViewButtons(*this, true);
    }
  } else {
    MoveView(*this, b);
  }
  VykresliGraf(funkce->Text());
  ViewPending = false;
}

void TFreeExpressionPage::VykresliGraf(const std::string& text) {
  postfix->SetCaption("");
  if (text.empty()) {
    engine_.blank(Graf(), *grafImg);
    return;
  }
  if (engine_.draw(Graf(), *grafImg, text)) return;
  // Stop before the modal message, so that no tick runs under it.
  ViewTimer->SetEnabled(false);
  ViewPending = true;
  EnableViewButtons(*this, false);
  NewGraf(*this, engine_);
  engine_.blank(Graf(), *grafImg);
  Application->MessageBox("Funkce byla chybně zadána.", "chyba", MB_OK);
}

void TFreeExpressionPage::Vloz(TObject* Sender) {
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

void TFreeExpressionPage::Vymaz(TObject*) {
  ViewTimer->SetEnabled(false);
  ViewPending = true;
  funkce->SetText("");
  EnableViewButtons(*this, false);
  NewGraf(*this, engine_);
  engine_.blank(Graf(), *grafImg);
}
