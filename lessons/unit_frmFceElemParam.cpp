#include "lessons/unit_frmFceElemParam.h"

#include "lessons/live_graph.h"
#include "shell/unit_zaznam.h"

TfrmFceElemParam* frmFceElemParam = nullptr;

namespace {

using Page = TfrmFceElemParam;

constexpr const char* kParams = "abcd";

// A control of the page by name: the formula pieces have no fields of their own.
TLabel* L(Page& f, const std::string& name) {
  return &Named<TLabel>(f, name);
}

// The parameter as the formulas write it: the typed text where the engine reads it as typed,
// else the value's own text.
std::string Typed(Page& f, int index, double value) {
  static const char* const edits[] = {"hodnota_A", "hodnota_B", "hodnota_C", "hodnota_D"};
  return TLiveGraph::TypedTerm(Named<TMaskEdit>(f, edits[index]).Text(), value);
}

// "– 2,5" for a negative term; FormatNegative writes the absolute value.
std::string Negative(const std::string& term) {
  std::string text;
  FormatNegative(term, text);
  return text;
}

// The label of a factor (a, b): nothing for 1, a dash alone for -1, else the term with its sign
// set apart.
std::string Factor(const std::string& typed, const std::string& term, double value) {
  if (typed == "1") return "";
  if (typed == "-1") return "–";
  return value >= 0 ? term : Negative(term);
}

// The label of a shift (c, d): nothing for zero however it is typed, else "+ 1" or "– 1".
std::string ShiftLabel(const std::string& term, double value) {
  if (value == 0) return "";
  return value > 0 ? "+ " + term : Negative(term);
}

// Pixels between two neighbouring pieces of formula k (1 sin, 2 log, 3 the square, 4 the absolute
// value): a word space before a sign and after the square's exponent, a thin one between a factor
// and a function's name, none inside the brackets, where the bars keep clear of the letters.
int Gap(char before, char after, int k) {
  if (after == 'c' || (before == '2' && after == 'd')) return 4;
  if (before == 'a' && after == 'f') return k <= 2 ? 2 : 0;
  if (after == 'z') return before == 'x' ? 1 : 0;
  if (before == 'f' || before == 'b') return 1;
  return 0;
}

// Draws the four graphs from the parameters' terms.
void VykresliGrafParam(TLiveGraph& live, const std::string& a, const std::string& b,
                       const std::string& c, const std::string& d, TColor colour) {
  const std::string inner = b + "*x" + TLiveGraph::FollowingTerm(c);
  const std::string shift = TLiveGraph::FollowingTerm(d);
  live.Draw(a + "*sin(" + inner + ")" + shift, colour, 0);
  live.Draw(a + "*log(" + inner + ")" + shift, colour, 1);
  live.Draw(a + "*(" + inner + ")^2" + shift, colour, 2);
  live.Draw(a + "*abs(" + inner + ")" + shift, colour, 3);
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& v) {
  live.MarkDegenerate(0, v[0] == 0);
  live.MarkDegenerate(1, v[1] == 0);
  std::string terms[4], labels[4];
  for (int i = 0; i < 4; ++i) {
    terms[i] = Typed(f, i, v[i]);
    const std::string typed = i == 0 ? f.hodnota_A->Text() : f.hodnota_B->Text();
    labels[i] = i < 2 ? Factor(typed, terms[i], v[i]) : ShiftLabel(terms[i], v[i]);
  }
  for (int k = 1; k <= 4; ++k) {
    const std::string n = std::to_string(k);
    for (int i = 0; i < 4; ++i) L(f, std::string(1, kParams[i]) + "_" + n)->SetCaption(labels[i]);
    // " y = " a "sin(" b "x" c ") " d, the square with its exponent before d; the pieces that
    // are empty take no room.
    const std::pair<char, std::string> pieces[] = {
        {'y', "t" + n + "_y"}, {'a', "a_" + n},       {'f', "t" + n + "_f"},
        {'b', "b_" + n},       {'x', "t" + n + "_x"}, {'c', "c_" + n},
        {'z', "t" + n + "_z"}, {'2', "t3_2"},         {'d', "d_" + n}};
    std::vector<TControl*> row;
    std::vector<int> gaps;
    char before = 0;
    for (const auto& [kind, name] : pieces) {
      if (kind == '2' && k != 3) continue;
      TLabel* piece = L(f, name);
      if (piece->Caption().empty()) continue;
      if (before) gaps.push_back(Gap(before, kind, k));
      row.push_back(piece);
      before = kind;
    }
    PlaceInRow(row, gaps);
  }
  VykresliGrafParam(live, terms[0], terms[1], terms[2], terms[3],
                    v[0] != 0 && v[1] != 0 ? kGraphColour : kDegenerateGraph);
}

const LivePage<Page> page(
    {
        .params = {{"A", -5, 5}, {"B", -5, 5}, {"C", -5, 5}, {"D", -5, 5}},
        .reveal = false,
        .decimals = 1,
        .pictures = {"grafImg1", "grafImg2", "grafImg3", "grafImg4"},
        .scale = 15,
        // y from 5 down to about -4: the curves of the lesson lie above the x axis rather than
        // below it.
        .lowerY = 3,
        .pauseTexts = {"-", "-0", "-0,", "0,", ",", "-,"},
        .tenthsErrorClears = true,
    },
    {
        .edited = "Proved",
        .open =
            [](Page& f, TLiveGraph&) {
              const std::pair<TMaskEdit*, const char*> starts[] = {
                  {f.hodnota_A, "1"}, {f.hodnota_B, "1"}, {f.hodnota_C, "0"}, {f.hodnota_D, "0"}};
              for (int i = 0; i < 4; ++i) {
                starts[i].first->SetText(starts[i].second);
                for (int k = 1; k <= 4; ++k) {
                  L(f, std::string(1, kParams[i]) + "_" + std::to_string(k))->SetCaption("");
                }
              }
            },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemParam::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c = page.FormClass("TfrmFceElemParam", &frmFceElemParam);
    std::vector<std::string> pieces = {"t3_2"};
    for (const std::string n : {"1", "2", "3", "4"}) {
      for (const char* piece : {"t_y", "a_", "t_f", "b_", "t_x", "c_", "t_z", "d_"}) {
        const std::string p = piece;
        pieces.push_back(p[0] == 't' ? "t" + n + p.substr(1) : p + n);
      }
    }
    c.Requires(pieces);
    c.Handler<Page>("btnResClick", [](Page& f, TObject*) {
      f.reseni->Show();
      f.btnRes->Hide();
    });
    return c;
  }();
  return cls;
}
