// The class library's behaviour that the pages rely on: text writes and change events, form
// events, stacking and clicks, the loader, message boxes and the error handler.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/menus.h"
#include "platform/stdctrls.h"
#include "tests/support/test_support.h"

namespace {

class TfrmFixture : public TForm {
 public:
  explicit TfrmFixture(TComponent* owner) : TForm(owner) {}
  std::vector<std::string> log;
  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;
  TMemo* Memo1 = nullptr;

  void FormCreate(TObject*) { log.push_back("create"); }
  void FormShow(TObject*) { log.push_back("show"); }
  void FormActivate(TObject*) { log.push_back("activate"); }
  void Edit1Change(TObject*) {
    log.push_back("change " + Edit1->Text());
    // A handler may write another text at once.
    if (Edit2) Edit2->SetText("echo " + Edit1->Text());
  }
  void Edit2Change(TObject*) { log.push_back("change2 " + Edit2->Text()); }
  void Memo1Change(TObject*) { log.push_back("memo"); }
  void Fail(TObject*) { throw EConvertError("'x' is not a valid floating point value"); }
  void Clicked(TObject* sender) {
    log.push_back("click " + static_cast<TComponent*>(sender)->Name());
  }

  static const TFormClass& Class() {
    static const TFormClass c = [] {
      auto f = TFormClass::Of<TfrmFixture>("TfrmFixture", "fixture");
      f.Bind("Edit1", &TfrmFixture::Edit1)
          .Bind("Edit2", &TfrmFixture::Edit2)
          .Bind("Memo1", &TfrmFixture::Memo1)
          .Handler("FormCreate", &TfrmFixture::FormCreate)
          .Handler("FormShow", &TfrmFixture::FormShow)
          .Handler("FormActivate", &TfrmFixture::FormActivate)
          .Handler("Edit1Change", &TfrmFixture::Edit1Change)
          .Handler("Edit2Change", &TfrmFixture::Edit2Change)
          .Handler("Memo1Change", &TfrmFixture::Memo1Change)
          .Handler("Fail", &TfrmFixture::Fail)
          .Handler("Clicked", &TfrmFixture::Clicked);
      return f;
    }();
    return c;
  }
};

const char* kFixture = R"(
object frmFixture: TfrmFixture
  Width = 300
  Height = 200
  Color = clMoneyGreen
  OnCreate = FormCreate
  OnShow = FormShow
  OnActivate = FormActivate
  object Edit1: TEdit
    Left = 8
    Top = 8
    Text = 'loaded'
    OnChange = Edit1Change
  end
  object Edit2: TEdit
    Left = 8
    Top = 40
    OnChange = Edit2Change
  end
  object Memo1: TMemo
    Left = 8
    Top = 80
    Lines.Strings = (
      'first'
      'second')
    OnChange = Memo1Change
  end
  object Lower: TLabel
    Left = 150
    Top = 8
    AutoSize = False
    Width = 60
    Height = 40
    Caption = 'below'
    OnClick = Clicked
  end
  object Upper: TLabel
    Left = 170
    Top = 20
    AutoSize = False
    Width = 60
    Height = 40
    Caption = 'above'
    OnClick = Clicked
  end
end
)";

class ControlsTest : public PlatformFixture {
 protected:
  TfrmFixture* Make(const std::string& text = kFixture) {
    form_.reset(static_cast<TfrmFixture*>(FormFromText(TfrmFixture::Class(), text)));
    return form_.get();
  }
  struct FreeForm {
    void operator()(TForm* f) const { Free(f); }
  };
  std::unique_ptr<TfrmFixture, FreeForm> form_;
};

TEST_F(ControlsTest, LoadingFiresNoChangeEventsAndBindsFieldsAndHandlers) {
  TfrmFixture* f = Make();
  EXPECT_TRUE(f->log.empty());
  EXPECT_EQ(f->Edit1->Text(), "loaded");
  EXPECT_EQ(f->Memo1->Lines().Count(), 2);
  EXPECT_EQ(f->Memo1->Text(), "first\r\nsecond");
  EXPECT_EQ(f->Edit1->OnChange().Name(), "Edit1Change");
  EXPECT_EQ(f->Color(), clMoneyGreen);
}

