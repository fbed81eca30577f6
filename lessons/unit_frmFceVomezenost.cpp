#include "lessons/unit_frmFceVomezenost.h"

#include "lessons/stepped_page.h"

TfrmFceVomezenost* frmFceVomezenost = nullptr;

namespace {

// The definition, the example's graphs with their bounds (b) and answers (c) after the two
// notes, the exercise's graphs; step 21 repeats graf05 and waits for the solution.
SteppedPage<> page({
    .script = StepScript(30,
                         "0 def01 text01_img · 1 pr01 text02 · 2-5 graf01-graf04 · 6 text03 · "
                         "7 text04 · 8-15 graf01b graf01c graf02b graf02c graf03b graf03c "
                         "graf04b graf04c · 16 text05 · 17-20 graf05-graf08 · 21 W graf05 · "
                         "22-29 graf05b graf05c graf06b graf06c graf07b graf07c graf08b graf08c"),
    // Time to read the definition, the task and the two notes.
    .delays = DelayTable(1000).After({0, 6, 7}, 4000).After({1}, 2000),
    .solutionButton = "btnRes",
});

}  // namespace

const TFormClass& TfrmFceVomezenost::FormClass() {
  static const TFormClass cls =
      page.FormClass<TfrmFceVomezenost>("TfrmFceVomezenost", &frmFceVomezenost);
  return cls;
}
