#include "shell/unit_zaznam.h"

#include <cmath>

namespace {

template <class Record>
void Reveal(const Record& r, TTimer* timer, TControl* button) {
  for (TControl* c : {r.Control1, r.Control2, r.Control3}) {
    if (c) c->SetVisible(true);
  }
  if (r.WaitForSolution) {
    if (button) button->SetVisible(true);
    if (timer) timer->SetEnabled(false);
  } else if (button) {
    button->SetVisible(false);
  }
}

}  // namespace

void ShowStepRecord(const Tzaznam& record, TTimer* timer, TControl* button) {
  Reveal(record, timer, button);
}

void ShowStepRecord(const Tzaznam_new& record, TTimer* timer, TControl* button) {
  Reveal(record, timer, button);
}

void FormatRichRange(TRichEdit* box, int SelStart, int SelLength, bool Italic, bool Bold,
                     const std::string& FontName, int Size) {
  box->SetSelStart(SelStart);
  box->SetSelLength(SelLength);
  if (Italic && Bold) {
    box->SelAttributes().SetStyle(fsBold | fsItalic);
  } else if (Italic) {
    box->SelAttributes().SetStyle(fsItalic);
  } else if (Bold) {
    box->SelAttributes().SetStyle(fsBold);
  }
  if (!FontName.empty()) box->SelAttributes().SetName(FontName);
  if (Size != 0) box->SelAttributes().SetSize(Size);
}

void FormatNegative(const std::string& Value, std::string& Formatted) {
  double v = StrToFloat(Value);
  Formatted = "\u2013 " + FloatToStr(std::fabs(v));
}