TEST_F(ControlsTest, TextWritesFireChangeOnlyWhenTheTextDiffers) {
  TfrmFixture* f = Make();
  f->Edit1->SetText("loaded");
  EXPECT_TRUE(f->log.empty()) << "writing the present text fires nothing";
  f->Edit1->Hide();
  f->Edit1->SetText("1,5");
  // Synchronous, also for a hidden control; the handler's own write fires at once, inside it.
  EXPECT_EQ(f->log, (std::vector<std::string>{"change 1,5", "change2 echo 1,5"}));
  f->log.clear();
  f->Edit1->SetText("1,5");
  EXPECT_TRUE(f->log.empty());
  f->Memo1->Lines().Add("third");
  f->Memo1->SetText(f->Memo1->Text());
  EXPECT_EQ(f->log, (std::vector<std::string>{"memo"}));
  EXPECT_EQ(f->Memo1->Text(), "first\r\nsecond\r\nthird");
}

TEST_F(ControlsTest, TypedTextFiresChangeAndLowerCaseEditsLowerIt) {
  TfrmFixture* f = Make();
  f->Edit1->SetCharCase(TEditCharCase::ecLowerCase);
  f->Edit1->LineEdit()->selectAll();
  QTest::keyClicks(f->Edit1->LineEdit(), "Sin(X)");
  EXPECT_EQ(f->Edit1->Text(), "sin(x)");
  EXPECT_EQ(f->log.back(), "change2 echo sin(x)");
}

// A line edit shows control and format characters as nothing or as a blank, so a pasted "5"
// and DEL looked like "5" while the page read something else: they never get in, however they
// come, in edits and masked edits alike.
TEST_F(ControlsTest, SingleLineEditsTakeNoInvisibleCharacters) {
  TfrmFixture* f = Make();
  auto* masked = new TMaskEdit(f);
  masked->SetParent(f);
  const std::vector<std::pair<const char*, std::function<void(QLineEdit*)>>> ways = {
      {"paste",
       [](QLineEdit* e) {
         QApplication::clipboard()->setText(QString::fromUtf8("5\x7f"));
         e->paste();
       }},
      {"paste of many",
       [](QLineEdit* e) {
         QApplication::clipboard()->setText(QString::fromUtf8("\t5\u200b\r\n\u2028\x01"));
         e->paste();
       }},
      {"input method",
       [](QLineEdit* e) {
         QInputMethodEvent commit;
         commit.setCommitString(QString::fromUtf8("5\u00ad\x1b"));
         QApplication::sendEvent(e, &commit);
       }},
      {"drop",
       [](QLineEdit* e) {
         QMimeData data;
         data.setText(
             QString::fromUtf8("\x7f"
                               "5"
                               "\x7f"));
         QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
         QApplication::sendEvent(e, &enter);
         QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
         QApplication::sendEvent(e, &drop);
       }},
  };
  for (TEdit* edit : {f->Edit2, static_cast<TEdit*>(masked)}) {
    for (const auto& [name, put] : ways) {
      SCOPED_TRACE(std::string(edit->ClassName()) + " " + name);
      edit->SetText("");
      f->log.clear();
      QLineEdit* line = edit->LineEdit();
      line->setFocus();
      put(line);
      EXPECT_EQ(edit->Text(), "5");
      EXPECT_EQ(line->text().toStdString(), "5");
      EXPECT_EQ(line->cursorPosition(), 1);
      if (edit == f->Edit2) {
        EXPECT_EQ(f->log, (std::vector<std::string>{"change2 5"}));
      }
      // Nothing but an invisible character changes nothing.
      f->log.clear();
      QApplication::clipboard()->setText(QString::fromUtf8("\x7f"));
      line->paste();
      EXPECT_EQ(edit->Text(), "5");
      EXPECT_TRUE(f->log.empty());
    }
  }
}

TEST_F(ControlsTest, FormEventsRunInOrderAndAnErrorInOneDoesNotStopTheOthers) {
  std::string text = kFixture;
  text.replace(text.find("OnCreate = FormCreate"), 21, "OnCreate = Fail");
  TfrmFixture* f = Make(text);
  f->RunCreationEvents();
  // Not visible in its layout: only OnCreate runs (and fails, reported).
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'x' is not a valid floating point value.");
  EXPECT_EQ(boxes[0].caption, Application->Title());
  EXPECT_EQ(boxes[0].flags, MB_OK | MB_ICONSTOP);

  text = kFixture;
  text.replace(text.find("Width = 300"), 11, "Visible = True\n  Width = 300");
  TfrmFixture* g = Make(text);
  g->SetFormStyle(TFormStyle::fsNormal);
  g->RunCreationEvents();
  EXPECT_EQ(g->log, (std::vector<std::string>{"create", "show"}));
  EXPECT_TRUE(g->Widget()->isVisible());
}

