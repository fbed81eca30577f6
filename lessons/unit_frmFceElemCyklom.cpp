#include "lessons/unit_frmFceElemCyklom.h"

#include <array>
#include <string>
#include <vector>

#include "lessons/live_graph.h"
#include "lessons/stepped_page.h"

TfrmFceElemCyklom* frmFceElemCyklom = nullptr;

namespace {

using Page = SteppedPage<>;

// The functions of the list, item by item, and the first comment of each with the position of
// the blank before its x: that blank is set narrow and the x italic.
struct Function {
  const char* name;
  const char* comment;
  int blank;
};
const std::array<Function, 4> kFunctions = {{
    {"arcsin", "Mějme funkci sin x. Načrtněme si její graf.", 16},
    {"arccos", "Mějme funkci cos x. Načrtněme si její graf.", 16},
    {"arctg", "Mějme funkci tg x. Načrtněme si její graf.", 15},
    {"arccotg", "Mějme funkci cotg x. Načrtněme si její graf.", 17},
}};

const std::array<const char*, 7> kStages = {"graf01", "graf02", "graf03", "graf04",
                                            "graf05", "graf06", "graf07"};
const std::string kFolder = "img/Teorie/E_cyklom/";

std::string StageFile(const Function& f, int stage) {
  return kFolder + f.name + "0" + std::to_string(stage) + ".jpg";
}
std::string PropertiesFile(const Function& f) {
  return kFolder + "def_" + f.name + ".jpg";
}

void SetComment(TfrmFceElemCyklom& page, const char* text) {
  page.komentar->Lines().Clear();
  page.komentar->Lines().Add(text);
}

void FormatComment(TfrmFceElemCyklom& page, const Function& f) {
  SetComment(page, f.comment);
  FormatRichRange(page.komentar, f.blank, 1, true, false, "Times New Roman", 6);
  FormatRichRange(page.komentar, f.blank + 1, 1, true, false, "Times New Roman", 11);
}

// Raises the platform's file error at the first file that cannot be read; the pictures before
// it are loaded already.
void LoadStages(TfrmFceElemCyklom& page, const Function& f) {
  for (size_t k = 0; k < kStages.size(); ++k) {
    Named<TImage>(page, kStages[k]).Picture().LoadFromFile(StageFile(f, static_cast<int>(k) + 1));
  }
}

TfrmFceElemCyklom& Form(Page& p) {
  return static_cast<TfrmFceElemCyklom&>(p.Page());
}

// aktualizace: the comment, the seven pictures with two more comments, the properties; after
// step 10 the ticks go on without effect.
void Tick(Page& p) {
  TfrmFceElemCyklom& page = Form(p);
  if (!HaltForStepMode()) p.Timer()->SetInterval(2000);
  switch (p.state.RevealStep) {
    case 0:
      page.komentar->Show();
      break;
    case 1:
      p.Show({"graf01"});
      break;
    case 2:
      SetComment(page, "Funkce není prostá, zvýrazněme si její prostou část.");
      break;
    case 3:
      p.Show({"graf02"});
      break;
    case 4:
      p.Show({"graf03"});
      break;
    case 5:
      SetComment(page, "Nyní můžeme k této prosté části najít funkci inverzní.");
      break;
    case 6:
    case 7:
    case 8:
    case 9:
      p.Show({kStages[p.state.RevealStep - 3]});  // graf04 to graf07
      break;
    case 10:
      page.obdelnik->Show();
      page.vlastnosti->Show();
      break;
    default:
      break;
  }
  ++p.state.RevealStep;
}

Page page({
    .firstInterval = 1500,
    .tickHandler = "aktualizace",
    .controls = {kStages.begin(), kStages.end()},
    .open = [](Page& p) { Form(p).obdelnik->Brush().SetColor(kDefinitionFrame); },
    // The pictures are read after the timer started: a missing file leaves the presentation
    // running. The properties keep the picture of the layout until the first choice.
    .started =
        [](Page& p) {
          TfrmFceElemCyklom& f = Form(p);
          LoadStages(f, kFunctions[0]);
          FormatComment(f, kFunctions[0]);
          f.komentar->Hide();
        },
    .tick = Tick,
});

// Vyber: a new choice hides everything and starts again from the comment at the next tick,
// with the chosen function's pictures; the timer is left as it is.
void Choose(TfrmFceElemCyklom& f) {
  page.state.RevealStep = 0;
  for (const char* name : kStages) Named<TControl>(f, name).Hide();
  f.komentar->Hide();
  f.obdelnik->Hide();
  f.vlastnosti->Hide();
  const int item = f.fce->ItemIndex();
  if (item < 0 || item >= static_cast<int>(kFunctions.size())) return;
  const Function& fn = kFunctions[item];
  LoadStages(f, fn);
  FormatComment(f, fn);
  f.vlastnosti->Picture().LoadFromFile(PropertiesFile(fn));
}

std::vector<std::string> Files() {
  std::vector<std::string> files;
  for (const Function& f : kFunctions) {
    for (size_t k = 1; k <= kStages.size(); ++k) files.push_back(StageFile(f, static_cast<int>(k)));
    files.push_back(PropertiesFile(f));
  }
  return files;
}

}  // namespace

const TFormClass& TfrmFceElemCyklom::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c = page.FormClass<TfrmFceElemCyklom>("TfrmFceElemCyklom", &frmFceElemCyklom);
    c.Handler<TfrmFceElemCyklom>("Vyber", [](TfrmFceElemCyklom& f, TObject*) { Choose(f); });
    c.RequiresFiles(Files());
    return c;
  }();
  return cls;
}
