// The theory page 4.7  Goniometrické funkce — kotangens: the function introduced by the unit
// circle, then its live graph (lessons/goniometric_page.h).
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonCotg : public TForm {
 public:
  explicit TfrmFceElemGonCotg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonCotg* frmFceElemGonCotg;