TEST_F(ControlsTest, AnMdiChildRunsCreateShowActivateAndGoesOnAfterAnError) {
  TForm frame(nullptr);
  frame.SetFormStyle(TFormStyle::fsMDIForm);
  TForm* saved = Application->MainForm();
  Application->SetMainForm(&frame);
  const std::string child =
      std::string(kFixture).replace(std::string(kFixture).find("Width = 300"), 11,
                                    "FormStyle = fsMDIChild\n  Visible = True\n  Width = 300");
  const struct {
    const char* failing;  // the handler that raises, or none
    std::vector<std::string> log;
  } cases[] = {
      {nullptr, {"create", "show", "activate"}},
      {"OnCreate = FormCreate", {"show", "activate"}},
      {"OnShow = FormShow", {"create", "activate"}},
  };
  for (const auto& c : cases) {
    std::string text = child;
    if (c.failing) {
      std::string binding = c.failing;
      text.replace(text.find(binding), binding.size(),
                   binding.substr(0, binding.find('=') + 2) + "Fail");
    }
    boxes.clear();
    TfrmFixture* f = Make(text);
    f->RunCreationEvents();
    EXPECT_EQ(f->log, c.log) << (c.failing ? c.failing : "no error");
    EXPECT_EQ(boxes.size(), c.failing ? 1u : 0u);
    EXPECT_EQ(frame.ActiveMDIChild(), f) << "the new child is the active one";
  }
  form_.reset();
  Application->SetMainForm(saved);
}

// Letters set in the Symbol font show as Greek ones (p is π), one character for one: the other
// characters, the positions after them and the box's lines stay as they are.
TEST_F(ControlsTest, ARichEditShowsItsSymbolFontLettersAsGreekOnes) {
  TRichEdit box(nullptr);
  box.Lines().Assign({"pro p/4", "a p"});
  for (int at : {4, 6, 11}) {  // the p of p/4, the 4, and the p on the second line
    box.SetSelStart(at);
    box.SetSelLength(1);
    box.SelAttributes().SetName("Symbol");
  }
  EXPECT_EQ(box.TextEdit()->toPlainText(), QString::fromUtf8("pro π/4\na π"));
  EXPECT_EQ(box.Lines()[0], "pro p/4");
  box.SetSelStart(4);
  EXPECT_EQ(box.SelAttributes().Name(), "DejaVu Serif");
  box.SetSelStart(0);
  EXPECT_NE(box.SelAttributes().Name(), "DejaVu Serif") << "the p of the word stays";
}

TEST_F(ControlsTest, LaterControlsStackAboveEarlierOnesAndTakeTheClick) {
  TfrmFixture* f = Make();
  f->Widget()->resize(300, 200);
  f->Widget()->show();
  QWidget* client = f->ClientWidget();
  auto clickAt = [&](QPoint p) {
    QWidget* target = client->childAt(p);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, p));
  };
  const QPoint overlap(180, 30);
  clickAt(overlap);
  EXPECT_EQ(f->log.back(), "click Upper");
  static_cast<TControl*>(f->FindComponent("Lower"))->BringToFront();
  clickAt(overlap);
  EXPECT_EQ(f->log.back(), "click Lower");
  static_cast<TControl*>(f->FindComponent("Lower"))->Hide();
  clickAt(overlap);
  EXPECT_EQ(f->log.back(), "click Upper") << "a hidden control takes no click";
}

TEST_F(ControlsTest, AutomaticDragTakesThePressInsteadOfAClick) {
  TfrmFixture* f = Make();
  f->Widget()->show();
  auto* upper = static_cast<TControl*>(f->FindComponent("Upper"));
  upper->SetDragMode(TDragMode::dmAutomatic);
  QTest::mouseClick(upper->Widget(), Qt::LeftButton);
  EXPECT_TRUE(f->log.empty());
  upper->SetDragMode(TDragMode::dmManual);
  upper->SetEnabled(false);
  QTest::mouseClick(upper->Widget(), Qt::LeftButton);
  EXPECT_TRUE(f->log.empty()) << "a disabled control takes no click";
}

