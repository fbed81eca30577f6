#include "lessons/unit_frmFceElemMocninna.h"

#include <cmath>

#include "lessons/live_graph.h"

TfrmFceElemMocninna* frmFceElemMocninna = nullptr;

namespace {

using Page = TfrmFceElemMocninna;

bool Whole(double v) {
  return v == RoundHalfEven(v);
}
bool Even(double whole) {
  return std::fmod(whole, 2) == 0;
}

// The warning for a pair (m, n) that gives no power function; later cases win, as n = 0 over
// m = n = 0.
std::string Warning(const std::string& m, const std::string& n) {
  std::string text;
  if (m == "0") text = "Funkce není mocninná, je konstantní.";
  if (m == n) {
    const double v = StrToFloat(m);
    if (!Whole(v)) {
      // x^m is defined for x >= 0 only, and its m-th root is x there.
      text = "Funkce není mocninná, je to funkce y = x pro x ≥ 0.";
    } else if (!Even(v)) {
      text = "Funkce není mocninná, je lineární.";
    } else {
      text = "Funkce není mocninná, je to funkce absolutní hodnota.";
    }
  }
  if (n == "0") text = "Ve jmenovateli zlomku je nula, funkce není definována.";
  return text;
}

// Draws the n-th root of x to the m from the values' texts, or explains why it is no power
// function. Returns whether it is one.
bool VykresliGraf(Page& f, TLiveGraph& live, const std::string& m, const std::string& n) {
  std::string expression;
  if (n == "0") {
    expression = "1/0";  // the grid without a curve
  } else if (StrToFloat(m) >= 0) {
    expression = "odm(" + n + ";x^(" + m + "))";
  } else {
    expression = "1/odm(" + n + ";x^(abs(" + m + ")))";
  }
  const bool power = m != "0" && m != n && n != "0";
  if (power) {
    f.upozorneni->Hide();
  } else {
    f.upozorneni->SetCaption(Warning(m, n));
    f.upozorneni->Show();
  }
  live.Draw(expression, power ? kGraphColour : kDegenerateGraph);
  return power;
}

// The parity of the drawn function.
std::string Sudost(double m, double n) {
  // x^m with a fractional m is defined for x >= 0 only (for x > 0 when m < 0): no symmetric
  // domain, though rounded, 2,5 would pass for an even m.
  if (!Whole(m)) return " funkce není sudá ani lichá";
  if (Even(m)) return " funkce sudá";
  // The root of a negative x^m keeps its sign for an odd degree, rounded as the engine rounds it.
  if (!Even(RoundHalfEven(n))) return " funkce lichá";
  return " funkce není sudá ani lichá";
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& v) {
  f.x->Show();
  // The arrows read only a whole number from their edit; after a fractional text they would step
  // from the last number they wrote, so they get the value shown, rounded.
  f.sipky_A->SetPosition(static_cast<int>(RoundHalfEven(v[0])));
  f.sipky_B->SetPosition(static_cast<int>(RoundHalfEven(v[1])));
  const double m = RoundToDecimals(v[0], 2), n = RoundToDecimals(v[1], 2);
  live.MarkDegenerate(0, m == 0 || m == n);
  live.MarkDegenerate(1, n == 0 || m == n);
  const bool power = VykresliGraf(f, live, TLiveGraph::Term(m), TLiveGraph::Term(n));
  // The warning stands in the place of the parity.
  f.par06_sudost->SetCaption(Sudost(m, n));
  f.par06_sudost->SetVisible(power);
}

const LivePage<Page> page(
    {
        .params = {{"A"}, {"B", 0, 20}},
        .tenths = false,
        .definition = "img01",
        .pauseRecords = 1,
        .liveControls = {"hodnota_A", "sipky_A", "hodnota_B", "sipky_B", "cara", "grafImg",
                         "par06_sudost"},
        .warning = true,
        .decimals = 2,
    },
    {
        .open =
            [](Page& f, TLiveGraph&) {
              f.par06_sudost->SetCaption("funkce sudá");
              f.hodnota_A->SetText("2");
              f.hodnota_B->SetText("1");
            },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemMocninna::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemMocninna", &frmFceElemMocninna);
  return cls;
}
