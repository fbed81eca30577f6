#include "lessons/unit_frmFceElemAbs.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "lessons/live_graph.h"

TfrmFceElemAbs* frmFceElemAbs = nullptr;

namespace {

using Page = TfrmFceElemAbs;

// The forms of `typ`, by item index.
enum Form { kWhole, kOuter, kBars, kArgument, kVariable };

// One inner function f of the six graphs: how its formula opens and closes on the label (plain
// bracket, bars of form 2, bars of form 3) and how an expression wraps its argument u.
struct Inner {
  const char* open;       // forms 0, 1, 4
  const char* close;      // forms 0, 1, 4
  const char* openBars;   // form 2: the bars around f(...)
  const char* closeBars;  //
  const char* openArg;    // form 3: the bars around the argument
  const char* closeArg;   //
  const char* before;     // F(u) = before u after
  const char* after;      //
  const char* beforeAbs;  // G(u) = beforeAbs u afterAbs, the argument in abs()
  const char* afterAbs;   //
};

const std::array<Inner, 6> kInner = {{
    {"sin(", ")", "|sin(", ")| ", "sin|", "| ", "sin(", ")", "sin(abs(", "))"},
    {"(", ")", "|", "| ", "|", "| ", "(", ")", "(abs(", "))"},
    {"(", ")^2", "|(", ")^2| ", "|", "|^2 ", "(", ")^2", "(abs(", ")^2)"},
    {"(", ")^3", "|(", ")^3| ", "|", "|^3 ", "(", ")^3", "(abs(", ")^3)"},
    {"log(", ")", "|log(", ")| ", "log|", "| ", "log(", ")", "log(abs(", "))"},
    {"10^(", ")", "|10^(", ")| ", "10^|", "| ", "10^(", ")", "10^(abs(", "))"},
}};

// The formula of graph k for the form and the parameters. The pieces are decided on the
// values, not on the texts as typed, so that «00» or «+1» read as 0 and 1.
std::string Formula(const TLiveGraph& live, int form, size_t k, double a, double b, double c,
                    double d) {
  const Inner& f = kInner[k];
  const std::string aPart = a == 1 ? "" : a == -1 ? "-" : live.Number(a);
  const std::string x = form == kVariable ? "|x|" : "x";
  std::string bPart;
  if (b == 1) {
    bPart = x;
  } else if (b == -1) {
    bPart = form == kOuter ? "-x" : form == kVariable ? "-|x|" : "-x ";
  } else {
    bPart = live.Number(b) + x;
  }
  const std::string cPart = c == 0 ? "" : c > 0 ? " + " + live.Number(c) : live.Number(c);
  const std::string dPart = d == 0 ? "" : d > 0 ? " + " + live.Number(d) : " " + live.Number(d);
  // A number in front of 10^ needs the product sign, but not before a bar of form 2.
  const std::string times = k == 5 && form != kBars && !aPart.empty() && aPart != "-" ? "*" : "";
  const std::string inner = bPart + cPart;
  switch (form) {
    case kWhole:
      return " y = |" + aPart + times + f.open + inner + f.close + (c == 0 ? "" : " ") + dPart +
             "|";
    case kOuter:
      return " y = |" + aPart + times + f.open + inner + f.close + "|" + dPart;
    case kBars:
      return " y = " + aPart + f.openBars + inner + f.closeBars + dPart;
    case kArgument:
      return " y = " + aPart + times + f.openArg + inner + f.closeArg + dPart;
    default:
      return " y = " + aPart + times + f.open + inner + f.close + dPart;
  }
}

// The expressions of graph k: without and with the absolute value of the form. Built from the
// values' own texts, so that a typed «+1» or «-00» never reaches the engine.
std::pair<std::string, std::string> Expressions(const TLiveGraph& live, int form, size_t k,
                                                double a, double b, double c, double d) {
  const Inner& f = kInner[k];
  const std::string na = live.Number(a), nb = live.Number(b);
  const std::string sc = TLiveGraph::FollowingTerm(TLiveGraph::Term(c));
  const std::string sd = TLiveGraph::FollowingTerm(TLiveGraph::Term(d));
  const std::string u = nb + "*x" + sc;
  const std::string fu = std::string(f.before) + u + f.after;
  const std::string plain = na + "*" + fu + sd;
  switch (form) {
    case kWhole:
      return {plain, "abs(" + plain + ")"};
    case kOuter:
      return {plain, "abs(" + na + "*" + fu + ")" + sd};
    case kBars:
      return {plain, na + "*abs(" + fu + ")" + sd};
    case kArgument:
      return {plain, na + "*" + f.beforeAbs + u + f.afterAbs + sd};
    default:
      return {plain, na + "*" + f.before + nb + "*abs(x)" + sc + f.after + sd};
  }
}

// Brings a parameter's text to at most one decimal, as the arrows step it: a second decimal
// («0,14» after «0,1») is cut off, a decimal comma inside the text gives the value's own text
// («1,50», «01,5» become «1,5»). Returns the value the edit then holds.
double OneDecimal(TMaskEdit& edit, double value) {
  const double tenths = RoundTripText(value * 10);
  if (tenths != std::trunc(tenths)) {
    value = RoundTripText(std::trunc(tenths) / 10);
    if (value == 0) value = 0;  // never «-0»
    edit.SetText(FloatToStr(value));
    edit.SetSelStart(static_cast<int>(QString::fromStdString(edit.Text()).size()));
  }
  const std::string& text = edit.Text();
  const size_t comma = text.find(',');
  if (comma != std::string::npos && comma + 1 < text.size()) {
    edit.SetText(FloatToStr(value));
    edit.SetSelStart(static_cast<int>(QString::fromStdString(edit.Text()).size()));
  }
  return value;
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& values) {
  TMaskEdit* edits[] = {f.hodnota_A, f.hodnota_B, f.hodnota_C, f.hodnota_D};
  std::vector<double> v = values;
  for (size_t i = 0; i < 4; ++i) v[i] = OneDecimal(*edits[i], v[i]);
  const double a = v[0], b = v[1], c = v[2], d = v[3];
  // Coloured after the cut, so that the colours describe the values that are drawn.
  live.MarkDegenerate(0, a == 0);
  live.MarkDegenerate(1, b == 0);
  const TColor result = a == 0 || b == 0 ? kDegenerateGraph : kGraphColour;

  const int form = std::max(0, f.typ->ItemIndex());
  TLabel* labels[] = {f.fce1, f.fce2, f.fce3, f.fce4, f.fce5, f.fce6};
  for (size_t k = 0; k < kInner.size(); ++k) {
    labels[k]->SetCaption(Formula(live, form, k, a, b, c, d));
    const auto [plain, withAbs] = Expressions(live, form, k, a, b, c, d);
    const int picture = static_cast<int>(k);
    live.Draw(plain, kAbsPlainColour, picture);
    live.DrawOver(withAbs, result, picture);
  }
}

const LivePage<Page> page(
    {
        .params = {{"A", -5, 5}, {"B", -5, 5}, {"C", -5, 5}, {"D", -5, 5}},
        .reveal = false,
        .pictures = {"grafImg1", "grafImg2", "grafImg3", "grafImg4", "grafImg5", "grafImg6"},
        .scale = 15,
        .lowerY = 3,
        .pauseTexts = {"-", "-0", "-0,", "0,", ",", "-,"},
    },
    {
        .edited = "Proved",
        .open =
            [](Page& f, TLiveGraph&) {
              for (TLabel* l : {f.fce1, f.fce2, f.fce3, f.fce4, f.fce5, f.fce6}) {
                l->SetCaption("");
              }
            },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemAbs::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemAbs", &frmFceElemAbs);
  return cls;
}
