#include "platform/timers.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

class QtSlot : public TimerSlot {
 public:
  explicit QtSlot(std::function<void()> onTick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [f = std::move(onTick)] { f(); });
  }
  void Start(int intervalMs) override { timer_.start(intervalMs); }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

class QtClock : public Clock {
 public:
  QtClock() { elapsed_.start(); }
  std::unique_ptr<TimerSlot> CreateSlot(std::function<void()> onTick) override {
    return std::make_unique<QtSlot>(std::move(onTick));
  }
  std::int64_t NowMs() const override { return elapsed_.elapsed(); }

 private:
  QElapsedTimer elapsed_;
};

Clock*& InstalledClock() {
  static Clock* clock = nullptr;
  return clock;
}

}  // namespace

Clock& CurrentClock() {
  static QtClock qtClock;
  Clock* c = InstalledClock();
  return c ? *c : qtClock;
}

void SetClock(Clock* clock) {
  InstalledClock() = clock;
}

// ---- VirtualClock ---------------------------------------------------------------------------

class VirtualClock::Slot : public TimerSlot {
 public:
  Slot(VirtualClock* clock, std::function<void()> onTick)
      : clock_(clock), onTick_(std::move(onTick)) {
    clock_->slots_.push_back(this);
  }
  ~Slot() override {
    if (clock_) {
      auto& s = clock_->slots_;
      s.erase(std::remove(s.begin(), s.end(), this), s.end());
    }
  }
  void Start(int intervalMs) override {
    active_ = true;
    interval_ = std::max(intervalMs, 1);
    due_ = clock_->now_ + interval_;
    order_ = ++clock_->sequence_;
  }
  void Stop() override { active_ = false; }

  VirtualClock* clock_;
  std::function<void()> onTick_;
  bool active_ = false;
  int interval_ = 0;
  std::int64_t due_ = 0;
  std::uint64_t order_ = 0;
};

VirtualClock::VirtualClock() = default;

VirtualClock::~VirtualClock() {
  for (Slot* s : slots_) s->clock_ = nullptr;
}

std::unique_ptr<TimerSlot> VirtualClock::CreateSlot(std::function<void()> onTick) {
  return std::make_unique<Slot>(this, std::move(onTick));
}

VirtualClock::Slot* VirtualClock::NextDue() const {
  Slot* best = nullptr;
  for (Slot* s : slots_) {
    if (!s->active_) continue;
    if (!best || s->due_ < best->due_ || (s->due_ == best->due_ && s->order_ < best->order_)) {
      best = s;
    }
  }
  return best;
}

std::int64_t VirtualClock::NextTickIn() const {
  Slot* s = NextDue();
  return s ? s->due_ - now_ : -1;
}

bool VirtualClock::AdvanceToNextTick() {
  Slot* s = NextDue();
  if (!s) return false;
  Advance(s->due_ - now_);
  return true;
}

void VirtualClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (;;) {
    Slot* s = NextDue();
    if (!s || s->due_ > end) break;
    now_ = s->due_;
    // The next period is counted from this tick unless the tick restarts or stops the timer.
    s->due_ = now_ + s->interval_;
    s->order_ = ++sequence_;
    auto tick = s->onTick_;  // the slot may die in its own tick
    tick();
  }
  now_ = end;
}

// ---- TTimer ---------------------------------------------------------------------------------

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  slot_ = CurrentClock().CreateSlot([this] { Tick(); });
}

TTimer::~TTimer() {
  slot_.reset();
}

void TTimer::Update() {
  slot_->Stop();
  running_ = enabled_ && interval_ > 0 && static_cast<bool>(onTimer_);
  if (running_) slot_->Start(interval_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  Update();
}

void TTimer::Tick() {
  if (ticking_ || !running_) return;
  ticking_ = true;
  // The handler may free the timer (closing its page): watch for that.
  TRef<TTimer> self(this);
  TNotifyEvent handler = onTimer_;
  Dispatch([&] { handler(this); });
  if (self) ticking_ = false;
}
