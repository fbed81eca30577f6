#include "exercises/unit_frmFceCElemGonOpak.h"

TfrmFceCElemGonOpak* frmFceCElemGonOpak = nullptr;

namespace {

const char* const kItems = "abcdefghij";

// The pencils of task 2's exercise, items a) to j): down the left column, up the right one.
const int kTask2Pencils[] = {12, 13, 14, 15, 16, 21, 20, 19, 18, 17};

// A worked equation: the value marked on the circle, then the angles that have it (their
// circle replaces the first one, which is hidden), then the period added.
ExerciseHandler EquationHint(const std::string& x) {
  const std::string n = "nap4" + x;
  return Stepped("btn4" + x + "Click",
                 {{{n + "1", n + "1b"}}, {{n + "2", n + "2b"}, {n + "1b"}}, {{n + "3"}}});
}

std::vector<ExerciseHandler> Task2Pencils() {
  std::vector<ExerciseHandler> out;
  for (int i = 0; i < 10; ++i) {
    const std::string x(1, kItems[i]);
    out.push_back(Result("SpeedButton" + std::to_string(kTask2Pencils[i]) + "Click",
                         {"resu4" + x + "1", "resu4" + x + "2", "resu4" + x + "3"}));
  }
  return out;
}

ExerciseTables& PageTables() {
  // Slot 11 is shared with the unit circle page.
  static ExerciseTables tables(
      {"img/BIG/Egoniom_Opak/", 11},
      Join({
          Items(kItems,
                [](std::string x) {
                  return Result("btnu3" + x + "Click", {"resu3" + x, "resu3" + x + "2"});
                }),
          Items(kItems,
                [](std::string x) { return Enlarge("resu3" + x + "Click", "u1" + x + "r"); }),
          {
              Hint("btn40Click", {"nap40"}),
              EquationHint("a"),
              EquationHint("b"),
              Result("btn4arClick", {"res4a1", "res4a2"}),
              Result("btn4brClick", {"res4b1", "res4b2"}),
              Enlarge("nap4a1bClick", "p2a1"),
              Enlarge("nap4a2bClick", "p2a"),
              Enlarge("nap4b1bClick", "p2b1"),
              Enlarge("nap4b2bClick", "p2b"),
          },
          Task2Pencils(),
          Items(kItems,
                [](std::string x) { return Enlarge("resu4" + x + "3Click", "u2" + x + "r"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemGonOpak::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemGonOpak::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemGonOpak", &frmFceCElemGonOpak);
  return cls;
}
