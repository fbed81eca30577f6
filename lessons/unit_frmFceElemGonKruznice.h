// The theory page 4.7  Goniometrické funkce — jednotková kružnice: a list chooses one of the
// goniometric functions, a pair of them or all four; the page then shows two pictures of the
// unit circle for the choice, one a second, and the definition in a framed box.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemGonKruznice : public TForm {
 public:
  explicit TfrmFceElemGonKruznice(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  // OnActivate: the frame's brush, the page's own timer, the empty box.
  void Akce(TObject* Sender);
  // The page timer: the first picture, the second, then the box with the definition.
  void aktualizace(TObject* Sender);
  // OnChange of the list: the choice's two pictures, and the sequence from its start.
  void Vyber(TObject* Sender);

  TField<TComboBox> fce{this, "fce"};
  TField<TImage> kr01{this, "kr01"};
  TField<TImage> kr02{this, "kr02"};
  TField<TShape> obdelnik{this, "obdelnik"};
  TField<TImage> sin{this, "sin"};
  TField<TImage> cos{this, "cos"};
  TField<TImage> tg{this, "tg"};
  TField<TImage> cotg{this, "cotg"};
  TField<TRichEdit> definice{this, "definice"};
};

extern TfrmFceElemGonKruznice* frmFceElemGonKruznice;

// The picture file of the choice `item` (0 to 6): its first (`which` 1) or second (2) picture.
std::string UnitCirclePicture(int item, int which);
// The text of the box for the pairs, and the positions of its letters p that stand for π.
extern const char* const kComparisonText;
extern const int kComparisonPi[4];
