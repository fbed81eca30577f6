// The theory page 4.1  Lineární funkce: y = ax + b with live parameters, its graph and its
// monotonicity, injectivity and intersections with the axes.
#pragma once

#include <string>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemLin : public TForm {
 public:
  explicit TfrmFceElemLin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TImage* grafImg = nullptr;
  TMaskEdit* hodnota_A = nullptr;
  TMaskEdit* hodnota_B = nullptr;
  TMaskEdit* pomA = nullptr;
  TMaskEdit* pomB = nullptr;
  TUpDown* sipky_A = nullptr;
  TUpDown* sipky_B = nullptr;
  TLabel* popis_monotonie = nullptr;
  TLabel* popis_prosta = nullptr;
  TStaticText* par01_x = nullptr;
  TStaticText* par02_y = nullptr;

  // OnActivate: the opening work, once per page instance.
  void Akce(TObject* Sender);
  // The page timer: the reveal, then the 10 ms update.
  void zobrazeni(TObject* Sender);
  void aktualizace(TObject* Sender);
  // OnChange of hodnota_A and hodnota_B, and of the hidden tenths edits.
  void Proved(TObject* Sender);
  void pomAChange(TObject* Sender);
  void pomBChange(TObject* Sender);
  // Draws y = ax + b from the values' texts.
  void VykresliGrafLin(const std::string& a, const std::string& b);

 private:
  bool opened_ = false;
};

extern TfrmFceElemLin* frmFceElemLin;
