#include "exercises/unit_frmFceCVprosta.h"

#include "exercises/graph_items.h"

TfrmFceCVprosta* frmFceCVprosta = nullptr;

ExerciseTables& TfrmFceCVprosta::Tables() {
  static ExerciseTables tables({"img/BIG/Vprosta/"},
                               Join({TaskGraphs(), Pencils({"1", "2"}), AnswerGraphs("r")}));
  return tables;
}

const TFormClass& TfrmFceCVprosta::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVprosta", &frmFceCVprosta);
  return cls;
}
