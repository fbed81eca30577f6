#include "exercises/unit_frmFceCElemLog.h"

#include "exercises/unit_frmFceCElemExpon.h"

TfrmFceCElemLog* frmFceCElemLog = nullptr;

ExerciseTables& TfrmFceCElemLog::Tables() {
  static ExerciseTables tables(
      {"img/BIG/Elog/", 9}, ExpLogHandlers({{"nap1a", "nap1a2"}, {"nap1b", "nap1b2"}, "r", "r"}));
  return tables;
}

const TFormClass& TfrmFceCElemLog::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemLog", &frmFceCElemLog);
  return cls;
}
