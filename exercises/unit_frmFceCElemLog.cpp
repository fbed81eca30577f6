#include "exercises/unit_frmFceCElemLog.h"

TfrmFceCElemLog* frmFceCElemLog = nullptr;

const TFormClass& TfrmFceCElemLog::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemLog>("TfrmFceCElemLog", "frmFceCElemLog", &frmFceCElemLog);
  return cls;
}
