#include "lessons/unit_frmFceElemLog.h"

#include "lessons/exp_log_base.h"
#include "lessons/live_graph.h"

TfrmFceElemLog* frmFceElemLog = nullptr;

namespace {

using Page = TfrmFceElemLog;

// Draws y = log_a(x + c) + d with the base as the labels take it (two decimals); the engine
// draws nothing for a base that is not positive or is 1.
void VykresliGraf(TLiveGraph& live, const LiveBase& base, double c, double d) {
  live.Draw("log(" + TLiveGraph::Term(base.value) + ";x" +
                TLiveGraph::FollowingTerm(TLiveGraph::Term(c)) + ")" +
                TLiveGraph::FollowingTerm(TLiveGraph::Term(d)),
            base.Valid() ? kGraphColour : kDegenerateGraph);
}

void Update(Page& f, TLiveGraph& live, const std::vector<double>& v) {
  const double a = v[0], c = v[1], d = v[2];
  live.MarkDegenerate(0, false);
  const LiveBase base = BaseOf(a);
  ShowProperties(base,
                 {f.popis_as1, f.popis_as2, f.popis_bod1, f.popis_bod2, f.popis_mon1, f.popis_inv1,
                  f.popis_zl1, f.popis_inv2, f.popis_inv3},
                 *f.upozorneni, BaseWarning(base, "logaritmická"));
  if (base.Valid()) {
    f.popis_as2->SetCaption(" x = " + live.Number(-c));
    f.popis_bod2->SetCaption("[" + live.Number(1 - c) + "; " + live.Number(d) + "]");
    f.popis_mon1->SetCaption(Monotonicity(base));
    // The inverse y = a^(x − d) − c, its exponent set small and raised.
    f.popis_zl1->SetCaption(base.Text());
    f.popis_inv2->SetCaption(ShiftedX(live, "x", d));
    f.popis_inv3->SetCaption(Shift(live, -c));
    PlaceInRow({f.popis_inv1, f.popis_zl1, f.popis_inv2, f.popis_inv3}, {0, 0, 2});
  }
  VykresliGraf(live, base, c, d);
}

const LivePage<Page> page(
    {
        .params = {{"A", -20, 20}, {"C", -20, 20}, {"D", -20, 20}},
        .definition = "def",
        .pauseRecords = 1,
        .liveControls = {"t1",         "t2",         "t3",        "t4",         "hodnota_A",
                         "sipky_A",    "hodnota_C",  "sipky_C",   "hodnota_D",  "sipky_D",
                         "grafImg",    "popis_as1",  "popis_as2", "popis_bod1", "popis_bod2",
                         "popis_mon1", "popis_inv1", "popis_zl1", "popis_inv2", "popis_inv3"},
        .warning = true,
    },
    {.update = Update});

}  // namespace

const TFormClass& TfrmFceElemLog::FormClass() {
  static const TFormClass cls = page.FormClass("TfrmFceElemLog", &frmFceElemLog);
  return cls;
}
