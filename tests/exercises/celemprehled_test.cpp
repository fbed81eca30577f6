// The typed answers of page 4.11: the check of one item and of a whole tab, the exact text
// comparison, the lock of a checked box, the order of the Tab key, the texts of the page and the
// enlarged graphs.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "exercises/unit_frmFceCElemPrehled.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/graphics.h"
#include "platform/stdctrls.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

// The numbers of the graphs that the formulas of each tab show, items from a.
const std::vector<std::string> kAnswers[5] = {
    {"3", "7", "1", "5", "8", "6", "10", "4", "2", "9"},
    {"10", "5", "8", "1", "7", "4", "9", "2", "3", "6"},
    {"6", "10", "4", "8", "2", "9", "3", "7", "5", "1"},
    {"1", "5", "10", "3", "7"},
    {"4", "8", "5", "9", "6"},
};
const char* const kCheckAll[5] = {"SpeedButton1", "SpeedButton6", "SpeedButton17", "SpeedButton12",
                                  "SpeedButton19"};
const char* const kStatements[5] = {"Label80", "Label2", "Label5", "Label10", "Label18"};

struct Item {
  int part;
  char x;
  std::string answer;
  std::string Suffix() const { return std::to_string(part) + x; }
  std::string Box() const { return part == 1 ? std::string("text_") + x : "text_" + Suffix(); }
};

std::vector<Item> AllItems() {
  std::vector<Item> items;
  for (int p = 1; p <= 5; ++p) {
    for (size_t i = 0; i < kAnswers[p - 1].size(); ++i) {
      items.push_back({p, static_cast<char>('a' + i), kAnswers[p - 1][i]});
    }
  }
  return items;
}

class ElemPrehledTest : public ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    Open(58);
    ASSERT_EQ(OpenClass(), "frmFceCElemPrehled");
    // Keys and focus go to the active window, as on the screen.
    frmMain->Widget()->activateWindow();
    QApplication::setActiveWindow(frmMain->Widget()->window());
  }

  TEdit* Box(const Item& item) { return Get<TEdit>(item.Box()); }
  void PickTab(int part) { ExerciseTest::PickTab(part - 1); }
  void Click(const std::string& name) {
    Dispatch([&] { Get(name)->Click(); });
  }
  void Check(const Item& item) { Click("btnu" + item.Suffix()); }
  std::string Focused() {
    TControl* c = TControl::FromWidget(QApplication::focusWidget());
    return c ? std::string(c->Name()) : std::string();
  }
  bool Shows(const std::string& name) { return Get(name)->Visible(); }

  // Right: tick, green, focus on the instructions; nothing else shown.
  void ExpectRight(const Item& item) {
    SCOPED_TRACE(item.Box());
    EXPECT_TRUE(Shows("faja_" + item.Suffix()));
    EXPECT_FALSE(Shows("ne_" + item.Suffix()));
    EXPECT_FALSE(Shows("obd_" + item.Suffix()));
    EXPECT_FALSE(Shows("resu" + item.Suffix()));
    EXPECT_EQ(Box(item)->Font().Color(), clGreen);
    EXPECT_EQ(Focused(), "popis" + std::to_string(item.part));
    EXPECT_TRUE(Get("btnu" + item.Suffix())->Enabled()) << "the pencil stays enabled";
  }
  // Wrong: cross, the rectangle and the right number with its full stop, red; the focus on that
  // number on the first tab, on the instructions elsewhere.
  void ExpectWrong(const Item& item) {
    SCOPED_TRACE(item.Box());
    EXPECT_FALSE(Shows("faja_" + item.Suffix()));
    EXPECT_TRUE(Shows("ne_" + item.Suffix()));
    EXPECT_TRUE(Shows("obd_" + item.Suffix()));
    ASSERT_TRUE(Shows("resu" + item.Suffix()));
    EXPECT_EQ(Get<TMemo>("resu" + item.Suffix())->Lines().Text(), item.answer + ".\r\n");
    EXPECT_EQ(Box(item)->Font().Color(), clRed);
    EXPECT_EQ(Focused(),
              item.part == 1 ? "resu" + item.Suffix() : "popis" + std::to_string(item.part));
    EXPECT_TRUE(Get("btnu" + item.Suffix())->Enabled()) << "the pencil stays enabled";
  }
  void ExpectLocked(const Item& item) {
    EXPECT_TRUE(Box(item)->ReadOnly()) << item.Box();
    EXPECT_EQ(Box(item)->DragMode(), TDragMode::dmAutomatic) << item.Box();
  }
};

