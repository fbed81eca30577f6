#include "lessons/live_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QFontMetrics>
#include <QString>
#include <QWidget>

#include "shell/unit_frmMain.h"

namespace {

constexpr const char* kComponentName = "LiveGraph";

// Ten times the value rounded to a whole number, halves to even, in the general format. The
// product is taken as its 15-digit text shows it, so that 1,45 gives 14 and 1,55 gives 16.
std::string TenthsText(double value) {
  double p = value * 10;
  if (std::isfinite(p)) p = RoundTripText(p);
  return FloatToStr(RoundHalfEven(p));
}

// Parses a general-format text ("-1,25", "1E-6") into digits and a power of ten.
ExactProduct ExactOf(double value) {
  ExactProduct e;
  if (!std::isfinite(value) || value == 0) return e;
  const std::string text = FloatToStr(value);
  bool negative = false, afterComma = false;
  size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'E'; ++i) {
    if (text[i] == ',') {
      afterComma = true;
      continue;
    }
    e.mantissa = e.mantissa * 10 + (text[i] - '0');
    if (afterComma) ++e.scale;
  }
  if (i < text.size()) e.scale -= std::atoi(text.c_str() + i + 1);
  if (negative) e.mantissa = -e.mantissa;
  return e;
}

using Magnitude = unsigned __int128;

// Compares x with y × 10^shift (shift >= 0) without overflowing: once y passes x, further
// powers of ten only widen the gap.
int CompareShifted(Magnitude x, Magnitude y, int shift) {
  for (; shift > 0; --shift) {
    if (y > x) return -1;
    y *= 10;
  }
  return x < y ? -1 : x > y ? 1 : 0;
}

}  // namespace

ExactProduct Product(double x, double y, int factor) {
  ExactProduct a = ExactOf(x), b = ExactOf(y);
  return {a.mantissa * b.mantissa * factor, a.scale + b.scale};
}

int Compare(const ExactProduct& p, const ExactProduct& q) {
  const int sp = p.mantissa < 0 ? -1 : p.mantissa > 0;
  const int sq = q.mantissa < 0 ? -1 : q.mantissa > 0;
  if (sp != sq) return sp < sq ? -1 : 1;
  if (sp == 0) return 0;
  Magnitude mp = p.mantissa < 0 ? -p.mantissa : p.mantissa;
  Magnitude mq = q.mantissa < 0 ? -q.mantissa : q.mantissa;
  // |p| = mp × 10^-p.scale: bring the one with fewer decimals up to the other's.
  int magnitude = p.scale >= q.scale ? CompareShifted(mp, mq, p.scale - q.scale)
                                     : -CompareShifted(mq, mp, q.scale - p.scale);
  return sp > 0 ? magnitude : -magnitude;
}

std::string EditName(const LiveParam& p) {
  return p.edit.empty() ? "hodnota_" + p.name : p.edit;
}

std::vector<std::string> LiveControlNames(const LivePageDescription& d) {
  std::vector<std::string> names;
  for (const LiveParam& p : d.params) {
    names.push_back(EditName(p));
    if (d.tenths) names.push_back("pom" + p.name);
    names.push_back("sipky_" + p.name);
  }
  names.insert(names.end(), d.pictures.begin(), d.pictures.end());
  names.insert(names.end(), d.liveControls.begin(), d.liveControls.end());
  if (d.reveal) {
    names.push_back("obdelnik");
    names.push_back(d.definition);
  }
  if (d.warning) names.push_back("upozorneni");
  return names;
}

TLiveGraph* LiveGraphOf(const TForm* page) {
  return page ? dynamic_cast<TLiveGraph*>(page->FindComponent(kComponentName)) : nullptr;
}

template <class T>
T* TLiveGraph::Control(const std::string& name) const {
  return &Named<T>(page_, name);
}

TLiveGraph::TLiveGraph(TForm& page, LivePageDescription description)
    : TComponent(&page), page_(page), description_(std::move(description)) {
  SetName(kComponentName);
  for (const LiveParam& p : description_.params) {
    Bundle b{p};
    b.edit = Control<TMaskEdit>(EditName(p));
    if (description_.tenths) b.tenths = Control<TMaskEdit>("pom" + p.name);
    b.arrows = Control<TUpDown>("sipky_" + p.name);
    params_.push_back(b);
  }
  for (const std::string& name : description_.pictures) {
    areas_.emplace_back().image = Control<TImage>(name);
  }
  if (description_.warning) warning_ = Control<TControl>("upozorneni");
  for (const std::string& name : description_.liveControls) {
    liveControls_.push_back(Control<TControl>(name));
  }

  revealStep_ = -1;
  if (description_.reveal) {
    frame_ = Control<TShape>("obdelnik");
    frame_->Brush().SetColor(kDefinitionFrame);
    frame_->Invalidate();
    records_.push_back(std::make_unique<Tzaznam>());
    records_.back()->Control1 = Control<TControl>(description_.definition);
    for (int i = 0; i < description_.pauseRecords; ++i)
      records_.push_back(std::make_unique<Tzaznam>());
  }
}

