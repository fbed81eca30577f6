#include "lessons/unit_frmFceDef.h"

#include "lessons/stepped_page.h"

TfrmFceDef* frmFceDef = nullptr;

namespace {

constexpr int kSteps = 20;

// The "x" of "čísla x" in text_p03, a line break counting two characters.
constexpr int kItalicX = 105;

// Reveals one step a tick on the delays, without a halt; step mode stops it after each step.
void Tick(SteppedPage<Tzaznam_new>& p) {
  TTimer* timer = StepTimer.get();
  if (!HaltForStepMode() && timer) timer->SetInterval(p.Tables().delays.For(p.state.RevealStep));
  if (p.state.RevealStep >= kSteps) {
    if (timer) timer->SetEnabled(false);
    return;
  }
  RevealRecord(p.records[p.state.RevealStep]);
  ++p.state.RevealStep;
}

// The example's text, its font, and the italic x of text_p03.
void Open(SteppedPage<Tzaznam_new>& p) {
  auto& page = static_cast<TfrmFceDef&>(p.Page());
  page.text02->Lines().Assign(
      {"Ukažme si definici na zadané funkci. Budeme přiřazovat každému "
       "reálnému číslu z dané množiny jednoznačně jiné",
       "reálné číslo podle daného předpisu."});
  // A font change formats the whole text; setting the same name would change nothing.
  page.text02->Font().SetName("MS Sans Serif");
  page.text02->Font().SetName("Times New Roman");
  FormatRichRange(page.text_p03, kItalicX, 1, true, false, "", 0);
}

SteppedPage<Tzaznam_new> page({
    .script = StepScript(kSteps,
                         "0 def01 text01 · 1 pr01 obr01 text02 · 2-15 obr02-obr15 · "
                         "16 obr16 text04 · 17 obr_p01 text_p01 · 18 obr_p02 text_p02 · "
                         "19 text_p03"),
    // Time to read the definition and the example's task; the stages then follow quickly.
    .delays = DelayTable(2000).After({0}, 10000).After({1}, 7000),
    .open = Open,
    .tick = Tick,
});

}  // namespace

const TFormClass& TfrmFceDef::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceDef>("TfrmFceDef", &frmFceDef);
  return cls;
}
