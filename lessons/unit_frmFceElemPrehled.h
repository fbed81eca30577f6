// The theory page 4.11  Přehled elementárních funkcí: small graphs of the elementary functions
// family by family, built group by group into one table.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemPrehled : public TForm {
 public:
  explicit TfrmFceElemPrehled(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemPrehled* frmFceElemPrehled;
