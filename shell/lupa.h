// The magnifier: one window for the whole run that shows an enlarged picture on top of the
// main window.
#pragma once

#include <string>

#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class Tfrm_lupa : public TForm {
 public:
  explicit Tfrm_lupa(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TImage* obr = nullptr;

  // Loads the picture file into `obr` and fits the window to it. Raises the picture's load
  // error (EFOpenError, EInvalidGraphic) and then keeps the previous picture and size.
  void NactiObr(const std::string& FileName);
};

extern Tfrm_lupa* frm_lupa;

// Shows Folder + Name + "_big.jpg" in the magnifier, on top and focused. A file that cannot be
// loaded raises its error before anything changes.
void ShowEnlargedPicture(const std::string& Folder, const std::string& Name);
// Hides the magnifier; its picture stays loaded.
void HideEnlargedPicture();

// The magnifier leaves the screen while the main window is hidden ("Schovat") and comes back
// when it is shown again, if it was showing.
void HideMagnifierWithMainWindow();
void RestoreMagnifierWithMainWindow();
