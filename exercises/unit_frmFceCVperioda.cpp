#include "exercises/unit_frmFceCVperioda.h"

TfrmFceCVperioda* frmFceCVperioda = nullptr;

namespace {

// The items of the exercise whose cut-out is periodic: their pencils lay the marked cut-out
// over the task's; the others only answer "ne".
bool Periodic(const std::string& x) {
  return x != "b" && x != "d" && x != "i";
}

ExerciseTables& PageTables() {
  static ExerciseTables tables(
      {"img/BIG/Vperioda/", 2},
      Join({
          // The worked examples: each hint step lays a marked cut-out over the one before.
          {Hint("btn10Click", {"nap10"}),
           Stepped("btn1aClick", {{{"nap1a1"}}, {{"nap1a2"}}, {{"nap1a3"}}}),
           Stepped("btn1bClick", {{{"nap1b1", "nap1b2"}}, {{"nap1b3", "nap1b4"}}}),
           Result("btn1arClick", {"res1a"}), Result("btn1brClick", {"res1b"}),
           Enlarge("Image14Click", "p1a"), Enlarge("nap1a2Click", "p1ar"),
           Enlarge("Image37Click", "p1b"), Enlarge("nap1b2Click", "p1b2"),
           Enlarge("nap1b4Click", "p1br")},
          // The exercise. Item b)'s task cut-out is named resu1b1.
          Items("abcdefghij",
                [](const std::string& x) {
                  if (!Periodic(x)) return Result("btnu1" + x + "Click", {"resu1" + x});
                  return Result("btnu1" + x + "Click", {"resu1" + x + "1", "resu1" + x + "2"});
                }),
          {Enlarge("Image1Click", "u1a"), Enlarge("resu1b1Click", "u1b"),
           Enlarge("Image3Click", "u1c"), Enlarge("Image5Click", "u1d"),
           Enlarge("Image4Click", "u1e"), Enlarge("Image6Click", "u1f"),
           Enlarge("Image7Click", "u1g"), Enlarge("Image8Click", "u1h"),
           Enlarge("Image9Click", "u1i"), Enlarge("Image10Click", "u1j")},
          Items(
              "acefghj",
              [](const std::string& x) { return Enlarge("resu1" + x + "1Click", "u1" + x + "r"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCVperioda::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCVperioda::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVperioda", &frmFceCVperioda);
  return cls;
}
