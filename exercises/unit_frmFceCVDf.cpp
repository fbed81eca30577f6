#include "exercises/unit_frmFceCVDf.h"

#include "exercises/graph_items.h"

TfrmFceCVDf* frmFceCVDf = nullptr;

ExerciseTables& TfrmFceCVDf::Tables() {
  static ExerciseTables tables({"img/BIG/VDfHf/"},
                               Join({TaskGraphs(), Pencils({"1", "2"}), AnswerGraphs("rd")}));
  return tables;
}

const TFormClass& TfrmFceCVDf::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVDf", &frmFceCVDf);
  return cls;
}
