#include "exercises/gon_exercises.h"

namespace {
const char* const kItems = "abcdefghij";
}

std::vector<HintStepPieces> GonStepsOneTwo(const std::string& x) {
  return {{{"nap2" + x + "1"}}, {{"nap2" + x + "2", "nap2" + x + "3"}}};
}

std::vector<HintStepPieces> GonStepsTwoTwo(const std::string& x) {
  return {{{"nap2" + x + "1", "nap2" + x + "2"}}, {{"nap2" + x + "3", "nap2" + x + "4"}}};
}

ExerciseTables GonTables(const GonPage& page) {
  return ExerciseTables(
      {page.folder, page.slot},
      Join({
          // Task 1: the table and the circle are filled by the pencil beside them; the
          // disabled '?' of items a) and b) are bound to it too.
          {
              Hint("btn10Click", {"nap10"}),
              Result("btn1aClick", {"tab2", "kruz2"}),
              Result("btn1arClick", {"res1a"}),
              Result("btn1brClick", {"res1b"}),
              Hint("btn1cClick", {"nap1c", "nap1c2"}),
              Result("btn1crClick", {"res1c"}),
              Hint("btn1dClick", {page.nap1d, "nap1d2"}),
              Result("btn1drClick", {"res1d"}),
          },
          Items(kItems, [](std::string x) { return Result("btnu1" + x + "Click", {"resu1" + x}); }),
          // Task 2: a table of values, a sentence on it and the graph, then the period.
          {
              Hint("btn20Click", {"nap20"}),
              Hint("btn20bClick", {"nap20b"}),
              Stepped("btn2aClick", GonStepsOneTwo("a")),
              Stepped("btn2bClick", GonStepsOneTwo("b")),
              Stepped("btn2cClick", page.hint2c),
              Stepped("btn2dClick", page.hint2d),
              Result("btn2arClick", {"res2a1", "res2a2"}),
              Result("btn2brClick", {"res2b1", "res2b2"}),
              Result("btn2crClick", page.result2c),
              Result("btn2drClick", page.result2d),
          },
          Items("abcd", [](std::string x) { return Enlarge("nap2" + x + "3Click", "p2" + x); }),
          Items(kItems, [](std::string x) { return Result("btnu2" + x + "Click", {"resu2" + x}); }),
          // Task 3: the table of values, then the graph built from the basic one.
          {
              Hint("btn30Click", {"nap30"}),
              Stepped("btn3aClick", {{{"nap3a1"}}, {{"nap3a2"}}}),
              Stepped("btn3bClick", {{{"nap3b1"}}, {{"nap3b2"}}, {{"nap3b3"}}}),
              Result("btn3arClick", {"res3a"}),
              Result("btn3brClick", {"res3b"}),
              Enlarge("res3aClick", "p3ar"),
              Enlarge("res3bClick", "p3br"),
          },
          Items(kItems, [](std::string x) { return Result("btnu3" + x + "Click", {"resu3" + x}); }),
          Items(kItems,
                [](std::string x) { return Enlarge("resu3" + x + "Click", "u3" + x + "r"); }),
      }));
}