TEST_F(ElemPrehledTest, EveryItemRightAndThenWrongOnAFreshPage) {
  const std::vector<Item> items = AllItems();
  ASSERT_EQ(items.size(), 40u);
  for (const Item& item : items) {
    PickTab(item.part);
    Box(item)->SetText(item.answer);
    Check(item);
    ExpectRight(item);
    ExpectLocked(item);
    EXPECT_EQ(Box(item)->Text(), item.answer);
  }
  Open(58);  // a new instance: empty, open, black boxes and nothing shown
  for (size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    EXPECT_EQ(Box(item)->Text(), "");
    EXPECT_FALSE(Box(item)->ReadOnly());
    EXPECT_EQ(Box(item)->Font().Color(), clBlack);
    EXPECT_FALSE(Shows("faja_" + item.Suffix()) || Shows("resu" + item.Suffix()));
    PickTab(item.part);
    // Half empty, half the number of a neighbouring formula's graph.
    const std::string wrong = i % 2 ? items[i ^ 1].answer : "";
    Box(item)->SetText(wrong);
    Check(item);
    ExpectWrong(item);
    ExpectLocked(item);
    EXPECT_EQ(Box(item)->Text(), wrong) << "the text stays as typed";
  }
}

TEST_F(ElemPrehledTest, OnlyTheExactTextPasses) {
  struct Case {
    char x;  // on the first tab: a expects "3", g expects "10"
    const char* typed;
    bool right;
  };
  const Case cases[] = {
      {'a', "3", true},    {'a', "3 ", false},  {'a', " 3", false}, {'a', "03", false},
      {'a', "", false},    {'a', "3.", false},  {'a', "8", false},  {'g', "10", true},
      {'g', "010", false}, {'g', "10 ", false}, {'g', "1", false},  {'g', "1O", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.x) + " «" + c.typed + "»");
    Open(58);
    const Item item{1, c.x, c.x == 'a' ? "3" : "10"};
    Box(item)->SetText(c.typed);
    Check(item);
    if (c.right) {
      ExpectRight(item);
    } else {
      ExpectWrong(item);
    }
  }
}

TEST_F(ElemPrehledTest, CheckAllMarksEveryItemOfItsTabOnly) {
  const std::vector<Item> items = AllItems();
  for (int p = 1; p <= 5; ++p) {
    SCOPED_TRACE(p);
    PickTab(p);
    // The first item right, the others left empty.
    const Item first{p, 'a', kAnswers[p - 1][0]};
    Box(first)->SetText(first.answer);
    Click(kCheckAll[p - 1]);
    for (const Item& item : items) {
      if (item.part > p) {
        EXPECT_FALSE(Box(item)->ReadOnly()) << item.Box() << " of a later tab is untouched";
        continue;
      }
      if (item.part < p) continue;
      ExpectLocked(item);
      const bool right = item.x == 'a';
      EXPECT_EQ(Shows("faja_" + item.Suffix()), right) << item.Box();
      EXPECT_EQ(Shows("resu" + item.Suffix()), !right) << item.Box();
      EXPECT_EQ(Shows("ne_" + item.Suffix()), !right) << item.Box();
      EXPECT_EQ(Box(item)->Font().Color(), right ? clGreen : clRed) << item.Box();
    }
    // Where the check of the last item left it.
    const Item last{p, static_cast<char>('a' + kAnswers[p - 1].size() - 1), ""};
    EXPECT_EQ(Focused(), p == 1 ? "resu" + last.Suffix() : "popis" + std::to_string(p));
    EXPECT_TRUE(Get(kCheckAll[p - 1])->Enabled()) << "\"ověř vše\" stays enabled";
    for (const Item& item : items) {
      if (item.part == p) {
        EXPECT_TRUE(Get("btnu" + item.Suffix())->Enabled()) << item.Box();
      }
    }
    // A second round compares the same locked texts: the same verdicts.
    Click(kCheckAll[p - 1]);
    EXPECT_TRUE(Shows("faja_" + first.Suffix()));
    EXPECT_EQ(Box(first)->Font().Color(), clGreen);
  }
}

