#include "lessons/unit_frmFceVextremy.h"

#include "lessons/stepped_page.h"

TfrmFceVextremy* frmFceVextremy = nullptr;

namespace {

// The definition, the example's graphs with their maxima (b), minima (c) and local extremes
// (d), the exercise's graphs; step 23 repeats graf05 and waits for the solution.
SteppedPage<> page({
    .script = StepScript(34,
                         "0 def01 text01_img · 1 pr01 text02 · 2-5 graf01-graf04 · 6 text03 · "
                         "7-9 graf01b-graf01d · 10-12 graf02b-graf02d · 13-15 graf03b-graf03d · "
                         "16-17 graf04b-graf04c · 18 text04 · 19-22 graf05-graf08 · "
                         "23 W graf05 · 24-26 graf05b-graf05d · 27-28 graf06b-graf06c · "
                         "29-30 graf07b-graf07c · 31-33 graf08b-graf08d"),
    // Time to read the definition and the explanation.
    .delays = DelayTable(1000).After({0, 6}, 6000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVextremy::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceVextremy>("TfrmFceVextremy", &frmFceVextremy);
  return cls;
}
