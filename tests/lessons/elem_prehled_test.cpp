// Page 4.11  Přehled elementárních funkcí: the overview built group by group, one group a
// second; the ticks go on after the last step and change nothing.
#include "lessons/unit_frmFceElemPrehled.h"
#include "platform/extctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

constexpr int kRow = 30;

// Every control the overview reveals, in the order of its groups.
const std::vector<std::string> kAll = {
    "text11", "graf11", "text13", "graf13", "text12", "graf12", "text14", "graf14", "graf15",
    "graf16", "graf17", "graf18", "graf19", "obd1",   "text21", "graf21", "graf23", "text22",
    "graf22", "graf24", "obd2",   "text31", "graf31", "graf33", "graf35", "graf37", "text32",
    "graf32", "graf34", "graf36", "graf38", "obd3",   "text01"};

class PrehledTest : public SteppedPageTest {
 protected:
  // The controls of the overview now visible, in the order above.
  std::string Visible() {
    std::string out;
    for (const std::string& n : kAll) {
      if (Shown(n)) out += (out.empty() ? "" : " ") + n;
    }
    return out;
  }
  // What the n-th group adds to what the groups before it showed.
  static std::string Through(const std::string& last) {
    std::string out;
    for (const std::string& n : kAll) {
      out += (out.empty() ? "" : " ") + n;
      if (n == last) break;
    }
    return last.empty() ? "" : out;
  }
};

TEST_F(PrehledTest, BuildsTheTableGroupByGroupAndThenTicksWithoutEffect) {
  const struct Row {
    std::int64_t t;
    const char* last;  // the last control shown so far
  } rows[] = {
      {0, ""},          {999, ""},        {1000, "graf11"},  {2000, "graf13"},
      {3000, "graf12"}, {4000, "graf19"}, {5000, "obd1"},    {6000, "graf23"},
      {7000, "graf24"}, {8000, "obd2"},   {9000, "graf37"},  {10000, "graf38"},
      {11000, "obd3"},  {11999, "obd3"},  {12000, "text01"}, {60000, "text01"},
  };
  OpenPage(kRow);
  for (const Row& r : rows) {
    At(r.t);
    SCOPED_TRACE(r.t);
    EXPECT_EQ(Visible(), Through(r.last));
    EXPECT_TRUE(Running()) << "the timer never stops";
    EXPECT_EQ(StepTimer->Interval(), 1000);
  }
  // Pausing and resuming after the end shows nothing new.
  PressTool(&TfrmMain::Pauza);
  EXPECT_FALSE(Running());
  PressTool(&TfrmMain::Pauza);
  At(70000);
  EXPECT_EQ(Visible(), Through("text01"));
}

TEST_F(PrehledTest, StepModeShowsOneGroupAPress) {
  PressTool(&TfrmMain::btnKrokujClick);
  OpenPage(kRow);
  EXPECT_EQ(Toolbar(), "011") << "state D: no pause in step mode";
  At(1000);
  EXPECT_EQ(Visible(), Through("graf11"));
  EXPECT_FALSE(Running());
  At(5000);
  EXPECT_EQ(Visible(), Through("graf11"));
  for (const char* last : {"graf13", "graf12", "graf19", "obd1"}) {
    PressTool(&TfrmMain::btnKrokClick);
    clock.Advance(100);
    EXPECT_EQ(Visible(), Through(last));
    EXPECT_FALSE(Running());
  }
}

TEST_F(PrehledTest, GraphsLieOnTheFramesAndNothingCoversAnother) {
  OpenPage(kRow);
  At(13000);
  TForm* page = Page();
  auto order = [page](TControl* c) {
    for (int i = 0; i < page->ControlCount(); ++i) {
      if (page->Controls(i) == c) return i;
    }
    return -1;
  };
  auto inside = [](TControl* inner, TControl* outer) {
    return inner->Left() > outer->Left() && inner->Top() > outer->Top() &&
           inner->Left() + inner->Width() < outer->Left() + outer->Width() &&
           inner->Top() + inner->Height() < outer->Top() + outer->Height();
  };
  const struct {
    const char* frame;
    std::vector<std::string> content;
  } blocks[] = {
      {"obd1",
       {"text11", "graf11", "text13", "graf13", "text12", "graf12", "text14", "graf14", "graf15",
        "graf16", "graf17", "graf18", "graf19"}},
      {"obd2", {"text21", "graf21", "graf23", "text22", "graf22", "graf24"}},
      {"obd3",
       {"text31", "graf31", "graf33", "graf35", "graf37", "text32", "graf32", "graf34", "graf36",
        "graf38"}},
  };
  std::vector<TControl*> placed;
  for (const auto& b : blocks) {
    TControl* frame = C(b.frame);
    for (const std::string& n : b.content) {
      TControl* c = C(n);
      EXPECT_TRUE(inside(c, frame)) << n << " inside " << b.frame;
      EXPECT_GT(order(c), order(frame)) << n << " above " << b.frame;
      if (auto* img = dynamic_cast<TImage*>(c)) {
        EXPECT_EQ(img->Picture().Width(), 57) << n;
        EXPECT_EQ(img->Picture().Height(), 57) << n;
      }
      for (TControl* other : placed) {
        const bool apart = c->Left() >= other->Left() + other->Width() ||
                           other->Left() >= c->Left() + c->Width() ||
                           c->Top() >= other->Top() + other->Height() ||
                           other->Top() >= c->Top() + c->Height();
        EXPECT_TRUE(apart) << n << " and " << other->Name();
      }
      placed.push_back(c);
    }
  }
  TControl* text = C("text01");
  EXPECT_EQ(text->Caption().rfind("Máte před sebou přehled  elementárních funkcí.", 0), 0u);
  EXPECT_NE(text->Caption().find("modře"), std::string::npos);
  EXPECT_LE(text->Top() + text->Height(), 545);
}

}  // namespace
