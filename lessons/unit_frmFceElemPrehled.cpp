#include "lessons/unit_frmFceElemPrehled.h"

#include <array>
#include <string>
#include <vector>

#include "lessons/stepped_page.h"

TfrmFceElemPrehled* frmFceElemPrehled = nullptr;

namespace {

using Page = SteppedPage<>;

// What the n-th tick shows (n from 1): the table group by group, each block's frame after its
// groups, the closing text last. Later ticks show nothing.
const std::array<std::vector<const char*>, 12> kShown = {{
    {"text11", "graf11"},
    {"text13", "graf13"},
    {"text12", "graf12"},
    {"text14", "graf14", "graf15", "graf16", "graf17", "graf18", "graf19"},
    {"obd1"},
    {"text21", "graf21", "graf23"},
    {"text22", "graf22", "graf24"},
    {"obd2"},
    {"text31", "graf31", "graf33", "graf35", "graf37"},
    {"text32", "graf32", "graf34", "graf36", "graf38"},
    {"obd3"},
    {"text01"},
}};

// posun: the step counts before its look-up, so the first tick shows group 1.
void Tick(Page& p) {
  if (!HaltForStepMode()) p.Timer()->SetInterval(1000);
  const int n = ++p.state.RevealStep;
  if (n < 1 || n > static_cast<int>(kShown.size())) return;
  for (const char* name : kShown[n - 1]) p.C(name).Show();
}

std::vector<std::string> Shown() {
  std::vector<std::string> names;
  for (const auto& group : kShown) names.insert(names.end(), group.begin(), group.end());
  return names;
}

Page page({
    .tickHandler = "posun",
    .controls = Shown(),
    .tick = Tick,
});

}  // namespace

const TFormClass& TfrmFceElemPrehled::FormClass() {
  static const TFormClass cls =
      page.FormClass<TfrmFceElemPrehled>("TfrmFceElemPrehled", &frmFceElemPrehled);
  return cls;
}
