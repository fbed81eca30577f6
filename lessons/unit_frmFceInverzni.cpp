#include "lessons/unit_frmFceInverzni.h"

#include "lessons/stepped_page.h"

TfrmFceInverzni* frmFceInverzni = nullptr;

namespace {

SteppedPage<> page({
    // The third example has no bare stage: its graph comes as graf03b.
    .script = StepScript(47,
                         "0 def01 text01_img · 1 pr01 text02 · 2 graf01 · 3 graf02 · 4 graf03b · "
                         "5 graf04 · 6 text03 · 7-10 graf01b-graf01e · 11-14 graf02b-graf02e · "
                         "15-18 graf03c-graf03f · 19-24 graf04b-graf04g · 25 text04 · "
                         "26-29 graf05-graf08 · 30 W graf05 · 31-34 graf05b-graf05e · "
                         "35-38 graf06b-graf06e · 39-42 graf07b-graf07e · 43-46 graf08b-graf08e"),
    .delays = DelayTable(1000).After({0, 6}, 4000).After({1}, 2000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceInverzni::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceInverzni>("TfrmFceInverzni", &frmFceInverzni);
  return cls;
}
