// The theory page 1.1  Co je to funkce?: on sheet 1 a message enciphered into numbers by a
// function and read back by the inverse function, on sheet 2 graphs of measurements.
#pragma once

#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceUvod : public TForm {
 public:
  explicit TfrmFceUvod(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TSpeedButton> btnListZpet{this, "btnListZpet"};
  TField<TSpeedButton> btnListDalsi{this, "btnListDalsi"};
};

extern TfrmFceUvod* frmFceUvod;
