#include "exercises/unit_frmFceCVmonotonie.h"

#include "exercises/graph_items.h"

TfrmFceCVmonotonie* frmFceCVmonotonie = nullptr;

ExerciseTables& TfrmFceCVmonotonie::Tables() {
  static ExerciseTables tables({"img/BIG/Vmonotonie/"}, Join({TaskGraphs(), Pencils({"2"})}));
  return tables;
}

const TFormClass& TfrmFceCVmonotonie::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVmonotonie", &frmFceCVmonotonie);
  return cls;
}
