// The theory page 1.1  Co je to funkce?: on sheet 1 a message enciphered into numbers by a
// function and read back by the inverse function, on sheet 2 graphs of measurements.
#pragma once

#include "lessons/stepped_page.h"
#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceUvod : public TForm {
 public:
  explicit TfrmFceUvod(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TSpeedButton* btnListZpet = nullptr;
  TSpeedButton* btnListDalsi = nullptr;

  // OnCreate: the script and the page timer (3000 ms), once per page instance.
  void Akce(TObject* Sender);
  // The tick; also OnActivate, so the first step shows as soon as the page is activated.
  void kontrola(TObject* Sender);
  // The sheet buttons: the other sheet, replayed from its first step at once.
  void btnListZpetClick(TObject* Sender);
  void btnListDalsiClick(TObject* Sender);

 private:
  OpeningGuard opening_;
};

extern TfrmFceUvod* frmFceUvod;
