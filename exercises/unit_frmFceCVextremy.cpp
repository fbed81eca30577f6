#include "exercises/unit_frmFceCVextremy.h"

#include "exercises/graph_items.h"

TfrmFceCVextremy* frmFceCVextremy = nullptr;

ExerciseTables& TfrmFceCVextremy::Tables() {
  static ExerciseTables tables({"img/BIG/Vextremy/"}, Join({TaskGraphs(), Pencils({"2"})}));
  return tables;
}

const TFormClass& TfrmFceCVextremy::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVextremy", &frmFceCVextremy);
  return cls;
}
