#include "lessons/unit_frmFceVDf.h"

TfrmFceVDf* frmFceVDf = nullptr;

const TFormClass& TfrmFceVDf::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceVDf>("TfrmFceVDf", "frmFceVDf", &frmFceVDf);
  return cls;
}
