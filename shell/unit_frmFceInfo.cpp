#include "shell/unit_frmFceInfo.h"

TfrmFceInfo* frmFceInfo = nullptr;

const TFormClass& TfrmFceInfo::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceInfo>("TfrmFceInfo", "frmFceInfo", &frmFceInfo).Requires({"Image1"});
  return cls;
}
