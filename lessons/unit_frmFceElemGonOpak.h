// The theory page 4.7  Goniometrické funkce — opakování: the table of values, the unit circles
// of sine, cosine and tangent and the graphs of sine and tangent on one screen; each press of
// the button highlights another group of angles in all six pictures. No timer.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonOpak : public TForm {
 public:
  explicit TfrmFceElemGonOpak(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonOpak* frmFceElemGonOpak;

// Which change the next press of the button makes, 1 to 8; set anew when the page opens.
extern int RevisionState;
