// The two-variable graph engine: parse an expression in x and y (ParseExpression), then paint
// z = f(x, y) into a picture box as a map of 32 colours with this module's Tgraf (DrawGraph,
// which consumes the token list). The language is the one-variable engine's with "y" wherever
// "x" may stand; the token lists, the parser and the evaluator underneath are that engine's.
#pragma once

#include <string_view>

#include "engine/unit_graf_view.h"
#include "engine/unit_typy.h"
#include "platform/graphics.h"

class TImage;

namespace unit_graf_kvantovani {

// The token list and its routines.
using ::CopyTokenList;
using ::FreeTokenList;
using ::NewTokenList;
using ::PopToken;
using ::PushToken;
using ::ReverseTokenList;
using ::TokenList;
using ::Tprvek_z;

// Character-level acceptance of a typed expression, as the one-variable CheckSymbols, with "y"
// accepted where "x" is.
bool CheckSymbols(std::string_view text);

// Parses an expression in x and y. True: `list` holds its postfix tokens ("y" a token of its
// own), owned by the caller. False: the text is no valid expression and `list` is no list. No
// implicit product before "y": «2y», «y2» and «y(x)» are invalid.
bool ParseExpression(std::string_view text, TokenList& list);

// The value of a list (consumed) at (x, y), every intermediate result rounded to 15 digits;
// `Defined` false where it is undefined (the value is then meaningless). No sign ring.
double EvaluatePostfix(TokenList list, bool& Defined, double x, double y);

// The colour of a value in the map: blue ($FF0000) up to -15, magenta ($FF00FF) above 15, and
// between them 30 bands one unit wide, (k - 1, k] for k from -14 to 15, that alternately add
// red and take away blue.
TColor BandColour(double z);

// The view of one drawing area (see TgrafView) that paints a function of x and y. Rows run
// upwards as in every graph: the top row is y = YMax, so that moving YMax and YMin moves the map.
class Tgraf : public TgrafView {
 public:
  using TgrafView::TgrafView;

  // The y of a pixel row: YMax in the row Top, one unit less every Scale rows.
  double RowToY(int row) const;

  // Paints every pixel of the area, columns Left to Right and rows Top to Bottom as far as the
  // picture reaches, in the colour of the list's value there; a pixel where the value is
  // undefined keeps its colour. The list is consumed; `colour` is not used.
  void PlotColourMap(TImage& image, TokenList list, TColor colour) const;
  // Fills the area with black: no grid, no axes.
  void ClearArea(TImage& image) const;
  // ClearArea first when `clear`, then PlotColourMap; the list is consumed.
  void DrawGraph(TImage& image, TokenList list, TColor colour, bool clear) const;
};

}  // namespace unit_graf_kvantovani
