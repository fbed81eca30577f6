#include "lessons/unit_frmFceVDf.h"

#include "lessons/stepped_page.h"

TfrmFceVDf* frmFceVDf = nullptr;

namespace {

// The definition, the example's four graphs with the projection and the written domain, the
// exercise's four graphs; step 20 repeats graf05 and waits for the solution, step 29 is the
// last second of the page.
SteppedPage<> page({
    .script = StepScript(30,
                         "0 text01_img · 1 pr01 text02 · 2-5 graf01-graf04 · 6 text03 · "
                         "7-10 graf01_df1-graf04_df1 · 11-14 graf01_df2-graf04_df2 · 15 text05 · "
                         "16-19 graf05-graf08 · 20 W graf05 · "
                         "21-28 graf05_df1 graf05_df2 graf06_df1 graf06_df2 graf07_df1 "
                         "graf07_df2 graf08_df1 graf08_df2"),
    // Time to read the definition, the task, the explanation and the last answer.
    .delays = DelayTable(1000).After({0, 1, 6, 14}, 4000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVDf::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceVDf>("TfrmFceVDf", &frmFceVDf);
  return cls;
}
