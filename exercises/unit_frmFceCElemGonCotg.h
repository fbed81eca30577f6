// The exercise page 4.7  Goniometrické funkce — kotangens.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonCotg : public TForm {
 public:
  explicit TfrmFceCElemGonCotg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonCotg* frmFceCElemGonCotg;
