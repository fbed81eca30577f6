#include "lessons/unit_frmFceVperioda.h"

#include "lessons/stepped_page.h"

TfrmFceVperioda* frmFceVperioda = nullptr;

namespace {

SteppedPage<> page({
    .script = StepScript(28,
                         "0 def01 text01 · 1 pr01 text02 · 2-5 graf01-graf04 · 6 text03 · "
                         "7-13 graf01b graf01c graf02b graf03b graf03c graf04b graf04c · "
                         "14 text04 · 15-18 graf05-graf08 · 19 W graf05 · "
                         "20-27 graf05b graf05c graf06b graf06c graf07b graf07c graf08b graf08c"),
    .delays = DelayTable(1000).After({0, 6}, 4000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVperioda::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceVperioda>("TfrmFceVperioda", &frmFceVperioda);
  return cls;
}
