// The free-expression pages: chapter 5 "Graf libovolné funkce", where the student types y = f(x)
// or builds it with the insertion buttons, draws it, pans and zooms the view; and its twin for
// z = f(x, y), painted as a colour map (unit_frmFceSlozene2). Both are one page with two engines.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/buttons.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class Tgraf;
class TgrafView;
struct Toblast;

// What the twins do differently: their graph object and how they paint it.
struct FreeExpressionEngine {
  TColor editColour;  // of funkce
  std::unique_ptr<TgrafView> (*create)(const Toblast& area, int scale);
  // The area without a function.
  void (*blank)(const TgrafView& graf, TImage& image);
  // Parses `text` and paints it; false (nothing painted) when it is no valid expression.
  bool (*draw)(const TgrafView& graf, TImage& image, std::string_view text);
};

class TFreeExpressionPage : public TForm {
 public:
  TFreeExpressionPage(TComponent* owner, const FreeExpressionEngine& engine)
      : TForm(owner), engine_(engine) {}

  // OnShow: disables the view buttons, creates the graph object and the 200 ms view timer.
  void Akce(TObject* Sender);
  // "zobraz" and the view buttons: remember the button; its action runs at the next tick.
  void Proved(TObject* Sender);
  // The view timer: acts on the remembered button once, then draws the text of funkce.
  void Aktualizace(TObject* Sender);
  // The insertion buttons: put the button's template around the selection of funkce.
  void Vloz(TObject* Sender);
  // "vymaž": empties funkce, stops the timer and shows the empty area in the start view.
  void Vymaz(TObject* Sender);
  // Draws `text`; a text that does not parse is answered with a message and resets the view.
  void VykresliGraf(const std::string& text);

  TField<TEdit> funkce{this, "funkce"};
  TField<TImage> grafImg{this, "grafImg"};
  TField<TLabel> postfix{this, "postfix"};
  TField<TBitBtn> btnZobraz{this, "btnZobraz"};
  TField<TBitBtn> btnVymaz{this, "btnVymaz"};
  TField<TBitBtn> btnUp{this, "btnUp"};
  TField<TBitBtn> btnDown{this, "btnDown"};
  TField<TBitBtn> btnLeft{this, "btnLeft"};
  TField<TBitBtn> btnRight{this, "btnRight"};
  TField<TBitBtn> btnPlus{this, "btnPlus"};
  TField<TBitBtn> btnMinus{this, "btnMinus"};

 protected:
  // The form class of a twin F with its handlers.
  template <class F>
  static TFormClass FormClassOf(const std::string& className, F** pageVariable) {
    TFormClass c = TFormClass::Of<F>(className, className.substr(1), pageVariable);
    AddHandlers(c);
    return c;
  }

 private:
  static void AddHandlers(TFormClass& c);
  const FreeExpressionEngine& engine_;
};

class TfrmFceSlozene : public TFreeExpressionPage {
 public:
  explicit TfrmFceSlozene(TComponent* owner);
  static const TFormClass& FormClass();
};

extern TfrmFceSlozene* frmFceSlozene;

// The graph object (the current view) of the open free-expression page, or null before it was
// first shown and after it closed; SlozeneGraf only while the one-variable page is open.
const TgrafView* FreeExpressionView();
const Tgraf* SlozeneGraf();
