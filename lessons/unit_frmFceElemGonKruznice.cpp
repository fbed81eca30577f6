#include "lessons/unit_frmFceElemGonKruznice.h"

#include <array>
#include <string>

#include "lessons/live_graph.h"
#include "lessons/stepped_page.h"
#include "shell/unit_zaznam.h"

TfrmFceElemGonKruznice* frmFceElemGonKruznice = nullptr;

const char* const kComparisonText =
    "Srovnejte hodnoty obou funkcí. Všimněte si, jakých hodnot nabývají pro násobky p/4 a jakých "
    "pro násobky p/6. (Zdůrazněme, že p/3 jsou 2/6 p.)";
const int kComparisonPi[4] = {79, 104, 125, 138};

namespace {

// The short names of the list's items, in its order.
constexpr std::array<const char*, 7> kItems = {"sin",    "cos",    "tg", "cotg",
                                               "sincos", "tgcotg", "vse"};
constexpr int kPairs[] = {4, 5};
constexpr int kAll = 6;

// The module's state: the tick counter (0 at the start of the program, 0 at every choice) and
// the page's own timer, which the tool bar never reaches.
int RevealStep = 0;
TRef<TTimer> PageTimer;
// The choice whose pictures the open page holds (-1: none yet).
int ShownItem = -1;

}  // namespace

std::string UnitCirclePicture(int item, int which) {
  return std::string(".\\img\\Teorie\\E_goniom\\kr_") + kItems.at(item) + "0" +
         std::to_string(which) + ".jpg";
}

const TFormClass& TfrmFceElemGonKruznice::FormClass() {
  static const TFormClass cls = [] {
    auto c = TFormClass::Of<TfrmFceElemGonKruznice>(
        "TfrmFceElemGonKruznice", "frmFceElemGonKruznice", &frmFceElemGonKruznice);
    c.Handler("Akce", &TfrmFceElemGonKruznice::Akce)
        .Handler("aktualizace", &TfrmFceElemGonKruznice::aktualizace)
        .Handler("Vyber", &TfrmFceElemGonKruznice::Vyber)
        .Requires({"kr00"});
    std::vector<std::string> files;
    for (int item = 0; item < static_cast<int>(kItems.size()); ++item) {
      for (int which : {1, 2}) files.push_back(UnitCirclePicture(item, which));
    }
    c.RequiresFiles(files);
    return c;
  }();
  return cls;
}

void TfrmFceElemGonKruznice::Akce(TObject*) {
  // Once per page instance: a second activation starts no second timer and keeps the box.
  if (!FirstOpening(*this)) return;
  obdelnik->Brush().SetColor(kDefinitionFrame);
  obdelnik->Invalidate();
  auto* timer = new TTimer(this);
  timer->SetInterval(1000);
  timer->SetOnTimer(TNotifyEvent(this, &TfrmFceElemGonKruznice::aktualizace, "aktualizace"));
  timer->SetEnabled(true);
  PageTimer = timer;
  ShownItem = -1;
  definice->Lines().Clear();
  obdelnik->SetHeight(0);
  obdelnik->SetWidth(0);
  definice->SetColor(kEditColour);
}

void TfrmFceElemGonKruznice::aktualizace(TObject*) {
  if (RevealStep == 0) {
    kr01->Show();
  } else if (RevealStep == 1) {
    kr02->Show();
  } else if (RevealStep == 2) {
    obdelnik->Show();
    const int item = fce->ItemIndex();
    TImage* pictures[] = {sin, cos, tg, cotg};
    for (int i = 0; i < 4; ++i) pictures[i]->SetVisible(i == item);
    const bool pair = item == kPairs[0] || item == kPairs[1];
    if (pair) definice->SetColor(kDefinitionFrame);
    definice->SetVisible(pair);
  }
  // Past the box the sequence rests; the counter stops there, so it never runs over.
  if (RevealStep < 3) ++RevealStep;
}

void TfrmFceElemGonKruznice::Vyber(TObject*) {
  const int item = fce->ItemIndex();
  if (item < 0 || item >= static_cast<int>(kItems.size())) return;
  // Both pictures are read before anything changes: a file that cannot be read leaves the page
  // as it was, with the list back at the choice it shows, and the error is the platform's.
  TPicture first, second;
  try {
    first.LoadFromFile(UnitCirclePicture(item, 1));
    second.LoadFromFile(UnitCirclePicture(item, 2));
  } catch (...) {
    fce->SetItemIndex(ShownItem);
    throw;
  }
  ShownItem = item;

  obdelnik->SetHeight(176);
  obdelnik->SetWidth(312);
  RevealStep = 0;
  kr01->Hide();
  kr02->Hide();
  obdelnik->Hide();
  definice->Lines().Clear();
  for (TImage* p : {sin.get(), cos.get(), tg.get(), cotg.get()}) p->Hide();
  definice->Hide();
  definice->SetColor(kEditColour);

  kr01->Picture().SetImage(first.Image());
  kr02->Picture().SetImage(second.Image());
  if (item == kPairs[0] || item == kPairs[1]) {
    definice->Lines().Add(kComparisonText);
    for (int at : kComparisonPi) FormatRichRange(definice, at, 1, false, false, "Symbol", 11);
  }
  if (item == kAll) {
    obdelnik->SetHeight(0);
    obdelnik->SetWidth(0);
  }
}
