#include "lessons/unit_frmFceElemGonCotg.h"

TfrmFceElemGonCotg* frmFceElemGonCotg = nullptr;

const TFormClass& TfrmFceElemGonCotg::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceElemGonCotg>(
      "TfrmFceElemGonCotg", "frmFceElemGonCotg", &frmFceElemGonCotg);
  return cls;
}
