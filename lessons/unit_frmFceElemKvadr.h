// The theory page 4.2  Kvadratická funkce: y = ax² + bx + c with live parameters, its graph,
// roots and factored form, vertex and vertex form, extreme and parity.
#pragma once

#include <string>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemKvadr : public TForm {
 public:
  explicit TfrmFceElemKvadr(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TImage* grafImg = nullptr;
  TMaskEdit* hodnota_A = nullptr;
  TMaskEdit* hodnota_B = nullptr;
  TMaskEdit* hodnota_C = nullptr;
  TMaskEdit* pomA = nullptr;
  TMaskEdit* pomB = nullptr;
  TMaskEdit* pomC = nullptr;
  TUpDown* sipky_A = nullptr;
  TUpDown* sipky_B = nullptr;
  TUpDown* sipky_C = nullptr;
  TStaticText* zavorky = nullptr;
  TStaticText* ptext01 = nullptr;
  TStaticText* ptext02 = nullptr;
  TStaticText* ptext03 = nullptr;
  TStaticText* ptext04 = nullptr;
  TStaticText* ptext05 = nullptr;
  TStaticText* par01_x1 = nullptr;
  TStaticText* par02_x2 = nullptr;
  TStaticText* par03_y = nullptr;
  TStaticText* par04_vrchol = nullptr;
  TStaticText* par05_min = nullptr;
  TStaticText* par05a = nullptr;
  TStaticText* par05b = nullptr;
  TStaticText* par05_a = nullptr;
  TStaticText* par05_m = nullptr;
  TStaticText* par05_n = nullptr;
  TStaticText* par06_sudost = nullptr;
  TStaticText* upozorneni = nullptr;

  // OnActivate: the opening work, once per page instance.
  void Akce(TObject* Sender);
  // The page timer: the reveal, then the 10 ms update.
  void zobrazeni(TObject* Sender);
  void aktualizace(TObject* Sender);
  // OnChange of the three parameter edits, and of the hidden tenths edits.
  void Proved2(TObject* Sender);
  void pomAChange(TObject* Sender);
  void pomBChange(TObject* Sender);
  void pomCChange(TObject* Sender);
  // Draws y = ax² + bx + c from the values' texts.
  void VykresliGrafKvadr(const std::string& a, const std::string& b, const std::string& c);

 private:
  // The property texts for a quadratic function (a ≠ 0), and for a = 0.
  void Vlastnosti(double a, double b, double c);
  void Upozorneni();
  bool opened_ = false;
};

extern TfrmFceElemKvadr* frmFceElemKvadr;
