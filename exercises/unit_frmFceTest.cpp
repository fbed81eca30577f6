#include "exercises/unit_frmFceTest.h"

TfrmFceTest* frmFceTest = nullptr;

const TFormClass& TfrmFceTest::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceTest>("TfrmFceTest", "frmFceTest", &frmFceTest);
  return cls;
}
