#include "exercises/unit_frmFceCElemGonSin.h"

#include "exercises/gon_exercises.h"

TfrmFceCElemGonSin* frmFceCElemGonSin = nullptr;

ExerciseTables& TfrmFceCElemGonSin::Tables() {
  static ExerciseTables tables = GonTables({
      .folder = "img/BIG/Egoniom_sin/",
      .slot = 12,
      .nap1d = "nap1d",
      .hint2c = GonStepsOneTwo("c"),
      .hint2d = GonStepsTwoTwo("d"),
      .result2c = {"res2c1", "res2c2"},
      .result2d = {"res2d1", "res2d3"},
  });
  return tables;
}

const TFormClass& TfrmFceCElemGonSin::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemGonSin", &frmFceCElemGonSin);
  return cls;
}
