#include "lessons/unit_frmFceElemGonCotg.h"

#include "lessons/goniometric_page.h"

TfrmFceElemGonCotg* frmFceElemGonCotg = nullptr;

const TFormClass& TfrmFceElemGonCotg::FormClass() {
  static const TFormClass cls =
      GoniometricFormClass<TfrmFceElemGonCotg>("TfrmFceElemGonCotg", &frmFceElemGonCotg);
  return cls;
}
