#include "lessons/unit_frmFceVHf.h"

#include "lessons/stepped_page.h"

TfrmFceVHf* frmFceVHf = nullptr;

namespace {

// The definition, the example's four graphs with the projection and the written range, the
// exercise's four graphs; step 20 repeats graf05 and waits for the solution.
SteppedPage<> page({
    .script = StepScript(29,
                         "0 def01 text01_img · 1 pr01 text02 · 2-5 graf01-graf04 · 6 text03 · "
                         "7-10 graf01_hf1-graf04_hf1 · 11-14 graf01_hf2-graf04_hf2 · 15 text05 · "
                         "16-19 graf05-graf08 · 20 W graf05 · "
                         "21-28 graf05_hf1 graf05_hf2 graf06_hf1 graf06_hf2 graf07_hf1 "
                         "graf07_hf2 graf08_hf1 graf08_hf2"),
    // Time to read the definition, the task, the explanation and the last answer.
    .delays = DelayTable(1000).After({0, 1, 6, 14}, 3000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVHf::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceVHf>("TfrmFceVHf", &frmFceVHf);
  return cls;
}