// What the user may do to a box, with the keyboard, the clipboard or the mouse.
struct Action {
  const char* name;
  std::function<void(QLineEdit*)> run;
};

std::vector<Action> Actions() {
  return {
      {"typing",
       [](QLineEdit* e) {
         e->setFocus();
         e->end(false);
         QTest::keyClicks(e, "7");
       }},
      {"backspace",
       [](QLineEdit* e) {
         e->setFocus();
         e->end(false);
         QTest::keyClick(e, Qt::Key_Backspace);
       }},
      {"delete",
       [](QLineEdit* e) {
         e->setFocus();
         e->home(false);
         QTest::keyClick(e, Qt::Key_Delete);
       }},
      {"paste",
       [](QLineEdit* e) {
         QApplication::clipboard()->setText("9");
         e->setFocus();
         e->selectAll();
         QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
       }},
      {"shift+insert",
       [](QLineEdit* e) {
         QApplication::clipboard()->setText("9");
         e->setFocus();
         e->selectAll();
         QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
       }},
      {"cut",
       [](QLineEdit* e) {
         e->setFocus();
         e->selectAll();
         QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
       }},
      {"undo",
       [](QLineEdit* e) {
         e->setFocus();
         QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
       }},
      {"click and type",
       [](QLineEdit* e) {
         QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(4, 10));
         QTest::keyClicks(QApplication::focusWidget(), "7");
       }},
      {"double click and type",
       [](QLineEdit* e) {
         QTest::mouseDClick(e, Qt::LeftButton, {}, QPoint(6, 10));
         QTest::keyClicks(QApplication::focusWidget(), "7");
       }},
      {"middle click",
       [](QLineEdit* e) {
         QApplication::clipboard()->setText("9", QClipboard::Selection);
         QApplication::clipboard()->setText("9");
         QTest::mouseClick(e, Qt::MiddleButton, {}, QPoint(6, 10));
       }},
      {"drop",
       [](QLineEdit* e) {
         QMimeData data;
         data.setText("9");
         QDragEnterEvent enter(QPoint(6, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
         QApplication::sendEvent(e, &enter);
         QDropEvent drop(QPointF(6, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
         QApplication::sendEvent(e, &drop);
       }},
  };
}

TEST_F(ElemPrehledTest, ACheckedBoxCannotBeChanged) {
  const Item item{2, 'b', "5"};
  // A fresh box on its tab with a wrong "4" typed into it (which undo could take back).
  auto typedFour = [&] {
    Open(58);
    PickTab(2);
    QLineEdit* line = Box(item)->LineEdit();
    line->setFocus();
    QTest::keyClicks(line, "4");
    EXPECT_EQ(Box(item)->Text(), "4");
    return line;
  };
  for (const Action& a : Actions()) {
    SCOPED_TRACE(a.name);
    if (std::string(a.name) == "middle click" && !QApplication::clipboard()->supportsSelection())
      continue;
    a.run(typedFour());
    EXPECT_NE(Box(item)->Text(), "4") << "the action does not even change an open box";
    QLineEdit* line = typedFour();
    Check(item);
    a.run(line);
    EXPECT_EQ(Box(item)->Text(), "4");
    EXPECT_EQ(line->text().toStdString(), "4");
    Check(item);  // the same verdict again
    ExpectWrong(item);
  }
}

TEST_F(ElemPrehledTest, APressFocusesAnOpenBoxButNotACheckedOne) {
  const Item checked{1, 'c', "1"}, open{1, 'd', "5"};
  Box(checked)->SetText("1");
  Check(checked);
  ASSERT_EQ(Focused(), "popis1");
  QTest::mouseClick(Box(checked)->LineEdit(), Qt::LeftButton, {}, QPoint(4, 10));
  EXPECT_NE(Focused(), checked.Box()) << "a press on a checked box starts a drag instead";
  QTest::mouseClick(Box(open)->LineEdit(), Qt::LeftButton, {}, QPoint(4, 10));
  EXPECT_EQ(Focused(), open.Box());
}

TEST_F(ElemPrehledTest, TheTabKeyVisitsTheBoxesInTheOrderOfEachTab) {
  struct Case {
    int part;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {1,
       {"text_a", "text_b", "text_c", "text_d", "text_e", "text_j", "text_i", "text_h", "text_g",
        "text_f", "popis1"}},
      {2,
       {"text_2i", "text_2j", "text_2h", "text_2g", "text_2f", "text_2a", "text_2b", "text_2c",
        "text_2d", "text_2e"}},
      {3,
       {"text_3i", "text_3j", "text_3h", "text_3g", "text_3f", "text_3a", "text_3b", "text_3c",
        "text_3d", "text_3e"}},
      {4, {"text_4a", "text_4b", "text_4c", "text_4d", "text_4e"}},
      {5, {"text_5a", "text_5b", "text_5c", "text_5d", "text_5e"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.part);
    PickTab(c.part);
    Get<TWinControl>(c.order.front())->SetFocus();
    std::vector<std::string> visited = {Focused()};
    for (size_t i = 1; i < c.order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.push_back(Focused());
    }
    EXPECT_EQ(visited, c.order);
  }
  // A correct number once shown follows its box.
  PickTab(1);
  Check({1, 'd', "5"});
  Get<TWinControl>("text_c")->SetFocus();
  std::vector<std::string> visited;
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(Focused());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"text_d", "resu1d", "text_e"}));
}

TEST_F(ElemPrehledTest, TheTabsAndTheirTexts) {
  EXPECT_EQ(Page()->Caption(), "Přehled elementárních funkcí");
  const char* const captions[5] = {"1   (část 1)", "1   (část 2)", "1   (část 3)", "2   (část 1)",
                                   "2   (část 2)"};
  const std::vector<std::string> popis = {
      "V této úloze můžete doplnit ",
      "čísla obrázků (bez teček) ",
      "do žlutých políček. ",
      "Kliknutím na příslušnou ",
      "tužku se zobrazí správný ",
      "výsledek. Chybná odpověď ",
      "se vyznačí červeně, ",
      "správná zeleně.     ",
      std::string(3, ' '),
      std::string(37, ' '),
      "Tlačítko OVĚŘ VŠE ověří ",
      "najednou všechna políčka ",
      "a zobrazí všechny správné ",
      "odpovědi. ",
      std::string(50, ' '),
      std::string(7, ' '),
      "Po ověření odpovědi ",
      "už nelze do políčka psát.",
  };
  ASSERT_EQ(Tabs()->PageCount(), 5);
  for (int p = 1; p <= 5; ++p) {
    SCOPED_TRACE(p);
    TTabSheet* sheet = Tabs()->Pages(p - 1);
    EXPECT_EQ(sheet->Caption(), captions[p - 1]);
    EXPECT_EQ(sheet->ImageIndex(), 1) << "an exercise tab";
    auto* statement = Get<TLabel>(kStatements[p - 1]);
    ASSERT_NE(statement, nullptr);
    EXPECT_EQ(statement->Parent(), sheet);
    EXPECT_EQ(statement->Caption(),
              "Zadanému předpisu funkce přiřaďte číslo obrázku, na kterém je zobrazen její graf. "
              "Modré přímky jsou asymptoty. ");
    EXPECT_EQ(statement->Top(), 9);
    EXPECT_EQ(statement->Width(), 777);
    EXPECT_EQ(statement->Font().Name(), "Microsoft Sans Serif");
    EXPECT_EQ(statement->Font().Height(), -13);
    EXPECT_TRUE(statement->Font().Style() & fsBold);
    EXPECT_EQ(statement->OnClick().Name(), "Akce");
    // The instructions, always shown; the memos of the later tabs end with an empty line.
    auto* memo = Get<TMemo>("popis" + std::to_string(p));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->Visible());
    std::vector<std::string> lines = popis;
    if (p > 1) lines.push_back("");
    EXPECT_EQ(memo->Lines().Lines(), lines);
  }
  // Every correct number waits, hidden, with its full stop; "10." needs a wider memo.
  for (const Item& item : AllItems()) {
    auto* resu = Get<TMemo>("resu" + item.Suffix());
    ASSERT_NE(resu, nullptr);
    EXPECT_FALSE(resu->Visible()) << item.Suffix();
    EXPECT_EQ(resu->Lines().Lines(), std::vector<std::string>{item.answer + "."}) << item.Suffix();
    EXPECT_EQ(resu->Width(), item.answer == "10" ? 18 : 16) << item.Suffix();
    EXPECT_EQ(resu->Font().Color(), clNavy) << item.Suffix();
  }
}

