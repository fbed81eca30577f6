#include "exercises/unit_frmFceCVomezenost.h"

#include "exercises/graph_items.h"

TfrmFceCVomezenost* frmFceCVomezenost = nullptr;

ExerciseTables& TfrmFceCVomezenost::Tables() {
  static ExerciseTables tables({"img/BIG/Vomezenost/"},
                               Join({TaskGraphs(), Pencils({"1", "2"}), AnswerGraphs("r")}));
  return tables;
}

const TFormClass& TfrmFceCVomezenost::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVomezenost", &frmFceCVomezenost);
  return cls;
}
