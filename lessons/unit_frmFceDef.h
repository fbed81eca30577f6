// The theory page 1.2  Definice funkce: the definition of a function and an example worked
// through in stages, up to its table of values, domain and range.
#pragma once

#include "lessons/stepped_page.h"
#include "platform/comctrls.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceDef : public TForm {
 public:
  explicit TfrmFceDef(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TRichEdit* text02 = nullptr;
  TRichEdit* text_p03 = nullptr;

  // OnActivate: the example's text, the script, the italic x and the page timer (1000 ms),
  // once per page instance.
  void Akce(TObject* Sender);
  // The page timer: one step a tick.
  void kontrola(TObject* Sender);

 private:
  OpeningGuard opening_;
};

extern TfrmFceDef* frmFceDef;
