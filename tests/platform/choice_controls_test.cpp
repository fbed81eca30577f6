// Up-down arrows, page controls, combo and list boxes, radio and speed buttons.
#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include "platform/imglist.h"

#include "platform/buttons.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "tests/support/test_support.h"

namespace {

using ChoiceTest = PlatformFixture;

TEST_F(ChoiceTest, UpDownReadsTheEditBeforeEachStepAndWritesTheNumberBack) {
  TComponent owner(nullptr);
  auto* edit = new TMaskEdit(&owner);
  auto* arrows = new TUpDown(&owner);
  arrows->SetAssociate(edit);
  arrows->SetMin(-100);
  arrows->SetMax(100);
  arrows->SetPosition(10);
  std::vector<std::string> changes;
  edit->SetOnChange(TNotifyEvent([&](TObject*) { changes.push_back(edit->Text()); }));
  const struct {
    const char* text;  // the edit's text before the click
    TUDBtnType button;
    const char* after;
  } cases[] = {
      {"10", TUDBtnType::btNext, "11"},     {"14", TUDBtnType::btNext, "15"},
      {"-3", TUDBtnType::btPrev, "-4"},     {"abc", TUDBtnType::btNext, "-3"},  // the last position
      {"250", TUDBtnType::btNext, "100"},   {"100", TUDBtnType::btNext, "100"},
      {"-999", TUDBtnType::btPrev, "-100"}, {"1,5", TUDBtnType::btNext, "-99"},
  };
  for (const auto& c : cases) {
    edit->SetText(c.text);
    changes.clear();
    arrows->Step(c.button);
    EXPECT_EQ(edit->Text(), c.after) << c.text;
    // Writing the present text fires no change event.
    EXPECT_EQ(changes.size(), std::string(c.text) == c.after ? 0u : 1u) << c.text;
  }
}

TEST_F(ChoiceTest, UpDownClicksOfTheUser) {
  TComponent owner(nullptr);
  auto* edit = new TEdit(&owner);
  auto* arrows = new TUpDown(&owner);
  arrows->SetAssociate(edit);
  arrows->SetBounds(0, 0, 15, 22);
  edit->SetText("5");
  int clicks = 0;
  arrows->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
  QTest::mouseClick(arrows->Widget(), Qt::LeftButton, {}, QPoint(7, 3));
  EXPECT_EQ(edit->Text(), "6") << "the upper arrow counts up";
  QTest::mouseClick(arrows->Widget(), Qt::LeftButton, {}, QPoint(7, 18));
  QTest::mouseClick(arrows->Widget(), Qt::LeftButton, {}, QPoint(7, 18));
  EXPECT_EQ(edit->Text(), "4");
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(arrows->LastButton(), TUDBtnType::btPrev);
}

TEST_F(ChoiceTest, PageControlReportsOnlyTheUsersChoice) {
  TComponent owner(nullptr);
  auto* pc = new TPageControl(&owner);
  pc->SetBounds(0, 0, 400, 300);
  pc->SetStyle(TTabStyle::tsFlatButtons);
  for (const char* caption : {"1", "2 a-b", "2   (část 2)"}) {
    auto* sheet = new TTabSheet(&owner);
    sheet->SetParent(pc);
    sheet->SetCaption(caption);
  }
  pc->Loaded();
  int changes = 0;
  pc->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  EXPECT_EQ(pc->ActivePageIndex(), 0);
  pc->SetActivePageIndex(2);
  EXPECT_EQ(changes, 0) << "from code: no change event";
  EXPECT_TRUE(pc->Pages(2)->Visible());
  EXPECT_FALSE(pc->Pages(0)->Visible());
  pc->SetActivePageIndex(4);
  EXPECT_EQ(pc->ActivePageIndex(), 0) << "beyond the last tab: the first";
  pc->Widget()->show();
  QRect tab = pc->TabRect(1);
  QTest::mouseClick(pc->Widget(), Qt::LeftButton, {}, tab.center());
  EXPECT_EQ(pc->ActivePageIndex(), 1);
  EXPECT_EQ(changes, 1);
  QTest::mouseClick(pc->Widget(), Qt::LeftButton, {}, tab.center());
  EXPECT_EQ(changes, 1) << "the tab already shown";
  QTest::keyClick(pc->Widget(), Qt::Key_Right);
  EXPECT_EQ(pc->ActivePageIndex(), 2);
  EXPECT_EQ(changes, 2) << "by keyboard too";
  EXPECT_GT(pc->Pages(0)->Top(), 0) << "sheets lie below the tabs";
}

TEST_F(ChoiceTest, ComboBoxFiresOnEveryPickOfTheUserAndNeverFromCode) {
  TComponent owner(nullptr);
  auto* combo = new TComboBox(&owner);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->Items().Assign({"sinus", "kosinus", "tangens"});
  int changes = 0;
  combo->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  combo->SetItemIndex(1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo->Text(), "kosinus");
  emit combo->ComboBox()->activated(1);  // the user picks the item already shown
  emit combo->ComboBox()->activated(2);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(ChoiceTest, RadioButtonsOfOneParentFormAGroup) {
  TComponent owner(nullptr);
  auto* box = new TGroupBox(&owner);
  std::vector<TRadioButton*> r;
  std::vector<std::string> clicks;
  for (const char* name : {"A", "B", "C"}) {
    auto* b = new TRadioButton(&owner);
    b->SetName(name);
    b->SetParent(box);
    b->SetOnClick(TNotifyEvent([&clicks, b](TObject*) { clicks.push_back(b->Name()); }));
    r.push_back(b);
  }
  r[0]->SetChecked(true);
  r[2]->SetChecked(true);
  EXPECT_FALSE(r[0]->Checked());
  EXPECT_TRUE(r[2]->Checked());
  EXPECT_EQ(clicks, (std::vector<std::string>{"A", "C"})) << "checking from code clicks";
  box->Widget()->show();
  QTest::mouseClick(r[1]->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(r[1]->Checked());
  EXPECT_FALSE(r[2]->Checked());
  EXPECT_EQ(clicks.back(), "B");
}

TEST_F(ChoiceTest, SpeedButtonsClickTakeNoFocusAndStayDownInAGroup) {
  TComponent owner(nullptr);
  auto* panel = new TPanel(&owner);
  auto* a = new TSpeedButton(&owner);
  auto* b = new TSpeedButton(&owner);
  a->SetParent(panel);
  b->SetParent(panel);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int clicks = 0;
  a->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
  panel->Widget()->show();
  QTest::mouseClick(a->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(a->Down());
  b->Click();
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->Widget()->focusPolicy(), Qt::NoFocus);
  a->SetEnabled(false);
  QTest::mouseClick(a->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ChoiceTest, ToolButtonsTurnOverBeforeTheirClickSizeThemselvesAndShowTheirPictures) {
  TComponent owner(nullptr);
  auto* list = new TImageList(&owner);
  list->SetWidth(46);
  list->SetHeight(22);
  for (QColor c : {QColor(Qt::red), QColor(Qt::blue)}) {
    QImage img(46, 22, QImage::Format_ARGB32);
    img.fill(c);
    list->Add(img);
  }
  auto* bar = new TToolBar(&owner);
  bar->SetBounds(0, 0, 400, 36);
  bar->SetButtonWidth(65);
  bar->SetButtonHeight(30);
  bar->SetImages(list);
  auto* check = new TToolButton(&owner);
  check->SetParent(bar);
  check->SetStyle(TToolButtonStyle::tbsCheck);
  check->SetImageIndex(0);
  auto* sized = new TToolButton(&owner);
  sized->SetLeft(100);
  sized->SetParent(bar);
  sized->SetAutoSize(true);
  bool downInClick = false;
  int clicks = 0;
  check->SetOnClick(TNotifyEvent([&](TObject*) { downInClick = check->Down(); }));
  sized->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
  bar->Widget()->show();
  QTest::mouseClick(check->Widget(), Qt::LeftButton);
  EXPECT_TRUE(downInClick) << "a click of the user turns a check button over first";
  QTest::mouseClick(check->Widget(), Qt::LeftButton);
  EXPECT_FALSE(downInClick);
  check->Click();
  EXPECT_FALSE(check->Down()) << "a click from code runs OnClick only";
  EXPECT_EQ(check->Width(), 65);
  EXPECT_EQ(sized->Width(), 46 + 8) << "sized to its picture";
  EXPECT_EQ(sized->Left(), 65) << "buttons follow each other";
  QTest::mouseClick(sized->Widget(), Qt::LeftButton);
  sized->SetEnabled(false);
  QTest::mouseClick(sized->Widget(), Qt::LeftButton);
  EXPECT_EQ(clicks, 1) << "a disabled button takes no click";
  auto colour = [](TToolButton* b) {
    return static_cast<QToolButton*>(b->Widget())
        ->icon()
        .pixmap(46, 22)
        .toImage()
        .pixelColor(20, 10);
  };
  EXPECT_EQ(colour(check), QColor(Qt::red));
  check->SetImageIndex(1);
  EXPECT_EQ(colour(check), QColor(Qt::blue));
}

}  // namespace
