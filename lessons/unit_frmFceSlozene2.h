// The page "N-ární kvantování": the free-expression page for z = f(x, y), painted as a colour map
// of 32 bands over the previous picture; "vymaž" and errors leave a black area.
#pragma once

#include "lessons/unit_frmFceSlozene.h"

class TfrmFceKvantovani : public TFreeExpressionPage {
 public:
  explicit TfrmFceKvantovani(TComponent* owner);
  static const TFormClass& FormClass();
};

extern TfrmFceKvantovani* frmFceKvantovani;
