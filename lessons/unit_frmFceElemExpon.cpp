#include "lessons/unit_frmFceElemExpon.h"

#include "lessons/exp_log_base.h"
#include "lessons/live_graph.h"

TfrmFceElemExpon* frmFceElemExpon = nullptr;

namespace {

using Page = TfrmFceElemExpon;

// Draws y = a^(x + c) + d; the base 0 leaves the constant d. A valid base and the base 1 are
// drawn as the labels take them (two decimals), a negative one as typed.
void VykresliGrafExp(TLiveGraph& live, const LiveBase& base, double a, double c, double d) {
  const std::string shift = TLiveGraph::FollowingTerm(TLiveGraph::Term(d));
  std::string expression;
  if (base.kind == LiveBase::kZero) {
    expression = TLiveGraph::Term(d);
  } else {
    const double b = base.kind == LiveBase::kNegative ? a : base.value;
    expression = "(" + TLiveGraph::Term(b) + ")^(x" +
                 TLiveGraph::FollowingTerm(TLiveGraph::Term(c)) + ")" + shift;
  }
  live.Draw(expression, base.Valid() ? kGraphColour : kDegenerateGraph);
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& v) {
  const double a = v[0], c = v[1], d = v[2];
  live.MarkDegenerate(0, false);
  const LiveBase base = BaseOf(a);
  ShowProperties(base,
                 {f.popis_as1, f.popis_as2, f.popis_bod1, f.popis_bod2, f.popis_mon1, f.popis_omez,
                  f.popis_inv1, f.popis_inv2, f.popis_zl1, f.popis_inv3},
                 *f.upozorneni,
                 BaseWarning(base, "exponenciální", "          (Funkce je konstantní.)"));
  if (base.Valid()) {
    f.popis_as2->SetCaption(" y = " + live.Number(d));
    f.popis_bod2->SetCaption("[" + live.Number(-c) + "; " + live.Number(d + 1) + "]");
    f.popis_mon1->SetCaption(Monotonicity(base));
    // The inverse y = log_a(x − d) − c, the base set small after "log".
    f.popis_zl1->SetCaption(base.Text());
    const std::string after = Shift(live, -c);
    f.popis_inv3->SetCaption("(" + ShiftedX(live, "x", d) + ")" +
                             (after.empty() ? "" : " " + after));
    PlaceInRow({f.popis_inv1, f.popis_inv2, f.popis_zl1, f.popis_inv3}, {0, 1, 1});
  }
  VykresliGrafExp(live, base, a, c, d);
}

const LivePage<Page> page(
    {
        .params = {{"A"}, {"C"}, {"D"}},
        .definition = "def",
        .pauseRecords = 1,
        .liveControls = {"y",          "hodnota_A",  "sipky_A",    "x",          "hodnota_C",
                         "sipky_C",    "plus",       "hodnota_D",  "sipky_D",    "grafImg",
                         "popis_as1",  "popis_as2",  "popis_bod1", "popis_bod2", "popis_mon1",
                         "popis_omez", "popis_inv1", "popis_inv2", "popis_zl1",  "popis_inv3"},
        .warning = true,
    },
    {
        .open =
            [](Page& f, TLiveGraph&) {
              f.pomA->SetText("20");
              f.pomC->SetText("0");
              f.hodnota_C->SetText("0");
            },
        .update = Update,
    });

}  // namespace

const TFormClass& TfrmFceElemExpon::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemExpon", &frmFceElemExpon);
  return cls;
}
