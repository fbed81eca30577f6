// The theory page 5. Graf libovolné funkce: the student types y = f(x) or builds it with the
// insertion buttons, draws it, pans and zooms the view.
#pragma once

#include <string>

#include "platform/buttons.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class Tgraf;

class TfrmFceSlozene : public TForm {
 public:
  explicit TfrmFceSlozene(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  // OnShow: disables the view buttons, creates the graph object and the 200 ms view timer.
  void Akce(TObject* Sender);
  // "zobraz" and the view buttons: remember the button; its action runs at the next tick.
  void Proved(TObject* Sender);
  // The view timer: acts on the remembered button once, then draws the text of funkce.
  void Aktualizace(TObject* Sender);
  // The insertion buttons: put the button's template around the selection of funkce.
  void Vloz(TObject* Sender);
  // "vymaž": empties funkce, stops the timer and shows the empty grid in the start view.
  void Vymaz(TObject* Sender);
  // Draws `text` over a fresh grid; a text that does not parse is answered with a message and
  // resets the view.
  void VykresliGraf(const std::string& text);

  TField<TEdit> funkce{this, "funkce"};
  TField<TImage> grafImg{this, "grafImg"};
  TField<TLabel> postfix{this, "postfix"};
  TField<TBitBtn> btnZobraz{this, "btnZobraz"};
  TField<TBitBtn> btnVymaz{this, "btnVymaz"};
  TField<TBitBtn> btnUp{this, "btnUp"};
  TField<TBitBtn> btnDown{this, "btnDown"};
  TField<TBitBtn> btnLeft{this, "btnLeft"};
  TField<TBitBtn> btnRight{this, "btnRight"};
  TField<TBitBtn> btnPlus{this, "btnPlus"};
  TField<TBitBtn> btnMinus{this, "btnMinus"};
};

extern TfrmFceSlozene* frmFceSlozene;

// The graph object (the current view) of the open page, or null before it was first shown and
// after it closed.
const Tgraf* SlozeneGraf();