TEST_F(ControlsTest, LabelsAreOpaqueInTheParentColourUnlessTransparent) {
  TfrmFixture* f = Make(R"(
object frmFixture: TfrmFixture
  Width = 100
  Height = 60
  Color = clMoneyGreen
  object Edit1: TEdit
  end
  object Edit2: TEdit
  end
  object Memo1: TMemo
  end
  object Back: TShape
    Left = 0
    Top = 0
    Width = 100
    Height = 60
    Brush.Color = clRed
    Pen.Color = clRed
  end
  object Opaque: TLabel
    Left = 0
    Top = 0
    Caption = '   '
  end
  object Clear: TLabel
    Left = 50
    Top = 0
    Caption = '   '
    Transparent = True
  end
end
)");
  f->Widget()->resize(100, 60);
  QImage img = Grab(f);
  auto* opaque = static_cast<TControl*>(f->FindComponent("Opaque"));
  EXPECT_EQ(img.pixelColor(2, 2), ToQColor(clMoneyGreen));
  EXPECT_EQ(img.pixelColor(52, 2), QColor(255, 0, 0));
  EXPECT_EQ(opaque->Color(), clMoneyGreen);
}

TEST_F(ControlsTest, LayoutErrorsNameTheProblem) {
  const struct {
    const char* from;
    const char* to;
    const char* message;
  } cases[] = {
      {"object Memo1: TMemo", "object Memo1: TMemoo", "unknown class TMemoo"},
      {"OnChange = Memo1Change", "OnChange = NoSuchHandler", "has no handler NoSuchHandler"},
      {"Lines.Strings", "Lines.Strangs", "TMemo has no property Lines.Strangs"},
      {"object Edit2: TEdit", "object Edit2: TMemo", "Edit2 is a TMemo"},
      {"object Edit2: TEdit", "object Edit3: TEdit", "has no control Edit2"},
      {"Left = 8\n    Top = 8", "Left = 'eight'\n    Top = 8", "a whole number was expected"},
      {"Color = clMoneyGreen", "Color = clMoneyGrey", "a colour was expected"},
  };
  for (const auto& c : cases) {
    std::string text = kFixture;
    text.replace(text.find(c.from), std::strlen(c.from), c.to);
    try {
      Make(text);
      ADD_FAILURE() << "accepted: " << c.to;
    } catch (const ELayoutError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("fixture.lay:", 0), 0u) << e.what();
    }
  }
}

