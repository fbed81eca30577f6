#include "shell/unit_frmFceTitulni.h"

TfrmFceTitulni* frmFceTitulni = nullptr;

const TFormClass& TfrmFceTitulni::FormClass() {
  // The shell colours the five headings when it opens the page.
  static const TFormClass cls =
      TFormClass::Of<TfrmFceTitulni>("TfrmFceTitulni", "frmFceTitulni", &frmFceTitulni)
          .Requires({"info1", "info3", "info5", "info7", "info9"});
  return cls;
}
