#include "exercises/unit_frmFceCElemGonCotg.h"

#include "exercises/gon_exercises.h"

TfrmFceCElemGonCotg* frmFceCElemGonCotg = nullptr;

ExerciseTables& TfrmFceCElemGonCotg::Tables() {
  static ExerciseTables tables = GonTables({
      .folder = "img/BIG/Egoniom_cotg/",
      .slot = 15,
      .nap1d = "nap1d1",
      .hint2c = GonStepsTwoTwo("c"),
      .hint2d = GonStepsOneTwo("d"),
      .result2c = {"res2c1", "res2c3"},
      .result2d = {"res2d1", "res2d2"},
  });
  return tables;
}

const TFormClass& TfrmFceCElemGonCotg::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemGonCotg", &frmFceCElemGonCotg);
  return cls;
}
