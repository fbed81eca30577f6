#include "exercises/unit_frmFceCElemGonTg.h"

#include "exercises/gon_exercises.h"

TfrmFceCElemGonTg* frmFceCElemGonTg = nullptr;

ExerciseTables& TfrmFceCElemGonTg::Tables() {
  static ExerciseTables tables = GonTables({
      .folder = "img/BIG/Egoniom_tg/",
      .slot = 14,
      .nap1d = "nap1d1",
      .hint2c = GonStepsOneTwo("c"),
      .hint2d = GonStepsTwoTwo("d"),
      .result2c = {"res2c1", "res2c2"},
      .result2d = {"res2d1", "res2d3"},
  });
  return tables;
}

const TFormClass& TfrmFceCElemGonTg::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemGonTg", &frmFceCElemGonTg);
  return cls;
}