void TLiveGraph::Prepare(TNotifyEvent update) {
  update_ = std::move(update);
  paramsChanged_ = true;
  for (Area& a : areas_) {
    a.graf = std::make_unique<Tgraf>(Toblast{0, a.image->Width(), 0, a.image->Height()},
                                     description_.scale);
    a.graf->YMax -= description_.lowerY;
    a.graf->YMin -= description_.lowerY;
  }
}

void TLiveGraph::Start(TNotifyEvent reveal, TNotifyEvent update) {
  Prepare(std::move(update));
  const int interval = description_.reveal ? 1000 : 10;
  TNotifyEvent tick = description_.reveal ? std::move(reveal) : update_;
  if (description_.publishTimer) {
    timer_ = PublishStepTimer(&page_, interval, std::move(tick));
  } else {
    auto* timer = new TTimer(&page_);
    timer->SetInterval(interval);
    timer->SetOnTimer(std::move(tick));
    timer->SetEnabled(true);
    timer_ = timer;
  }
}

void TLiveGraph::RevealTick() {
  const int records = static_cast<int>(records_.size());
  if (revealStep_ == -1) {
    frame_->Show();
    ++revealStep_;
  } else if (revealStep_ < records) {
    ShowStepRecord(*records_[revealStep_], nullptr, nullptr);
    ++revealStep_;
  } else {
    GoLive();
  }
}

void TLiveGraph::GoLive() {
  for (TControl* c : liveControls_) c->Show();
  if (warning_) warning_->Hide();
  if (TTimer* timer = timer_.get()) {
    timer->SetInterval(10);
    timer->SetOnTimer(update_);
    timer->SetEnabled(true);
  }
}

void TLiveGraph::GoLive(TTimer* timer) {
  timer_ = timer;
  GoLive();
}

void TLiveGraph::ParamEdited() {
  paramsChanged_ = true;
  std::vector<double> values;
  for (const Bundle& b : params_) {
    double v = 0;
    if (!TryStrToFloat(b.edit->Text(), v)) {
      paramsChanged_ = false;
      return;
    }
    values.push_back(v);
  }
  if (!description_.tenths) return;
  // Each write may come back here through TenthsChanged; the texts converge at once.
  for (size_t i = 0; i < params_.size(); ++i) params_[i].tenths->SetText(TenthsText(values[i]));
}

void TLiveGraph::TenthsChanged(int index) {
  const Bundle& b = params_.at(index);
  double tenths = 0;
  if (!TryStrToFloat(b.tenths->Text(), tenths)) {
    if (description_.tenthsErrorClears) paramsChanged_ = false;
    return;
  }
  const double value = RoundTripText(tenths * 0.1);
  // Compared by value, not by text: a typed «-0» or «-0,» must keep its minus sign so that the
  // user can go on to «-0,5».
  double shown = 0;
  if (TryStrToFloat(b.edit->Text(), shown) && shown == value) return;
  b.edit->SetText(FloatToStr(value));
}

void TLiveGraph::Update(const std::function<void(const std::vector<double>&)>& page) {
  for (const Bundle& b : params_) {
    const std::vector<std::string>& pause = description_.pauseTexts;
    if (std::find(pause.begin(), pause.end(), b.edit->Text()) != pause.end()) {
      paramsChanged_ = false;
      return;
    }
  }
  if (!paramsChanged_) return;
  // Cleared at the end even when the page's code fails, so that a failure is reported once
  // and not every 10 ms; the clamps' own change events are consumed by this update.
  struct ClearAtEnd {
    bool& flag;
    ~ClearAtEnd() { flag = false; }
  } clear{paramsChanged_};

  for (const Bundle& b : params_) {
    double v = 0;
    if (!TryStrToFloat(b.edit->Text(), v)) return;
    if (v > b.param.high) {
      b.edit->SetText(FloatToStr(b.param.high));
    } else if (v < b.param.low) {
      b.edit->SetText(FloatToStr(b.param.low));
    }
  }
  std::vector<double> values;
  for (const Bundle& b : params_) {
    double v = 0;
    if (!TryStrToFloat(b.edit->Text(), v)) return;
    values.push_back(v == 0 ? 0.0 : v);  // «-0» and «-0,» are zero, never minus zero
  }
  page(values);
}

bool TLiveGraph::Draw(const std::string& expression, TColor colour, int picture) {
  Area& a = areas_.at(picture);
  TokenList list;
  if (!ParseExpression(expression, list)) {
    DrawEmpty(picture);
    return false;
  }
  a.graf->DrawGraph(*a.image, std::move(list), colour, true);
  a.drawn = expression;
  a.colour = colour;
  a.over.clear();
  return true;
}

bool TLiveGraph::DrawOver(const std::string& expression, TColor colour, int picture) {
  Area& a = areas_.at(picture);
  TokenList list;
  if (!ParseExpression(expression, list)) {
    a.over.clear();
    return false;
  }
  a.graf->DrawGraph(*a.image, std::move(list), colour, false);
  a.over = expression;
  a.overColour = colour;
  return true;
}

