#include "exercises/unit_frmFceCElemCyklom.h"

TfrmFceCElemCyklom* frmFceCElemCyklom = nullptr;

namespace {

const char* const kItems = "abcdefghij";

// The pencils of the exercise tabs of tasks 2 and 3, items a) to j). Both runs of names fall in
// SpeedButton10 ... SpeedButton29, but no name serves twice: task 3's right column counts up
// from the bottom, task 2 takes the numbers around it.
const int kTask2Pencils[] = {10, 11, 22, 23, 24, 25, 26, 27, 28, 29};
const int kTask3Pencils[] = {12, 13, 14, 15, 16, 21, 20, 19, 18, 17};

// Task 2's items with the corrected statement or the reason under the verdict.
const std::string kWithReason = "adegij";

std::vector<ExerciseHandler> Pencils() {
  std::vector<ExerciseHandler> out;
  for (int i = 0; i < 10; ++i) {
    const std::string x(1, kItems[i]);
    std::vector<std::string> verdict = {"resu2" + x + "1"};
    if (kWithReason.find(x) != std::string::npos) verdict.push_back("resu2" + x + "2");
    out.push_back(Result("SpeedButton" + std::to_string(kTask2Pencils[i]) + "Click", verdict));
    out.push_back(Result("SpeedButton" + std::to_string(kTask3Pencils[i]) + "Click",
                         {"resu3" + x + "1", "resu3" + x + "2"}));
  }
  return out;
}

// Task 3's worked hint: the equation to solve as in the revision of goniometry, the range of the
// function, the angle found on the circle.
ExerciseHandler CircleHint(const std::string& x) {
  const std::string n = "nap3" + x;
  return Stepped("btn3" + x + "Click", {{{n + "1", n + "2", n + "3"}}, {{n + "4"}}, {{n + "5"}}});
}

ExerciseTables& PageTables() {
  static ExerciseTables tables(
      {"img/BIG/Ecyklom/", 16},
      Join({
          {
              Hint("btn10Click", {"nap10"}),
              Hint("btn20Click", {"nap20"}),
              Hint("btn30Click", {"nap30"}),
              Hint("btn1aClick", {"nap1a"}),
              Hint("btn1bClick", {"nap1b"}),
              Result("btn1arClick", {"res1a"}),
              Result("btn1brClick", {"res1b"}),
              Stepped("btn2aClick", {{{"nap2a1"}}, {{"nap2a2", "nap2a3"}}}),
              Stepped("btn2bClick", {{{"nap2b1", "nap2b2", "nap2b3"}},
                                     {{"nap2b4"}},
                                     {{"nap2b5", "nap2b6"}},
                                     {{"nap2b7"}}}),
              Result("btn2arClick", {"res2a"}),
              Result("btn2brClick", {"res2b"}),
              CircleHint("a"),
              CircleHint("b"),
              Result("btn3arClick", {"res3a1", "res3a2"}),
              Result("btn3brClick", {"res3b1", "res3b2"}),
              Enlarge("res3a2Click", "p3a"),
              Enlarge("res3b2Click", "p3b"),
          },
          Items(kItems, [](std::string x) { return Result("btnu1" + x + "Click", {"resu1" + x}); }),
          Pencils(),
          Items(kItems,
                [](std::string x) { return Enlarge("resu3" + x + "2Click", "u3" + x + "r"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemCyklom::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemCyklom::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemCyklom", &frmFceCElemCyklom);
  return cls;
}