TEST_F(ElemPrehledTest, EveryGraphOpensItsEnlargedPicture) {
  std::vector<QImage> seen;
  for (int p = 1; p <= 5; ++p) {
    PickTab(p);
    for (int n = 1; n <= 10; ++n) {
      const std::string control = "o" + std::to_string(p) + std::to_string(n);
      const std::string picture = "u" + std::to_string(p) + "_" + std::to_string(n);
      SCOPED_TRACE(control);
      auto* graph = Get<TImage>(control);
      ASSERT_NE(graph, nullptr);
      // Numbered down the first column, then down the second.
      EXPECT_EQ(graph->Parent(), Tabs()->Pages(p - 1));
      EXPECT_EQ(graph->Left(), n <= 5 ? 600 : 688);
      EXPECT_EQ(graph->Top(), 45 + 72 * ((n - 1) % 5));
      EXPECT_EQ(graph->Width(), 57);
      EXPECT_EQ(graph->Height(), 57);
      EXPECT_EQ(graph->Cursor(), crHandPoint);
      EXPECT_EQ(graph->OnClick().Name(), control + "Click");
      Click(control);
      ASSERT_TRUE(frm_lupa->Visible());
      TPicture file;
      file.LoadFromFile("img/BIG/Eprehled/" + picture + "_big.jpg");
      EXPECT_EQ(frm_lupa->obr->Picture().Image(), file.Image()) << picture;
      for (const QImage& other : seen) EXPECT_NE(file.Image(), other) << picture;
      seen.push_back(file.Image());
    }
  }
  EXPECT_EQ(seen.size(), 50u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ElemPrehledTest, StatementLabelsSelectTheRememberedTab) {
  for (int p = 1; p <= 5; ++p) {
    SCOPED_TRACE(p);
    PickTab(p);
    EXPECT_EQ(ExerciseTabIndex[1], p - 1) << "the user's choice is remembered in slot 1";
    ExerciseTabIndex[1] = (p + 2) % 5;  // as the parity page, which shares the slot, leaves it
    Click(kStatements[p - 1]);
    EXPECT_EQ(Tabs()->ActivePageIndex(), (p + 2) % 5);
  }
  ExerciseTabIndex[1] = 3;
  Open(58);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 3) << "reopened on the remembered tab";
}

}  // namespace
