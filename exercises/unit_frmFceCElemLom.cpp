#include "exercises/unit_frmFceCElemLom.h"

TfrmFceCElemLom* frmFceCElemLom = nullptr;

namespace {

// Task 1's stepped hint: the two asymptotes, the monotonicity, then the memo with the computed
// point beside it in one step, and last the sketch.
ExerciseHandler AsymptoteHint(const std::string& x) {
  const std::string n = "nap1" + x;
  return Stepped("btn1" + x + "Click",
                 {{{n + "1"}}, {{n + "2"}}, {{n + "3"}}, {{n + "4", n + "5"}}, {{n + "6"}}});
}

// Task 3's stepped hint. The third piece lies above the taller fourth in the layout, so it keeps
// covering the fourth's upper part.
ExerciseHandler IntersectionHint(const std::string& x) {
  const std::string n = "nap3" + x;
  return Stepped("btn3" + x + "Click", {{{n + "1"}}, {{n + "2a"}}, {{n + "3b"}}, {{n + "4"}}});
}

ExerciseTables& PageTables() {
  // The three exercise tabs show the same ten functions: item x's thumbnail on tabs 1 and 5 and
  // its task graph on tab 3 all open the one enlarged graph x + "2".
  static const char* const kTask2Graphs[] = {"u2a",     "Image4",  "Image12", "Image13", "Image38",
                                             "Image53", "Image52", "Image42", "Image41", "Image40"};
  static ExerciseTables tables(
      {"img/BIG/Elomena/", 6},
      Join({
          {
              Hint("btn10Click", {"nap10"}),
              Hint("btn20Click", {"nap20"}),
              Hint("SpeedButton14Click", {"nap30"}),
              AsymptoteHint("a"),
              AsymptoteHint("b"),
              Enlarge("nap1a6Click", "p1an"),
              Enlarge("nap1b6Click", "p1bn"),
              Result("btn1arClick", {"res1a1", "res1a2"}),
              Result("btn1brClick", {"res1b1", "res1b2"}),
              Enlarge("res1a1Click", "p1a"),
              Enlarge("res1b1Click", "p1b"),
              Hint("btn2aClick", {"nap2a"}),
              Hint("btn2bClick", {"nap2b"}),
              Result("btn2arClick", {"res2a"}),
              Result("btn2brClick", {"res2b"}),
              Enlarge("Image15Click", "p2a"),
              Enlarge("Image37Click", "p2b"),
              IntersectionHint("a"),
              IntersectionHint("b"),
              Result("btn3arClick", {"res3a"}),
              Result("btn3brClick", {"res3b"}),
          },
          Items("abcdefghij",
                [](std::string x) {
                  return Result("btnu1" + x + "Click", {"resu1" + x + "1", "resu1" + x + "2"});
                }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("resu1" + x + "1Click", x + "2"); }),
          Items("abcdefghij",
                [](std::string x) {
                  return Enlarge(std::string(kTask2Graphs[x[0] - 'a']) + "Click", x + "2");
                }),
          Items("abcdefghij",
                [](std::string x) { return Result("btnu2" + x + "Click", {"resu2" + x}); }),
          Items("abcdefghij",
                [](std::string x) {
                  return Result("btnu3" + x + "Click", {"resu3" + x + "1", "resu3" + x + "2"});
                }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("resu3" + x + "2Click", x + "2"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemLom::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemLom::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemLom", &frmFceCElemLom);
  return cls;
}
