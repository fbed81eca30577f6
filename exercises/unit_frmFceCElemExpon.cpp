#include "exercises/unit_frmFceCElemExpon.h"

TfrmFceCElemExpon* frmFceCElemExpon = nullptr;

std::vector<ExerciseHandler> ExpLogHandlers(const ExpLogMember& m) {
  // The task graphs of the exercise of task 3, items a) to j).
  static const char* const kTask3Graphs[] = {"u2a",     "Image4",  "Image12", "Image13", "Image38",
                                             "Image53", "Image52", "Image42", "Image41", "Image40"};
  return Join({
      {
          Hint("btn10Click", {"nap10"}),
          Hint("btn20Click", {"nap20"}),
          Hint("SpeedButton14Click", {"nap30"}),
          Stepped("btn1aClick", {{{m.hint1a[0]}}, {{m.hint1a[1]}}}),
          Stepped("btn1bClick", {{{m.hint1b[0]}}, {{m.hint1b[1]}}}),
          Result("btn1arClick", {"res1a"}),
          Result("btn1brClick", {"res1b"}),
          Enlarge("res1aClick", "p1a"),
          Enlarge("res1bClick", "p1b"),
          Stepped("btn2aClick", {{{"nap2a1"}}, {{"nap2a2"}}, {{"nap2a3"}}}),
          // The third step's table lies over the first one and repeats it with one row more.
          Stepped("btn2bClick", {{{"nap2b1"}}, {{"nap2b2"}}, {{"nap2b2a"}}, {{"nap2b3"}}}),
          Enlarge("nap2a3Click", "p2an"),
          Enlarge("nap2b3Click", "p2bn"),
          Result("btn2arClick", {"res2a1", "res2a2"}),
          Result("btn2brClick", {"res2b1", "res2b2"}),
          Enlarge("res2a1Click", "p2a" + m.resultSuffix2),
          Enlarge("res2b1Click", "p2b" + m.resultSuffix2),
          Hint("btn3aClick", {"nap3a"}),
          Hint("btn3bClick", {"nap3b"}),
          Result("btn3arClick", {"res3a"}),
          Result("btn3brClick", {"res3b"}),
          Enlarge("Image15Click", "p3a"),
          Enlarge("Image37Click", "p3b"),
      },
      Items("abcdefghij",
            [](std::string x) {
              return Result("btnu1" + x + "Click", {"resu1" + x + "1", "resu1" + x + "2"});
            }),
      Items("abcdefghij",
            [](std::string x) { return Enlarge("resu1" + x + "1Click", "u1" + x + "r"); }),
      Items("abcdefghij",
            [](std::string x) { return Result("btnu2" + x + "Click", {"resu2" + x}); }),
      Items("abcdefghij",
            [](std::string x) { return Enlarge("resu2" + x + "Click", "u2" + x + "r"); }),
      Items("abcdefghij",
            [&m](std::string x) {
              return Enlarge(std::string(kTask3Graphs[x[0] - 'a']) + "Click",
                             "u3" + x + m.graphSuffix3);
            }),
      Items("abcdefghij",
            [](std::string x) { return Result("btnu3" + x + "Click", {"resu3" + x}); }),
  });
}

ExerciseTables& TfrmFceCElemExpon::Tables() {
  static ExerciseTables tables(
      {"img/BIG/Eexpon/", 8},
      ExpLogHandlers({{"nap1a1", "nap1a2a"}, {"nap1b1", "nap1b2a"}, "", ""}));
  return tables;
}

const TFormClass& TfrmFceCElemExpon::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemExpon", &frmFceCElemExpon);
  return cls;
}
