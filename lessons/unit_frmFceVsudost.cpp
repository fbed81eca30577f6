#include "lessons/unit_frmFceVsudost.h"

#include "lessons/stepped_page.h"

TfrmFceVsudost* frmFceVsudost = nullptr;

namespace {

SteppedPage<> page({
    // Step 20 shows nothing: one quiet second before the halt.
    .script = StepScript(30,
                         "0 def01 text01_img · 1 pr01 text02 · 2-5 graf01-graf04 · "
                         "6-12 graf01b graf01c graf02b graf02c graf03b graf03c graf04b · "
                         "13 text03 · 14 graf04c · 15 text04 · 16-19 graf05-graf08 · "
                         "21 W graf05 · "
                         "22-29 graf05b graf05c graf06b graf06c graf07b graf07c graf08b graf08c"),
    .delays = DelayTable(1000).After({0, 5}, 4000).After({13}, 6000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVsudost::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceVsudost>("TfrmFceVsudost", &frmFceVsudost);
  return cls;
}
