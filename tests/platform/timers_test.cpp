// Timer semantics on the virtual clock.
#include "platform/timers.h"

#include "tests/support/test_support.h"

namespace {

class TimersTest : public PlatformFixture {
 protected:
  std::vector<std::int64_t> ticks;
  TNotifyEvent Record() {
    return TNotifyEvent([this](TObject*) { ticks.push_back(clock.NowMs()); }, "record");
  }
};

TEST_F(TimersTest, ANewTimerIsEnabledWithASecondAndRunsOnceItHasAHandler) {
  TComponent owner(nullptr);
  auto* t = new TTimer(&owner);
  EXPECT_TRUE(t->Enabled());
  EXPECT_EQ(t->Interval(), 1000);
  EXPECT_FALSE(t->Running()) << "no handler yet";
  clock.Advance(5000);
  t->SetOnTimer(Record());
  clock.Advance(2500);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{6000, 7000}));
}

TEST_F(TimersTest, RestartRules) {
  TComponent owner(nullptr);
  auto* t = new TTimer(&owner);
  t->SetInterval(100);
  t->SetOnTimer(Record());  // starts at 0: ticks at 100, 200, ...
  clock.Advance(150);
  t->SetEnabled(true);  // already running: the period goes on
  clock.Advance(50);
  EXPECT_EQ(ticks.back(), 200);
  clock.Advance(30);
  t->SetInterval(100);  // the same interval: nothing
  clock.Advance(70);
  EXPECT_EQ(ticks.back(), 300);
  clock.Advance(40);
  t->SetInterval(50);  // a new interval at 340 restarts: 390, 440
  clock.Advance(100);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300, 390, 440}));
  clock.Advance(10);
  t->SetOnTimer(Record());  // a new handler at 450 restarts too: 500
  clock.Advance(50);
  EXPECT_EQ(ticks.back(), 500);
  t->SetEnabled(false);
  clock.Advance(10000);
  EXPECT_EQ(ticks.back(), 500) << "a stopped timer never fires";
  t->SetInterval(0);
  t->SetEnabled(true);
  clock.Advance(1000);
  EXPECT_EQ(ticks.back(), 500) << "interval 0 does not run";
}

TEST_F(TimersTest, ATickMayChangeItsOwnTimerOrFreeIt) {
  TComponent owner(nullptr);
  auto* t = new TTimer(&owner);
  t->SetInterval(100);
  int n = 0;
  t->SetOnTimer(TNotifyEvent([&](TObject* sender) {
    ticks.push_back(clock.NowMs());
    auto* self = static_cast<TTimer*>(sender);
    if (++n == 1) self->SetInterval(300);  // the next pause counts from this tick
    if (n == 2) Free(self);                // the page closes in its own tick
  }));
  clock.Advance(2000);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 400}));
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(TimersTest, TicksNeverOverlap) {
  TComponent owner(nullptr);
  auto* t = new TTimer(&owner);
  t->SetInterval(10);
  int depth = 0, deepest = 0;
  t->SetOnTimer(TNotifyEvent([&](TObject*) {
    ++depth;
    deepest = std::max(deepest, depth);
    // A handler that lets time pass (as a modal box does) must not see its own next tick.
    if (clock.NowMs() == 10) clock.Advance(25);
    --depth;
  }));
  clock.Advance(100);
  EXPECT_EQ(deepest, 1);
}

TEST_F(TimersTest, ErrorsInATickGoToTheErrorHandlerAndTheTimerGoesOn) {
  TComponent owner(nullptr);
  auto* t = new TTimer(&owner);
  t->SetInterval(100);
  t->SetOnTimer(TNotifyEvent([&](TObject*) {
    ticks.push_back(clock.NowMs());
    throw EFOpenError("Cannot open file \"a.jpg\". No such file or directory");
  }));
  clock.Advance(200);
  EXPECT_EQ(ticks.size(), 2u);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Cannot open file \"a.jpg\". No such file or directory.");
}

TEST_F(TimersTest, TimersDieWithTheirOwner) {
  auto* owner = new TComponent(nullptr);
  auto* t = new TTimer(owner);
  TRef<TTimer> ref(t);
  t->SetInterval(10);
  t->SetOnTimer(Record());
  Free(owner);
  EXPECT_FALSE(ref);
  clock.Advance(100);
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(clock.NextTickIn(), -1);
}

}  // namespace