// A fault in a piece that the layout includes is found where the piece says it, also when the
// loader meets it only after the whole layout is read (a reference to another control).
TEST_F(ControlsTest, LayoutErrorsInAnIncludedPieceNameThePiece) {
  const std::string page = std::string(kFixture).replace(
      std::string(kFixture).find("  object Edit1"), 0, "  include 'piece.lay'\n  end\n");
  const struct {
    const char* piece;
    const char* message;
  } cases[] = {
      {"object Box: TMemo\n  Lines.Strangs = ('x')\nend\n",
       "piece.lay:2: TMemo has no property Lines.Strangs"},
      {"object Steps: TUpDown\n  Associate = Nothing\n  Max = 5\nend\n",
       "piece.lay:2: no component Nothing in this layout"},
  };
  for (const auto& c : cases) {
    auto read = [&](const std::string& path) -> std::optional<std::string> {
      if (path == "piece.lay") return c.piece;
      return std::nullopt;
    };
    try {
      form_.reset(
          static_cast<TfrmFixture*>(FormFromText(TfrmFixture::Class(), page, nullptr, read)));
      ADD_FAILURE() << "accepted: " << c.piece;
    } catch (const ELayoutError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST_F(ControlsTest, MessageBoxesHaveCzechButtonsAndAnswerTheirIds) {
  Application->SetMessageBoxHandler(nullptr);
  const struct {
    int flags;
    const char* press;
    int answer;
  } cases[] = {
      {MB_YESNO | MB_ICONQUESTION, "Ano", IDYES},
      {MB_YESNO | MB_ICONQUESTION, "Ne", IDNO},
      {MB_OK | MB_ICONSTOP, "OK", IDOK},
      {MB_YESNO | MB_ICONQUESTION, "Escape", IDNO},  // closing the box answers No
  };
  for (const auto& c : cases) {
    std::vector<std::string> seen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      icon = box->icon();
      for (QAbstractButton* b : box->buttons()) {
        seen.push_back(b->text().toStdString());
        if (b->text() == c.press) b->click();
      }
      if (std::string(c.press) == "Escape") QTest::keyClick(box, Qt::Key_Escape);
    });
    int result =
        Application->MessageBox("Skutečně si přejete skončit?", "Ukončení programu", c.flags);
    EXPECT_EQ(result, c.answer) << c.press;
    if ((c.flags & 0x0F) == MB_YESNO) {
      EXPECT_EQ(seen, (std::vector<std::string>{"Ano", "Ne"}));
      EXPECT_EQ(icon, QMessageBox::Question);
    } else {
      EXPECT_EQ(seen, (std::vector<std::string>{"OK"}));
      EXPECT_EQ(icon, QMessageBox::Critical);
    }
  }
}

TEST_F(ControlsTest, DispatchShowsUncaughtErrorsAndSkipsTheRestOfTheHandler) {
  bool after = false;
  Dispatch([&] {
    StrToFloat("abc");
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'abc' is not a valid floating point value.");
  Dispatch([] { throw EFOpenError("Cannot open file \"x\". No such file or directory."); });
  EXPECT_EQ(boxes[1].text, "Cannot open file \"x\". No such file or directory.")
      << "no second stop";
}

TEST_F(ControlsTest, MenuItemsRunTheirHandlerOnlyWhileEnabled) {
  TMainMenu menu(nullptr);
  TMenuItem root(nullptr), item(nullptr);
  menu.Add(&root);
  root.Add(&item);
  int clicks = 0;
  item.SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
  item.Click();
  item.SetEnabled(false);
  item.Click();
  item.Action()->trigger();
  EXPECT_EQ(clicks, 1);
  item.SetCaption("Fish & Chips");
  EXPECT_EQ(item.Action()->text(), "Fish && Chips") << "captions are plain text";
}

TEST_F(ControlsTest, ActivationAfterAnotherProgramWindowRunsThePagesOnActivate) {
  TForm frame(nullptr);
  frame.SetFormStyle(TFormStyle::fsMDIForm);
  TForm other(nullptr);
  auto* saved = Application->MainForm();
  Application->SetMainForm(&frame);
  TForm* page = new TForm(&frame);
  page->SetFormStyle(TFormStyle::fsMDIChild);
  int activations = 0;
  page->SetOnActivate(TNotifyEvent([&](TObject*) { ++activations; }));
  Application->FormActivated(&frame);
  EXPECT_EQ(activations, 0) << "first activation of the frame";
  Application->FormActivated(&other);
  Application->FormActivated(&frame);
  EXPECT_EQ(activations, 1) << "back from the magnifier";
  Application->FormActivated(&other);
  Application->MessageBox("x", "y", MB_OK);
  Application->FormActivated(&frame);
  EXPECT_EQ(activations, 1) << "a message box in between";
  Application->FormActivated(&other);
  Application->ForeignWindowActivated();
  Application->FormActivated(&frame);
  EXPECT_EQ(activations, 1) << "another application in between";
  Application->SetMainForm(saved);
}

TEST(Components, OwnerFreesInReverseOrderAndReferencesEmpty) {
  std::vector<std::string> order;
  struct Noisy : TComponent {
    Noisy(TComponent* o, std::string n, std::vector<std::string>& log)
        : TComponent(o), name(std::move(n)), log(log) {}
    ~Noisy() override { log.push_back(name); }
    std::string name;
    std::vector<std::string>& log;
  };
  auto* owner = new TComponent(nullptr);
  new Noisy(owner, "a", order);
  auto* b = new Noisy(owner, "b", order);
  new Noisy(owner, "c", order);
  TRef<TComponent> ref(b);
  b->SetName("B");
  EXPECT_EQ(owner->FindComponent("b"), b) << "names are found without regard to case";
  Free(b);
  EXPECT_FALSE(ref);
  EXPECT_EQ(owner->ComponentCount(), 2);
  Free(owner);
  EXPECT_EQ(order, (std::vector<std::string>{"b", "c", "a"}));
}

}  // namespace
