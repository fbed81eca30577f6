#include "lessons/unit_frmFceElemLog.h"

TfrmFceElemLog* frmFceElemLog = nullptr;

const TFormClass& TfrmFceElemLog::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemLog>("TfrmFceElemLog", "frmFceElemLog", &frmFceElemLog);
  return cls;
}
