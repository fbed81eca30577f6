#include "lessons/exp_log_base.h"

#include "platform/sysutils.h"

std::string LiveBase::Text() const {
  return FloatToStr(value);
}

LiveBase BaseOf(double a) {
  LiveBase b;
  if (a < 0) {
    b.value = a;
    b.kind = LiveBase::kNegative;
    return b;
  }
  b.value = RoundToDecimals(a, 2);
  b.kind = b.value == 0   ? LiveBase::kZero
           : b.value == 1 ? LiveBase::kOne
           : b.value < 1  ? LiveBase::kFalling
                          : LiveBase::kRising;
  return b;
}

std::string Monotonicity(const LiveBase& base) {
  return base.kind == LiveBase::kRising ? " je rostoucí (a > 1)" : " je klesající (0 < a < 1)";
}

std::string BaseWarning(const LiveBase& base, const std::string& family,
                        const std::string& constant) {
  const std::string which = base.kind == LiveBase::kNegative ? "a < 0"
                            : base.kind == LiveBase::kZero   ? "a = 0"
                                                             : "a = 1";
  std::string text = "Pro základ " + which + " není " + family + " funkce definována.";
  if (base.kind != LiveBase::kNegative) text += constant;
  return text;
}

std::string Shift(const TLiveGraph& live, double shift) {
  return live.Number(shift) == "0" ? "" : live.Signed(shift);
}

std::string ShiftedX(const TLiveGraph& live, const std::string& x, double v) {
  const std::string s = Shift(live, -v);
  return s.empty() ? x : x + " " + s;
}

void ShowProperties(const LiveBase& base, const std::vector<TControl*>& labels,
                    TStaticText& warning, const std::string& text) {
  for (TControl* t : labels) t->SetVisible(base.Valid());
  if (!base.Valid()) warning.SetCaption(text);
  warning.SetVisible(!base.Valid());
}