void TLiveGraph::DrawEmpty(int picture) {
  Area& a = areas_.at(picture);
  a.graf->DrawGrid(*a.image);
  a.drawn.clear();
  a.over.clear();
}

void TLiveGraph::MarkDegenerate(int index, bool degenerate) {
  params_.at(index).edit->SetColor(degenerate ? kDegenerateEdit : kEditColour);
}

std::string TLiveGraph::Number(double value) const {
  return FloatToStr(RoundToDecimals(value, description_.decimals));
}

std::string TLiveGraph::Signed(double value) const {
  const double r = RoundToDecimals(value, description_.decimals);
  return r < 0 ? "– " + FloatToStr(-r) : "+ " + FloatToStr(r);
}

std::string TLiveGraph::Term(double value) {
  return FloatToStr(value);
}

std::string TLiveGraph::TypedTerm(const std::string& typed, double value) {
  if (value == 0) return "0";  // never «-0»
  // -?digits(,digits)?: what the expression language reads as a number.
  size_t i = !typed.empty() && typed[0] == '-' ? 1 : 0;
  auto digits = [&] {
    const size_t start = i;
    while (i < typed.size() && typed[i] >= '0' && typed[i] <= '9') ++i;
    return i > start;
  };
  bool plain = digits();
  if (plain && i < typed.size() && typed[i] == ',') {
    ++i;
    plain = digits();
  }
  return plain && i == typed.size() ? typed : Term(value);
}

std::string TLiveGraph::FollowingTerm(const std::string& text) {
  return !text.empty() && text[0] == '-' ? text : "+" + text;
}

namespace {

// The width that a label's text takes as it is painted. The widget paints with its font resolved
// against the form's, whose narrowed MS Sans Serif lends it its stretch, while the label's box is
// measured in the font alone; a row set by the boxes would open gaps after the longer pieces.
int PaintedWidth(const TControl* c) {
  if (!c->Widget() || (!dynamic_cast<const TLabel*>(c) && !dynamic_cast<const TStaticText*>(c))) {
    return c->Width();
  }
  return QFontMetrics(c->Widget()->font()).horizontalAdvance(QString::fromStdString(c->Caption()));
}

}  // namespace

void PlaceInRow(const std::vector<TControl*>& labels, const std::vector<int>& gaps) {
  for (size_t i = 1; i < labels.size(); ++i) {
    const int gap = i - 1 < gaps.size() ? gaps[i - 1] : 0;
    labels[i]->SetLeft(labels[i - 1]->Left() + PaintedWidth(labels[i - 1]) + gap);
  }
}

void LivePageCore::RunUpdate(TForm& page) const {
  if (TLiveGraph* l = LiveGraphOf(&page)) {
    l->Update([&](const std::vector<double>& v) {
      if (code_.update) code_.update(page, *l, v);
    });
  }
}

TNotifyEvent LivePageCore::UpdateEvent(TForm& page) const {
  return TNotifyEvent([this, &page](TObject*) { RunUpdate(page); }, "aktualizace");
}

void LivePageCore::AddTo(TFormClass& cls) const {
  auto reveal = [](TForm& page) {
    if (TLiveGraph* l = LiveGraphOf(&page)) l->RevealTick();
  };
  // The opening work runs once per page instance: the live state is its mark.
  cls.Handler<TForm>("Akce", [this, reveal](TForm& page, TObject*) {
    if (LiveGraphOf(&page)) return;
    auto* live = new TLiveGraph(page, description_);
    if (code_.open) code_.open(page, *live);
    live->Start(TNotifyEvent([&page, reveal](TObject*) { reveal(page); }, "zobrazeni"),
                UpdateEvent(page));
  });
  cls.Handler<TForm>("zobrazeni", [reveal](TForm& page, TObject*) { reveal(page); });
  AddLivePhase(cls);
}

void LivePageCore::AddLivePhase(TFormClass& cls) const {
  cls.Handler<TForm>("aktualizace", [this](TForm& page, TObject*) { RunUpdate(page); });
  cls.Handler<TForm>(code_.edited, [](TForm& page, TObject*) {
    if (TLiveGraph* l = LiveGraphOf(&page)) l->ParamEdited();
  });
  if (description_.tenths) {
    for (size_t i = 0; i < description_.params.size(); ++i) {
      cls.Handler<TForm>("pom" + description_.params[i].name + "Change",
                         [i](TForm& page, TObject*) {
                           if (TLiveGraph* l = LiveGraphOf(&page))
                             l->TenthsChanged(static_cast<int>(i));
                         });
    }
  }
  cls.Requires(LiveControlNames(description_));
}

TLiveGraph& LivePageCore::Attach(TForm& page) const {
  auto* live = new TLiveGraph(page, description_);
  if (code_.open) code_.open(page, *live);
  live->Prepare(UpdateEvent(page));
  return *live;
}
