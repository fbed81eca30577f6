#include "exercises/unit_frmFceCElemGonCotg.h"

TfrmFceCElemGonCotg* frmFceCElemGonCotg = nullptr;

const TFormClass& TfrmFceCElemGonCotg::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemGonCotg>(
      "TfrmFceCElemGonCotg", "frmFceCElemGonCotg", &frmFceCElemGonCotg);
  return cls;
}
