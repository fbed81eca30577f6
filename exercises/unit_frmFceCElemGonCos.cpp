#include "exercises/unit_frmFceCElemGonCos.h"

#include "exercises/gon_exercises.h"

TfrmFceCElemGonCos* frmFceCElemGonCos = nullptr;

ExerciseTables& TfrmFceCElemGonCos::Tables() {
  static ExerciseTables tables = GonTables({
      .folder = "img/BIG/Egoniom_cos/",
      .slot = 13,
      .nap1d = "nap1d1",
      .hint2c = GonStepsTwoTwo("c"),
      .hint2d = GonStepsOneTwo("d"),
      .result2c = {"res2c1", "res2c3"},
      .result2d = {"res2d1", "res2d2"},
  });
  return tables;
}

const TFormClass& TfrmFceCElemGonCos::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemGonCos", &frmFceCElemGonCos);
  return cls;
}
