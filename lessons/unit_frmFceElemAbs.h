// The theory page 4.9  Funkce s absolutní hodnotou: for the form chosen in `typ` and live
// parameters a, b, c, d, six graphs (sine, linear, square, cube, logarithm, power of ten), each
// the function without absolute value in light blue under the chosen one in red, with formulas.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemAbs : public TForm {
 public:
  explicit TfrmFceElemAbs(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TComboBox> typ{this, "typ"};
  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_B{this, "hodnota_B"};
  TField<TMaskEdit> hodnota_C{this, "hodnota_C"};
  TField<TMaskEdit> hodnota_D{this, "hodnota_D"};
  TField<TLabel> fce1{this, "fce1"};
  TField<TLabel> fce2{this, "fce2"};
  TField<TLabel> fce3{this, "fce3"};
  TField<TLabel> fce4{this, "fce4"};
  TField<TLabel> fce5{this, "fce5"};
  TField<TLabel> fce6{this, "fce6"};
  TField<TImage> grafImg1{this, "grafImg1"};
  TField<TImage> grafImg2{this, "grafImg2"};
  TField<TImage> grafImg3{this, "grafImg3"};
  TField<TImage> grafImg4{this, "grafImg4"};
  TField<TImage> grafImg5{this, "grafImg5"};
  TField<TImage> grafImg6{this, "grafImg6"};
};

extern TfrmFceElemAbs* frmFceElemAbs;

// The colour of the curves without absolute value (light blue).
inline constexpr TColor kAbsPlainColour = 0xFF9490;
