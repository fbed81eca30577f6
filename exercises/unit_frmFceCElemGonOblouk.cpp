#include "exercises/unit_frmFceCElemGonOblouk.h"

TfrmFceCElemGonOblouk* frmFceCElemGonOblouk = nullptr;

namespace {

const char* const kItems = "abcdefghij";

ExerciseTables& PageTables() {
  // The page enlarges nothing, so it has no magnifier folder; picking a tab still hides the
  // magnifier that another page left open.
  static ExerciseTables tables(
      {"", 10},
      Join({
          {
              Hint("btn10Click", {"nap10"}),
              Hint("btn20Click", {"nap20"}),
          },
          // Task 1, worked: 180° against π, the rule of three, the decimal value in rad. Each
          // step's picture covers the one before.
          Items("ab",
                [](std::string x) {
                  const std::string n = "nap1" + x;
                  return Stepped("btn1" + x + "Click",
                                 {{{n + "1"}}, {{n + "2a", n + "2b"}}, {{n + "3a", n + "3b"}}});
                }),
          Items("ab", [](std::string x) { return Result("btn1" + x + "rClick", {"res1" + x}); }),
          Items(kItems, [](std::string x) { return Result("btnu1" + x + "Click", {"resu1" + x}); }),
          // Task 2: hint and result over the item's picture, the result above the hint.
          Items("ab", [](std::string x) { return Hint("btn2" + x + "Click", {"nap2" + x}); }),
          Items("ab", [](std::string x) { return Result("btn2" + x + "rClick", {"res2" + x}); }),
          Items(kItems, [](std::string x) { return Result("btnu2" + x + "Click", {"resu2" + x}); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemGonOblouk::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemGonOblouk::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemGonOblouk", &frmFceCElemGonOblouk);
  return cls;
}
