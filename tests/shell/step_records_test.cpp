// Step records and the shared page routines.
#include <QTextCursor>
#include <QTextEdit>

#include "platform/stdctrls.h"
#include "shell/unit_zaznam.h"
#include "tests/support/test_support.h"

namespace {

std::vector<std::string> shown;

// A label that notes when it becomes visible, to see the order of a reveal.
class TNotingLabel : public TLabel {
 public:
  using TLabel::TLabel;

 protected:
  void VisibleChanged() override {
    TLabel::VisibleChanged();
    shown.push_back(Name() + (Visible() ? " on" : " off"));
  }
};

class StepRecordTest : public PlatformFixture {
 protected:
  void SetUp() override {
    PlatformFixture::SetUp();
    shown.clear();
    for (const char* name : {"a", "b", "c", "btnRes"}) {
      auto* l = new TNotingLabel(&owner);
      l->SetName(name);
      l->SetVisible(false);
    }
    shown.clear();
    timer = new TTimer(&owner);
    timer->SetOnTimer(TNotifyEvent([](TObject*) {}));
  }
  TControl* C(const char* name) { return static_cast<TControl*>(owner.FindComponent(name)); }
  TComponent owner{nullptr};
  TTimer* timer = nullptr;
};

TEST_F(StepRecordTest, AnEmptyRecordOnlyHidesTheSolutionButton) {
  C("btnRes")->SetVisible(true);
  shown.clear();
  Tzaznam empty;
  ShowStepRecord(empty, timer, C("btnRes"));
  EXPECT_EQ(shown, (std::vector<std::string>{"btnRes off"}));
  EXPECT_TRUE(timer->Enabled());
  EXPECT_TRUE(empty.StepText.empty());
}

TEST_F(StepRecordTest, AWaitingRecordShowsItsControlsThenTheButtonAndStopsTheTimer) {
  Tzaznam_new r;
  r.Control1 = C("a");
  r.Control3 = C("c");
  r.WaitForSolution = true;
  ShowStepRecord(r, timer, C("btnRes"));
  EXPECT_EQ(shown, (std::vector<std::string>{"a on", "c on", "btnRes on"}));
  EXPECT_FALSE(C("b")->Visible());
  EXPECT_FALSE(timer->Enabled());
  shown.clear();
  ShowStepRecord(r, timer, C("btnRes"));
  EXPECT_TRUE(shown.empty()) << "the same record again changes nothing";
  Tzaznam plain;
  plain.Control2 = C("b");
  ShowStepRecord(plain, nullptr, nullptr);  // an empty timer and no button are skipped
  EXPECT_TRUE(C("b")->Visible());
}

class RichRangeTest : public PlatformFixture {
 protected:
  void SetUp() override {
    PlatformFixture::SetUp();
    box = std::make_unique<TRichEdit>(nullptr);
    box->Font().SetName("Times New Roman");
    box->Font().SetHeight(-16);
    box->Lines().Assign({"ab", "cdx", "ef"});
  }
  QTextCharFormat At(int docPos) {
    QTextCursor c(box->TextEdit()->document());
    c.setPosition(docPos + 1);
    return c.charFormat();
  }
  std::unique_ptr<TRichEdit> box;
};

TEST_F(RichRangeTest, PositionsCountALineBreakAsTwoCharacters) {
  // "ab" CR LF "cdx": the x stands at 6, in the document at 5.
  EXPECT_EQ(box->DocumentPosition(6), 5);
  EXPECT_EQ(box->DocumentPosition(0), 0);
  EXPECT_EQ(box->DocumentPosition(9), 7);  // "ef" begins after the second line break
  for (int past : {11, 12, 13, 20}) EXPECT_EQ(box->DocumentPosition(past), 9) << "the end";
  FormatRichRange(box.get(), 6, 1, true, false, "", 0);
  EXPECT_TRUE(At(5).fontItalic());
  EXPECT_FALSE(At(4).fontItalic()) << "the d";
  EXPECT_FALSE(At(7).fontItalic()) << "the e";
  EXPECT_EQ(At(5).font().pixelSize(), 16) << "the size stays";
}

TEST_F(RichRangeTest, StylesFontsAndSizes) {
  const struct {
    bool italic, bold;
    TFontStyles before, after;
  } styles[] = {
      {true, true, 0, fsBold | fsItalic},
      {true, false, 0, fsItalic},
      {false, true, 0, fsBold},
      {false, false, fsBold, fsBold},  // both false: the style stays
  };
  for (const auto& s : styles) {
    box->SetSelStart(0);
    box->SetSelLength(2);
    box->SelAttributes().SetStyle(s.before);
    FormatRichRange(box.get(), 0, 2, s.italic, s.bold, "", 0);
    box->SetSelStart(1);
    EXPECT_EQ(box->SelAttributes().Style(), s.after) << s.italic << s.bold;
  }
  FormatRichRange(box.get(), 4, 2, true, false, "Times New Roman", 6);
  EXPECT_EQ(At(3).font().pixelSize(), 8) << "6 points";
  EXPECT_EQ(At(3).fontFamilies().toStringList().front(), "Liberation Serif");
  FormatRichRange(box.get(), 7, 2, false, false, "", 0);
  EXPECT_EQ(box->SelStart(), 7);
  EXPECT_EQ(box->SelLength(), 2);
  EXPECT_FALSE(At(6).fontItalic()) << "only the selection moved";
}

TEST(FormatNegative, EnDashBlankAndTheAbsoluteValue) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"-0,5", "– 0,5"}, {"3", "– 3"}, {"0,0", "– 0"}, {"-0", "– 0"}, {"-2,50", "– 2,5"}};
  for (const auto& c : cases) {
    std::string out;
    FormatNegative(c.in, out);
    EXPECT_EQ(out, c.out) << c.in;
  }
  std::string out = "kept";
  EXPECT_THROW(FormatNegative("abc", out), EConvertError);
  EXPECT_EQ(out, "kept");
}

}  // namespace
