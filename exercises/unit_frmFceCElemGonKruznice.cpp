#include "exercises/unit_frmFceCElemGonKruznice.h"

TfrmFceCElemGonKruznice* frmFceCElemGonKruznice = nullptr;

namespace {

// A worked example's five steps: the instruction with the plain circle, the angle with what the
// value is read on, the definition, the value with the question, the signs. Item b) first brings
// its angle to the basic size, so its pieces are numbered one further from step 2 on.
ExerciseHandler CircleHint(const std::string& x) {
  const std::string n = "nap3" + x;
  if (x == "b")
    return Stepped("btn3bClick", {{{n + "2", n}},
                                  {{n + "1", n + "3"}},
                                  {{n + "4"}},
                                  {{n + "5", n + "6"}},
                                  {{n + "7", n + "8"}}});
  return Stepped(
      "btn3" + x + "Click",
      {{{n + "1", n}}, {{n + "2"}}, {{n + "3"}}, {{n + "4", n + "5"}}, {{n + "6", n + "7"}}});
}

ExerciseTables& PageTables() {
  // Slot 11 is shared with the goniometry revision page.
  static ExerciseTables tables(
      {"img/BIG/Egoniom_Kruznice/", 11},
      Join({
          {
              Hint("btn30Click", {"nap30"}),
              Hint("btn30bClick", {"nap30b"}),
              CircleHint("a"),
              CircleHint("b"),
              CircleHint("c"),
              CircleHint("d"),
              Result("btn3drClick", {"res3d1"}),
              Result("btn3brClick", {"res3b2"}),
              Result("btn3crClick", {"res3c1"}),
              Result("btn3arClick", {"res3a1"}),
              Enlarge("nap3b3Click", "p1b1"),
              Enlarge("nap3b5Click", "p1b2"),
              Enlarge("nap3b8Click", "p1b3"),
          },
          // The circles of steps 2, 4 and 5; the plain circles of step 1 are bound to the
          // handler of item a)'s last circle (letter d) and open its picture.
          Items("acd",
                [](std::string x) { return Enlarge("nap3" + x + "2Click", "p1" + x + "1"); }),
          Items("acd",
                [](std::string x) { return Enlarge("nap3" + x + "4Click", "p1" + x + "2"); }),
          Items("acd",
                [](std::string x) { return Enlarge("nap3" + x + "7Click", "p1" + x + "3"); }),
          Items("abcdefghij",
                [](std::string x) {
                  return Result("btnu3" + x + "Click", {"resu3" + x, "resu3" + x + "2"});
                }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("resu3" + x + "Click", "u1" + x + "r"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemGonKruznice::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemGonKruznice::FormClass() {
  static const TFormClass cls =
      Tables().FormClass("TfrmFceCElemGonKruznice", &frmFceCElemGonKruznice);
  return cls;
}
