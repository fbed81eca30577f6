// Timers and the clock they run on. The program runs on Qt's timers; tests install a virtual
// clock that they advance by hand, so a presentation can be played step by step.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/classes.h"

// One scheduled timer of a clock.
class TimerSlot {
 public:
  virtual ~TimerSlot() = default;
  // (Re)starts the period: the first tick comes `intervalMs` from now.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::unique_ptr<TimerSlot> CreateSlot(std::function<void()> onTick) = 0;
  virtual std::int64_t NowMs() const = 0;
};

// The clock of new timers. The default is Qt's; SetClock(nullptr) returns to it.
Clock& CurrentClock();
void SetClock(Clock* clock);

// A clock that moves only when told. Ticks fire in time order; a timer restarted by its own
// tick counts its period from that tick.
class VirtualClock : public Clock {
 public:
  VirtualClock();
  ~VirtualClock() override;
  std::unique_ptr<TimerSlot> CreateSlot(std::function<void()> onTick) override;
  std::int64_t NowMs() const override { return now_; }
  // Moves the time forward by `ms`, firing every tick that falls due on the way.
  void Advance(std::int64_t ms);
  // Moves to the next tick due and fires it; false when no timer runs.
  bool AdvanceToNextTick();
  // Milliseconds until the next tick, or -1 when no timer runs.
  std::int64_t NextTickIn() const;

 private:
  class Slot;
  friend class Slot;
  Slot* NextDue() const;
  std::int64_t now_ = 0;
  std::uint64_t sequence_ = 0;
  std::vector<Slot*> slots_;
};

// The class library's timer: a new timer is enabled with an interval of 1000 ms. It runs while
// it is enabled, its interval is not 0 and it has a tick handler. Enabling a running timer or
// giving it the same interval changes nothing; a new interval or a new handler restarts the
// period. Ticks run through the default error handler and never overlap.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::string_view ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);
  // Whether ticks are scheduled.
  bool Running() const { return running_; }

 private:
  void Update();
  void Tick();
  std::unique_ptr<TimerSlot> slot_;
  bool enabled_ = true;
  int interval_ = 1000;
  bool running_ = false;
  bool ticking_ = false;
  TNotifyEvent onTimer_;
};
