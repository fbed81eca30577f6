#include "lessons/unit_frmFceDef.h"

#include <vector>

#include "shell/unit_frmMain.h"
#include "shell/unit_zaznam.h"

TfrmFceDef* frmFceDef = nullptr;

namespace {

constexpr int kSteps = 20;
const StepScript kScript(kSteps, {{0, "def01", "text01"},
                                  {1, "pr01", "obr01", "text02"},
                                  {2, "obr02"},
                                  {3, "obr03"},
                                  {4, "obr04"},
                                  {5, "obr05"},
                                  {6, "obr06"},
                                  {7, "obr07"},
                                  {8, "obr08"},
                                  {9, "obr09"},
                                  {10, "obr10"},
                                  {11, "obr11"},
                                  {12, "obr12"},
                                  {13, "obr13"},
                                  {14, "obr14"},
                                  {15, "obr15"},
                                  {16, "obr16", "text04"},
                                  {17, "obr_p01", "text_p01"},
                                  {18, "obr_p02", "text_p02"},
                                  {19, "text_p03"}});
// Time to read the definition and the example's task; the stages then follow quickly.
const DelayTable kDelays(2000, {{0, 10000}, {1, 7000}});

// The "x" of "čísla x" in text_p03, a line break counting two characters.
constexpr int kItalicX = 105;

std::vector<Tzaznam_new> zaznamy;
PresentationState state;

}  // namespace

const TFormClass& TfrmFceDef::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceDef>("TfrmFceDef", "frmFceDef", &frmFceDef)
                                    .Bind("text02", &TfrmFceDef::text02)
                                    .Bind("text_p03", &TfrmFceDef::text_p03)
                                    .Handler("Akce", &TfrmFceDef::Akce)
                                    .Handler("kontrola", &TfrmFceDef::kontrola)
                                    .Requires(kScript.Names());
  return cls;
}

void TfrmFceDef::Akce(TObject*) {
  if (!opening_.First()) return;
  text02->Lines().Assign(
      {"Ukažme si definici na zadané funkci. Budeme přiřazovat každému "
       "reálnému číslu z dané množiny jednoznačně jiné",
       "reálné číslo podle daného předpisu."});
  zaznamy = kScript.Build<Tzaznam_new>(*this);
  // A font change formats the whole text; setting the same name would change nothing.
  text02->Font().SetName("MS Sans Serif");
  text02->Font().SetName("Times New Roman");
  FormatRichRange(text_p03, kItalicX, 1, true, false, "", 0);
  state = PresentationState{};
  PublishStepTimer(this, 1000, TNotifyEvent(this, &TfrmFceDef::kontrola, "kontrola"));
}

void TfrmFceDef::kontrola(TObject*) {
  TTimer* timer = StepTimer.get();
  if (!HaltForStepMode() && timer) timer->SetInterval(kDelays.For(state.RevealStep));
  if (state.RevealStep >= kSteps) {
    if (timer) timer->SetEnabled(false);
    return;
  }
  RevealRecord(zaznamy[state.RevealStep]);
  ++state.RevealStep;
}
