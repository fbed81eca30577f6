#include "shell/lupa.h"

Tfrm_lupa* frm_lupa = nullptr;

namespace {
// Whether the magnifier was showing when the main window was hidden.
bool showingBeforeHide = false;
}  // namespace

const TFormClass& Tfrm_lupa::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<Tfrm_lupa>("Tfrm_lupa", "frm_lupa", &frm_lupa).Bind("obr", &Tfrm_lupa::obr);
  return cls;
}

void Tfrm_lupa::NactiObr(const std::string& FileName) {
  obr->Picture().LoadFromFile(FileName);
  SetWidth(obr->Width());
  SetHeight(obr->Height());
}

void ShowEnlargedPicture(const std::string& Folder, const std::string& Name) {
  if (!frm_lupa) return;
  frm_lupa->NactiObr(Folder + Name + "_big.jpg");
  frm_lupa->ShowForm();
  frm_lupa->SetFocus();
}

void HideEnlargedPicture() {
  if (frm_lupa) frm_lupa->Hide();
}

void HideMagnifierWithMainWindow() {
  showingBeforeHide = frm_lupa && frm_lupa->Visible();
  if (showingBeforeHide) frm_lupa->Hide();
}

void RestoreMagnifierWithMainWindow() {
  // Back on the screen, but the focus stays with the main window, where it was before "Schovat".
  if (showingBeforeHide && frm_lupa) frm_lupa->ShowWithoutActivating();
  showingBeforeHide = false;
}
