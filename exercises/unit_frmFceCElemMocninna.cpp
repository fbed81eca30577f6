#include "exercises/unit_frmFceCElemMocninna.h"

TfrmFceCElemMocninna* frmFceCElemMocninna = nullptr;

namespace {

ExerciseTables& PageTables() {
  // The right column's functions have negative exponents, and their enlarged graphs are the
  // ones named with "_as" (they carry the asymptotes).
  static ExerciseTables tables(
      {"img/BIG/Emocninna/", 7},
      Join({
          {
              Hint("btn10Click", {"nap10"}),
              Stepped("btn1aClick", {{{"nap1a1b"}}, {{"nap1a2"}}}),
              Stepped("btn1bClick", {{{"nap1b1b"}}, {{"nap1b2"}}}),
              Result("btn1arClick", {"res1a1", "res1a2"}),
              Result("btn1brClick", {"res1b1", "res1b2"}),
              Enlarge("res1a1Click", "p1a"),
              Enlarge("res1b1Click", "p1b"),
          },
          Items("abcdefghij",
                [](std::string x) {
                  return Result("btnu1" + x + "Click", {"resu1" + x + "1", "resu1" + x + "2"});
                }),
          Items("abcde",
                [](std::string x) { return Enlarge("resu1" + x + "1Click", "u1" + x + "r"); }),
          Items("fghij",
                [](std::string x) { return Enlarge("resu1" + x + "1Click", "u1" + x + "r_as"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemMocninna::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemMocninna::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemMocninna", &frmFceCElemMocninna);
  return cls;
}
