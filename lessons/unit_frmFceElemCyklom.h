// The theory page 4.8  Cyklometrické funkce: the inverse of a goniometric function derived in
// seven pictures (the graph, its one-to-one part, the mirror image in y = x), then the
// function's properties; a drop-down list chooses arcsin, arccos, arctg or arccotg. The
// pictures are files beside the program, read when the page opens and at every choice.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemCyklom : public TForm {
 public:
  explicit TfrmFceElemCyklom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TComboBox> fce{this, "fce"};
  TField<TRichEdit> komentar{this, "komentar"};
  TField<TShape> obdelnik{this, "obdelnik"};
  TField<TImage> vlastnosti{this, "vlastnosti"};
};

extern TfrmFceElemCyklom* frmFceElemCyklom;
