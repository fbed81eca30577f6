#include "lessons/unit_frmFceSlozene2.h"

#include "engine/unit_graf_kvantovani.h"

TfrmFceKvantovani* frmFceKvantovani = nullptr;

namespace {

namespace kv = unit_graf_kvantovani;

// Painted without clearing: where the new expression is undefined, the previous map shows.
const FreeExpressionEngine kTwoVariables = {
    .editColour = 0xFEFEFE,
    .create = [](const Toblast& area, int scale) -> std::unique_ptr<TgrafView> {
      return std::make_unique<kv::Tgraf>(area, scale);
    },
    .blank = [](const TgrafView& g,
                TImage& image) { static_cast<const kv::Tgraf&>(g).ClearArea(image); },
    .draw =
        [](const TgrafView& g, TImage& image, std::string_view text) {
          kv::TokenList list;
          if (!kv::ParseExpression(text, list)) return false;
          static_cast<const kv::Tgraf&>(g).DrawGraph(image, std::move(list), 255, false);
          return true;
        },
};

}  // namespace

TfrmFceKvantovani::TfrmFceKvantovani(TComponent* owner)
    : TFreeExpressionPage(owner, kTwoVariables) {}

const TFormClass& TfrmFceKvantovani::FormClass() {
  static const TFormClass cls = FormClassOf("TfrmFceKvantovani", &frmFceKvantovani);
  return cls;
}
