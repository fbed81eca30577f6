#include "lessons/unit_frmFceVprosta.h"

#include "lessons/stepped_page.h"

TfrmFceVprosta* frmFceVprosta = nullptr;

namespace {

SteppedPage<> page({
    .script = StepScript(29,
                         "0 def01 text01 · 1 pr01 text02 · 2-5 graf01-graf04 · 6 text03 · "
                         "7-13 graf01b graf01c graf02b graf02c graf03b graf03c graf04b · "
                         "14 graf04c text03x · 15 text04 · 16-19 graf05-graf08 · 20 W graf05 · "
                         "21-28 graf05b graf05c graf06b graf06c graf07b graf07c graf08b graf08c"),
    .delays = DelayTable(1000).After({0}, 4000).After({1}, 2000).After({6}, 6000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVprosta::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceVprosta>("TfrmFceVprosta", &frmFceVprosta);
  return cls;
}
