// The theory page 4.7  Goniometrické funkce — kotangens.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonCotg : public TForm {
 public:
  explicit TfrmFceElemGonCotg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonCotg* frmFceElemGonCotg;
